#include "conditions/ten_god_hidden_group.h"

#include "chartlib/chart_primitives.h"

namespace bazi {

bool TenGodHiddenGroup::positionTest(const ConditionRow& row, const ChartTable&,
                                     const HiddenStemTable& hidden) {
    return pillarSlotsPositionTest(row, hidden, &ChartCell::tenGod);
}

std::optional<TenGodHiddenGroup::Find> TenGodHiddenGroup::countTest(const ConditionRow& row,
                                                                    const ChartTable& chart,
                                                                    const HiddenStemTable& hidden) {
    const int p = row.positionIndex;
    CandidateList candidates;
    if (row.valueIndex >= 2)
        candidates.add(row.valueText);
    else if (row.valueIndex == 1 && p == 0)
        candidates.addAll(valuesOf(ItemList::tenGodValue));
    else if (row.valueIndex == 1 && isPillarPosition(p))
        candidates.add(stemOfPillar(chart, p).tenGod);

    const auto slots = slotTenGods(hidden);
    return firstCandidateMeeting<TenGodTally>(
        candidates, row.countRule,
        [&](std::string_view name) {
            return TenGodTally{0, 0, chartlib::countHiddenTenGods(slots, name)};
        },
        [](const TenGodTally& t) { return t.hidden; });
}

bool TenGodHiddenGroup::revealTest(const ConditionRow& row, const Find& found,
                                   const ChartTable& chart, const HiddenStemTable&) {
    if (!row.revealTicked)
        return true;
    const auto& c = chart.cells;
    const std::string stemTenGods = c[0].tenGod + c[2].tenGod + c[4].tenGod + c[6].tenGod;
    return chartlib::countName(stemTenGods, found.sought) == 0;
}

bool TenGodHiddenGroup::rowSatisfied(const ConditionRow& row, const ChartTable& chart,
                                     const HiddenStemTable& hidden) {
    return rowSatisfiedBy<TenGodHiddenGroup>(row, chart, hidden);
}

} // namespace bazi

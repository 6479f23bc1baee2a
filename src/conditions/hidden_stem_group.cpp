#include "conditions/hidden_stem_group.h"

#include "chartlib/chart_primitives.h"

namespace bazi {

bool HiddenStemGroup::positionTest(const ConditionRow& row, const ChartTable&,
                                   const HiddenStemTable& hidden) {
    return pillarSlotsPositionTest(row, hidden, &ChartCell::character);
}

std::optional<HiddenStemGroup::Find> HiddenStemGroup::countTest(const ConditionRow& row,
                                                                const ChartTable&,
                                                                const HiddenStemTable& hidden) {
    const int p = row.positionIndex;
    CandidateList candidates;
    if (row.valueIndex >= 2) {
        candidates.add(row.valueText);
    } else if (row.valueIndex == 1 && p == 0) {
        candidates.addAll(valuesOf(ItemList::stemValue));
    } else if (row.valueIndex == 1 && isPillarPosition(p)) {
        for (int j = 0; j < 3; ++j)
            candidates.add(slotOfPillar(hidden, p, j).character);
    }

    const std::string slots = joinedSlots(hidden);
    return firstCandidateMeeting<StemBranchTally>(
        candidates, row.countRule,
        [&](std::string_view s) {
            return StemBranchTally{0, 0, chartlib::countName(slots, s)};
        },
        [](const StemBranchTally& t) { return t.hiddenStems; });
}

bool HiddenStemGroup::revealTest(const ConditionRow& row, const Find& found,
                                 const ChartTable& chart, const HiddenStemTable&) {
    if (!row.revealTicked)
        return true;
    return chartlib::countName(joinedStems(chart), found.sought) == 0;
}

bool HiddenStemGroup::rowSatisfied(const ConditionRow& row, const ChartTable& chart,
                                   const HiddenStemTable& hidden) {
    return rowSatisfiedBy<HiddenStemGroup>(row, chart, hidden);
}

} // namespace bazi

#include "conditions/element_hidden_group.h"

#include "chartlib/chart_primitives.h"

namespace bazi {

bool ElementHiddenGroup::positionTest(const ConditionRow& row, const ChartTable&,
                                      const HiddenStemTable& hidden) {
    return pillarSlotsPositionTest(row, hidden, &ChartCell::element);
}

std::optional<ElementHiddenGroup::Find>
ElementHiddenGroup::countTest(const ConditionRow& row, const ChartTable&,
                              const HiddenStemTable& hidden) {
    const int p = row.positionIndex;
    CandidateList candidates;
    if (row.valueIndex >= 2) {
        candidates.add(row.valueText);
    } else if (row.valueIndex == 1 && p == 0) {
        candidates.addAll(valuesOf(ItemList::elementValue));
    } else if (row.valueIndex == 1 && isPillarPosition(p)) {
        for (int j = 0; j < 3; ++j)
            candidates.add(slotOfPillar(hidden, p, j).element);
    }

    const auto slots = slotElements(hidden);
    return firstCandidateMeeting<ElementTally>(
        candidates, row.countRule,
        [&](std::string_view e) {
            return ElementTally{0, 0, chartlib::countHiddenElements(slots, e)};
        },
        [](const ElementTally& t) { return t.hidden; });
}

bool ElementHiddenGroup::revealTest(const ConditionRow& row, const Find& found,
                                    const ChartTable& chart, const HiddenStemTable&) {
    if (!row.revealTicked)
        return true;
    return chartlib::countStemElements(stemElements(chart), found.sought) == 0;
}

bool ElementHiddenGroup::rowSatisfied(const ConditionRow& row, const ChartTable& chart,
                                      const HiddenStemTable& hidden) {
    return rowSatisfiedBy<ElementHiddenGroup>(row, chart, hidden);
}

} // namespace bazi

#include "conditions/stem_group.h"

#include "chartlib/chart_primitives.h"

namespace bazi {

bool StemGroup::positionTest(const ConditionRow& row, const ChartTable& chart,
                             const HiddenStemTable&) {
    const int p = row.positionIndex;
    if (row.valueIndex == 1)
        return true;
    if (row.valueIndex < 2)
        return false;
    if (p == 0)
        return true;
    return isPillarPosition(p) && stemOfPillar(chart, p).character == row.valueText;
}

std::optional<StemGroup::Find>
StemGroup::countTest(const ConditionRow& row, const ChartTable& chart, const HiddenStemTable&) {
    const int p = row.positionIndex;
    CandidateList candidates;
    if (row.valueIndex >= 2)
        candidates.add(row.valueText);
    else if (row.valueIndex == 1 && p == 0)
        candidates.addAll(valuesOf(ItemList::stemValue));
    else if (row.valueIndex == 1 && isPillarPosition(p))
        candidates.add(stemOfPillar(chart, p).character);

    const std::string stems = joinedStems(chart);
    return firstCandidateMeeting<StemBranchTally>(
        candidates, row.countRule,
        [&](std::string_view s) {
            return StemBranchTally{chartlib::countName(stems, s), 0, 0};
        },
        [](const StemBranchTally& t) { return t.stems; });
}

bool StemGroup::revealTest(const ConditionRow& row, const Find& found, const ChartTable&,
                           const HiddenStemTable& hidden) {
    if (!row.revealTicked)
        return true;
    return chartlib::countName(joinedSlots(hidden), found.sought) == 0;
}

bool StemGroup::rowSatisfied(const ConditionRow& row, const ChartTable& chart,
                             const HiddenStemTable& hidden) {
    return rowSatisfiedBy<StemGroup>(row, chart, hidden);
}

} // namespace bazi

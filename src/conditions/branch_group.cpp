#include "conditions/branch_group.h"

#include "chartlib/chart_primitives.h"

namespace bazi {

bool BranchGroup::positionTest(const ConditionRow& row, const ChartTable& chart,
                               const HiddenStemTable&) {
    const int p = row.positionIndex;
    if (row.valueIndex == 1)
        return true;
    if (row.valueIndex < 2)
        return false;
    if (p == 0)
        return true;
    return isPillarPosition(p) && branchOfPillar(chart, p).character == row.valueText;
}

std::optional<BranchGroup::Find>
BranchGroup::countTest(const ConditionRow& row, const ChartTable& chart, const HiddenStemTable&) {
    const int p = row.positionIndex;
    CandidateList candidates;
    if (row.valueIndex >= 2)
        candidates.add(row.valueText);
    else if (row.valueIndex == 1 && p == 0)
        candidates.addAll(valuesOf(ItemList::branchValue));
    else if (row.valueIndex == 1 && isPillarPosition(p))
        candidates.add(branchOfPillar(chart, p).character);

    const std::string branches = joinedBranches(chart);
    return firstCandidateMeeting<StemBranchTally>(
        candidates, row.countRule,
        [&](std::string_view b) {
            return StemBranchTally{0, chartlib::countName(branches, b), 0};
        },
        [](const StemBranchTally& t) { return t.branches; });
}

bool BranchGroup::rowSatisfied(const ConditionRow& row, const ChartTable& chart,
                               const HiddenStemTable& hidden) {
    return rowSatisfiedBy<BranchGroup>(row, chart, hidden);
}

} // namespace bazi

#include "conditions/branch_group.h"

namespace bazi {

bool BranchGroup::positionTest(const ConditionRow& row, const ChartFacts& facts) {
    using Kind = RowPosition::Kind;
    if (row.seeksAny())
        return true;
    const auto* branch = std::get_if<Branch>(&row.sought);
    if (!branch)
        return false;
    if (row.position.kind == Kind::anywhere)
        return true;
    return row.position.kind == Kind::place &&
           (facts.placesOf(*branch) & placeBit(row.position.place)) != 0;
}

std::optional<Branch> BranchGroup::countTest(const ConditionRow& row, const ChartFacts& facts) {
    using Kind = RowPosition::Kind;
    Candidates<Branch> candidates;
    if (const auto* branch = std::get_if<Branch>(&row.sought))
        candidates.add(*branch);
    else if (row.seeksAny() && row.position.kind == Kind::anywhere)
        candidates.addAll(allItems<Branch>());
    else if (row.seeksAny() && row.position.kind == Kind::place)
        candidates.add(facts.branchAt(row.position.place));
    return firstCandidateMeeting(candidates, row.countRule,
                                 [&](Branch b) { return countOf(row, b, facts); });
}

int BranchGroup::countOf(const ConditionRow&, Branch found, const ChartFacts& facts) {
    return countIn(facts.placesOf(found), kFourBranches);
}

PlaceSet BranchGroup::placesOf(const ConditionRow&, Branch found, const ChartFacts& facts) {
    return facts.placesOf(found);
}

} // namespace bazi

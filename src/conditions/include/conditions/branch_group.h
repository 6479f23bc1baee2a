#pragma once
// 条件2—干支 / 地支: how often an earthly branch stands among the four branches
// of the chart, optionally on one pillar. No reveal option.
//
// Positions: the year, month, day or hour branch.

#include "conditions/condition_model.h"

#include <optional>

namespace bazi {

struct BranchGroup {
    static constexpr bool kHasReveal = false;

    /// "不指定" passes at any position; a branch must stand on the chosen pillar.
    [[nodiscard]] static bool positionTest(const ConditionRow& row, const ChartFacts& facts);
    /// Candidates: the branch; for "不指定" the twelve branches 子 .. 亥, or the
    /// chosen pillar's branch. The count is its number among the four branches.
    [[nodiscard]] static std::optional<Branch> countTest(const ConditionRow& row,
                                                         const ChartFacts& facts);
    /// The count the rule saw for the found item, and where it stands.
    [[nodiscard]] static int countOf(const ConditionRow& row, Branch found,
                                     const ChartFacts& facts);
    [[nodiscard]] static PlaceSet placesOf(const ConditionRow& row, Branch found,
                                           const ChartFacts& facts);
};

} // namespace bazi

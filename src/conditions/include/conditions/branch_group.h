#pragma once
// 条件2—干支 / 地支: how often an earthly branch stands among the four branches
// of the chart, optionally on one pillar. No reveal option.
//
// Positions (branch list): 1..4 the year, month, day and hour branch.

#include "conditions/condition_model.h"

#include <optional>

namespace bazi {

struct BranchGroup {
    using Find = CountFind<StemBranchTally>; // only `branches` is counted
    static constexpr bool kHasReveal = false;

    /// "不指定" passes at any position; a branch must stand on the chosen pillar.
    [[nodiscard]] static bool positionTest(const ConditionRow& row, const ChartTable& chart,
                                           const HiddenStemTable& hidden);
    /// Candidates: the value; for "不指定" the twelve branches 子 .. 亥, or the
    /// chosen pillar's branch. The count is its number among the four branches.
    [[nodiscard]] static std::optional<Find>
    countTest(const ConditionRow& row, const ChartTable& chart, const HiddenStemTable& hidden);
    /// PositionTest and CountTest in order.
    [[nodiscard]] static bool rowSatisfied(const ConditionRow& row, const ChartTable& chart,
                                           const HiddenStemTable& hidden);
};

} // namespace bazi

#pragma once
// 条件2—干支 / 天干: how often a heavenly stem stands on the four stems of the
// chart, optionally on one pillar's stem, and optionally ("藏干无") that no
// branch hides it.
//
// Positions (stem list): 1..4 the year, month, day and hour stem.

#include "conditions/condition_model.h"

#include <optional>

namespace bazi {

struct StemGroup {
    using Find = CountFind<StemBranchTally>; // only `stems` is counted
    static constexpr bool kHasReveal = true;

    /// "不指定" passes at any position; a stem must stand on the chosen pillar's stem.
    [[nodiscard]] static bool positionTest(const ConditionRow& row, const ChartTable& chart,
                                           const HiddenStemTable& hidden);
    /// Candidates: the value; for "不指定" the ten stems 甲 .. 癸, or the chosen
    /// pillar's stem. The count is its number among the four stems.
    [[nodiscard]] static std::optional<Find>
    countTest(const ConditionRow& row, const ChartTable& chart, const HiddenStemTable& hidden);
    /// With "藏干无" ticked, no hidden-stem slot holds the found stem.
    [[nodiscard]] static bool revealTest(const ConditionRow& row, const Find& found,
                                         const ChartTable& chart, const HiddenStemTable& hidden);
    /// The three checks in order.
    [[nodiscard]] static bool rowSatisfied(const ConditionRow& row, const ChartTable& chart,
                                           const HiddenStemTable& hidden);
};

} // namespace bazi

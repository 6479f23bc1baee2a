#pragma once
// 条件2—干支 / 藏干: how often a heavenly stem stands among the stems hidden in
// the four branches, optionally hidden in one pillar's branch, and optionally
// ("不透") that it stands on none of the four heavenly stems.
//
// Positions (pillar list): 1..4 the year, month, day and hour branch, whose
// slots are 3(p − 1) .. 3(p − 1) + 2 counted from 0.

#include "conditions/condition_model.h"

#include <optional>

namespace bazi {

struct HiddenStemGroup {
    using Find = CountFind<StemBranchTally>; // only `hiddenStems` is counted
    static constexpr bool kHasReveal = true;

    /// "不指定" passes at any position; a stem must be hidden in the chosen branch.
    [[nodiscard]] static bool positionTest(const ConditionRow& row, const ChartTable& chart,
                                           const HiddenStemTable& hidden);
    /// Candidates: the value; for "不指定" the ten stems 甲 .. 癸, or the stems of
    /// the chosen branch's filled slots in slot order. The count is its number
    /// among the twelve slots.
    [[nodiscard]] static std::optional<Find>
    countTest(const ConditionRow& row, const ChartTable& chart, const HiddenStemTable& hidden);
    /// With "不透" ticked, the found stem stands on none of the four stems.
    [[nodiscard]] static bool revealTest(const ConditionRow& row, const Find& found,
                                         const ChartTable& chart, const HiddenStemTable& hidden);
    /// The three checks in order.
    [[nodiscard]] static bool rowSatisfied(const ConditionRow& row, const ChartTable& chart,
                                           const HiddenStemTable& hidden);
};

} // namespace bazi

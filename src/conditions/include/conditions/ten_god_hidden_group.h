#pragma once
// 条件3—十神 / 藏干: how often a ten-god relation to the day stem stands among
// the stems hidden in the four branches, optionally hidden in one pillar's
// branch, and optionally ("不透") that none of the four stems bears it.
//
// Positions (pillar list): 1..4 the year, month, day and hour branch, whose
// slots are 3(p − 1) .. 3(p − 1) + 2 counted from 0.

#include "conditions/condition_model.h"

#include <optional>

namespace bazi {

struct TenGodHiddenGroup {
    using Find = CountFind<TenGodTally>; // only `hidden` is counted
    static constexpr bool kHasReveal = true;

    /// "不指定" passes at any position; a name must be borne by a stem hidden in
    /// the chosen branch.
    [[nodiscard]] static bool positionTest(const ConditionRow& row, const ChartTable& chart,
                                           const HiddenStemTable& hidden);
    /// Candidates: the value; for "不指定" the ten names 正印 .. 劫财, or the
    /// ten-god of the chosen pillar's heavenly stem (the day pillar: the day
    /// stem's own). The count is its number among the twelve slots.
    [[nodiscard]] static std::optional<Find>
    countTest(const ConditionRow& row, const ChartTable& chart, const HiddenStemTable& hidden);
    /// With "不透" ticked, none of the four stems, the day stem included, bears
    /// the found name.
    [[nodiscard]] static bool revealTest(const ConditionRow& row, const Find& found,
                                         const ChartTable& chart, const HiddenStemTable& hidden);
    /// The three checks in order.
    [[nodiscard]] static bool rowSatisfied(const ConditionRow& row, const ChartTable& chart,
                                           const HiddenStemTable& hidden);
};

} // namespace bazi

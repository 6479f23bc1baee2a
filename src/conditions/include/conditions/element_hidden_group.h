#pragma once
// 条件1—五行 / 藏干: how often an element stands among the twelve hidden-stem
// slots, optionally that it is hidden in one pillar's branch, and optionally
// ("不透") that no heavenly stem has it.
//
// Positions (pillar list): 1..4 the year, month, day and hour branch, whose
// slots are 3(p − 1) .. 3(p − 1) + 2 counted from 0. The count is the number
// of slots with the element; the eight characters do not enter it.

#include "conditions/condition_model.h"

#include <optional>

namespace bazi {

struct ElementHiddenGroup {
    using Find = CountFind<ElementTally>; // only `hidden` is counted
    static constexpr bool kHasReveal = true;

    /// "不指定" passes at any position; a value must be hidden in the chosen branch.
    [[nodiscard]] static bool positionTest(const ConditionRow& row, const ChartTable& chart,
                                           const HiddenStemTable& hidden);
    /// Candidates: the value; for "不指定" 金 水 木 火 土, or the elements of the
    /// chosen branch's filled slots in slot order.
    [[nodiscard]] static std::optional<Find>
    countTest(const ConditionRow& row, const ChartTable& chart, const HiddenStemTable& hidden);
    /// With "不透" ticked, no stem of the chart has the found element (asked afresh).
    [[nodiscard]] static bool revealTest(const ConditionRow& row, const Find& found,
                                         const ChartTable& chart, const HiddenStemTable& hidden);
    /// The three checks in order.
    [[nodiscard]] static bool rowSatisfied(const ConditionRow& row, const ChartTable& chart,
                                           const HiddenStemTable& hidden);
};

} // namespace bazi

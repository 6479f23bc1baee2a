#pragma once
// 条件1—五行 / 八字: how often an element stands among the eight characters,
// optionally at one character or among the stems or branches, and whether it
// is revealed on a stem or rooted in a hidden stem (five reveal options).
//
// Positions (eight-slot list): 1..8 the characters in chart order, 9 "天干" the
// four stems, 10 "地支" the four branches. The count is the number of the eight
// characters with the element; hidden stems do not enter it.

#include "conditions/condition_model.h"

#include <optional>

namespace bazi {

struct ElementChartGroup {
    using Find = CountFind<ElementTally>;
    static constexpr bool kHasReveal = true;

    /// "不指定" passes at no position or one character, never with "天干" or
    /// "地支"; a value must stand at the chosen character, or on some stem or
    /// branch for "天干" or "地支".
    [[nodiscard]] static bool positionTest(const ConditionRow& row, const ChartTable& chart,
                                           const HiddenStemTable& hidden);
    /// Candidates: the value; for "不指定" the five elements 金 水 木 火 土, or the
    /// element of the chosen character. The first whose count of the eight
    /// characters meets the count rule is found, with its stem, branch and
    /// hidden-stem counts.
    [[nodiscard]] static std::optional<Find>
    countTest(const ConditionRow& row, const ChartTable& chart, const HiddenStemTable& hidden);
    /// 无限制 always; 透干 on some stem; 虚浮 in no hidden stem; 通根 in some
    /// hidden stem; 不透 on no stem; no option checked: never.
    [[nodiscard]] static bool revealTest(const ConditionRow& row, const Find& found,
                                         const ChartTable& chart, const HiddenStemTable& hidden);

    /// The three checks in order.
    [[nodiscard]] static bool rowSatisfied(const ConditionRow& row, const ChartTable& chart,
                                           const HiddenStemTable& hidden);
};

} // namespace bazi

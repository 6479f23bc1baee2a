#pragma once
// 条件1—五行 / 八字: how often an element stands among the eight characters,
// optionally at one character or among the stems or branches, and whether it
// is revealed on a stem or rooted in a hidden stem (five reveal options).
//
// Positions: one of the eight characters, "天干" the four stems, "地支" the four
// branches. The count is the number of the eight characters with the element;
// hidden stems do not enter it.

#include "conditions/condition_model.h"

#include <optional>

namespace bazi {

struct ElementChartGroup {
    static constexpr bool kHasReveal = true;

    /// "不指定" passes with no position or one character, never with "天干" or
    /// "地支"; an element must stand at the chosen character, or on some stem or
    /// branch for "天干" or "地支".
    [[nodiscard]] static bool positionTest(const ConditionRow& row, const ChartFacts& facts);
    /// Candidates: the element; for "不指定" the five elements 金 水 木 火 土, or the
    /// element of the chosen character. The first whose count among the eight
    /// characters meets the count rule is found.
    [[nodiscard]] static std::optional<Element> countTest(const ConditionRow& row,
                                                          const ChartFacts& facts);
    /// 无限制 always; 透干 on some stem; 虚浮 in no hidden stem; 通根 in some
    /// hidden stem; 不透 on no stem; no option checked: never.
    [[nodiscard]] static bool revealTest(const ConditionRow& row, Element found,
                                         const ChartFacts& facts);
    [[nodiscard]] static int countOf(const ConditionRow& row, Element found,
                                     const ChartFacts& facts);
    [[nodiscard]] static PlaceSet placesOf(const ConditionRow& row, Element found,
                                           const ChartFacts& facts);
};

} // namespace bazi

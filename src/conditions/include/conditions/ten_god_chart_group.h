#pragma once
// 条件3—十神 / 八字: how often a ten-god stands among the seven characters
// other than the day stem, optionally at one of them or among the stems or
// branches, and whether it is revealed or rooted (five reveal options).
//
// Positions: one of the seven characters (the day stem is the reference and has
// no place of its own), "天干" the year, month and hour stems, "地支" the four
// branches. The count is over those seven characters; the box
// "亥子巳午阴阳置换" swaps the polarity of 亥子巳午 in every ten-god.

#include "conditions/condition_model.h"

#include <optional>

namespace bazi {

struct TenGodChartGroup {
    static constexpr bool kHasReveal = true;

    /// "不指定" passes with no position, one character or "天干", never with
    /// "地支"; a ten-god must stand at the chosen character, or on some counted
    /// stem or branch for "天干" or "地支".
    [[nodiscard]] static bool positionTest(const ConditionRow& row, const ChartFacts& facts);
    /// Candidates: the ten-god; for "不指定" the ten names in the form's order, the
    /// ten-god of the chosen character, or for "天干" those of the four stems in
    /// pillar order (the day stem's own 比肩 included). The count is over the year,
    /// month and hour stems and the four branches.
    [[nodiscard]] static std::optional<TenGod> countTest(const ConditionRow& row,
                                                         const ChartFacts& facts);
    /// The five options over the found ten-god's counts on the year, month and hour
    /// stems and in the twelve slots.
    [[nodiscard]] static bool revealTest(const ConditionRow& row, TenGod found,
                                         const ChartFacts& facts);
    /// The count the rule saw for the found item, and where it stands.
    [[nodiscard]] static int countOf(const ConditionRow& row, TenGod found,
                                     const ChartFacts& facts);
    [[nodiscard]] static PlaceSet placesOf(const ConditionRow& row, TenGod found,
                                           const ChartFacts& facts);
};

} // namespace bazi

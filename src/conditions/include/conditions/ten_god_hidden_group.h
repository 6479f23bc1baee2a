#pragma once
// 条件3—十神 / 藏干: how often a ten-god stands among the twelve hidden-stem
// slots, optionally hidden in one pillar's branch, and optionally ("不透") that
// no heavenly stem bears it.
//
// Positions: one of the four pillars (its branch's three slots).

#include "conditions/condition_model.h"

#include <optional>

namespace bazi {

struct TenGodHiddenGroup {
    static constexpr bool kHasReveal = true;

    /// "不指定" passes at any position; a ten-god must be hidden in the chosen branch.
    [[nodiscard]] static bool positionTest(const ConditionRow& row, const ChartFacts& facts);
    /// Candidates: the ten-god; for "不指定" the ten names, or the ten-god of the
    /// chosen pillar's stem. The count is its number among the twelve slots.
    [[nodiscard]] static std::optional<TenGod> countTest(const ConditionRow& row,
                                                         const ChartFacts& facts);
    /// With "不透" ticked, none of the four stems bears the found ten-god (the day
    /// stem's own 比肩 included).
    [[nodiscard]] static bool revealTest(const ConditionRow& row, TenGod found,
                                         const ChartFacts& facts);
    /// The count the rule saw for the found item, and where it stands.
    [[nodiscard]] static int countOf(const ConditionRow& row, TenGod found,
                                     const ChartFacts& facts);
    [[nodiscard]] static PlaceSet placesOf(const ConditionRow& row, TenGod found,
                                           const ChartFacts& facts);
};

} // namespace bazi

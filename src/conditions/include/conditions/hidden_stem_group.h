#pragma once
// 条件2—干支 / 藏干: how often a heavenly stem stands among the stems hidden in
// the four branches, optionally hidden in one pillar's branch, and optionally
// ("不透") that it stands on none of the four heavenly stems.
//
// Positions: one of the four pillars (its branch's three slots).

#include "conditions/condition_model.h"

#include <optional>

namespace bazi {

struct HiddenStemGroup {
    static constexpr bool kHasReveal = true;

    /// "不指定" passes at any position; a stem must be hidden in the chosen branch.
    [[nodiscard]] static bool positionTest(const ConditionRow& row, const ChartFacts& facts);
    /// Candidates: the stem; for "不指定" the ten stems, or the stems of the chosen
    /// branch's filled slots in slot order. The count is its number among the slots.
    [[nodiscard]] static std::optional<Stem> countTest(const ConditionRow& row,
                                                       const ChartFacts& facts);
    /// With "不透" ticked, the found stem stands on none of the four stems.
    [[nodiscard]] static bool revealTest(const ConditionRow& row, Stem found,
                                         const ChartFacts& facts);
    /// The count the rule saw for the found item, and where it stands.
    [[nodiscard]] static int countOf(const ConditionRow& row, Stem found, const ChartFacts& facts);
    [[nodiscard]] static PlaceSet placesOf(const ConditionRow& row, Stem found,
                                           const ChartFacts& facts);
};

} // namespace bazi

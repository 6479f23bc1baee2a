#pragma once
// 条件2—干支 / 天干: how often a heavenly stem stands on the four stems of the
// chart, optionally on one pillar's stem, and optionally ("藏干无") that no
// branch hides it.
//
// Positions: the year, month, day or hour stem.

#include "conditions/condition_model.h"

#include <optional>

namespace bazi {

struct StemGroup {
    static constexpr bool kHasReveal = true;

    /// "不指定" passes at any position; a stem must stand on the chosen pillar's stem.
    [[nodiscard]] static bool positionTest(const ConditionRow& row, const ChartFacts& facts);
    /// Candidates: the stem; for "不指定" the ten stems 甲 .. 癸, or the chosen
    /// pillar's stem. The count is its number among the four stems.
    [[nodiscard]] static std::optional<Stem> countTest(const ConditionRow& row,
                                                       const ChartFacts& facts);
    /// With "藏干无" ticked, no hidden-stem slot holds the found stem.
    [[nodiscard]] static bool revealTest(const ConditionRow& row, Stem found,
                                         const ChartFacts& facts);
    /// The count the rule saw for the found item, and where it stands.
    [[nodiscard]] static int countOf(const ConditionRow& row, Stem found, const ChartFacts& facts);
    [[nodiscard]] static PlaceSet placesOf(const ConditionRow& row, Stem found,
                                           const ChartFacts& facts);
};

} // namespace bazi

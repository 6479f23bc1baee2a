#pragma once
// 条件4—神煞 / 神煞: the twelve spirit-star rows, a condition group evaluated
// after the seven others. A set row names one star and is satisfied when its
// position test and its count test pass; there is no reveal test.
//  - Position (pillar list): "不固定" passes; "年柱" .. "时柱" pass when the star
//    stands at that pillar.
//  - Count (count list 0-6): the number of pillars the star stands at over the
//    whole chart, whatever the position; items above 4 simply never or always hold.
// The row's `female` flag (the page's "女命" box) gives 元辰 its reading for a woman.

#include "conditions/condition_model.h"

#include <optional>

namespace bazi {

struct SpiritStarGroup {
    static constexpr bool kHasReveal = false;

    /// Does the row's star stand at the row's position. False for a row that
    /// names no star.
    [[nodiscard]] static bool positionTest(const ConditionRow& row, const ChartFacts& facts);
    /// The row's star when the number of pillars it stands at meets the row's count.
    [[nodiscard]] static std::optional<SpiritStar> countTest(const ConditionRow& row,
                                                             const ChartFacts& facts);
    /// The number of pillars the star stands at, and those pillars (bit p for pillar p).
    [[nodiscard]] static int countOf(const ConditionRow& row, SpiritStar star,
                                     const ChartFacts& facts);
    [[nodiscard]] static PlaceSet placesOf(const ConditionRow& row, SpiritStar star,
                                           const ChartFacts& facts);
};

} // namespace bazi

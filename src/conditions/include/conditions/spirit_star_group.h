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
#include "chart/spirit_stars.h"

#include <array>

namespace bazi {

/// Count list 0-6 read as a rule on a count c: items 0..6 "0".."6" ask c = n;
/// 7..13 "非0".."非6" ask c ≠ index − 7; 14..19 ">=0"..">=5" ask c ≥ index − 14;
/// 20..25 "<=6".."<=1" ask c ≤ 26 − index. Any other index holds for no count.
[[nodiscard]] constexpr bool countRule0to6Holds(int countIndex, int count) {
    if (countIndex >= 0 && countIndex <= 6)
        return count == countIndex;
    if (countIndex >= 7 && countIndex <= 13)
        return count != countIndex - 7;
    if (countIndex >= 14 && countIndex <= 19)
        return count >= countIndex - 14;
    if (countIndex >= 20 && countIndex <= 25)
        return count <= 26 - countIndex;
    return false;
}

/// The cycle indexes of a chart table's four pillars (all 0 when a cell is not
/// filled with a stem or branch of the right kind).
[[nodiscard]] ChartIndices chartIndicesOf(const ChartTable& chart);

struct SpiritStarGroup {
    static constexpr bool kHasReveal = false;
    using Stars = std::array<StarPillars, kSpiritStarCount>;

    /// Does the row's star stand at the row's position. False for a row whose
    /// value names no star (0 "-", or outside 1..13) and for a position outside 0..4.
    [[nodiscard]] static bool positionTest(const ConditionRow& row, const Stars& stars);
    /// Does the number of pillars the row's star stands at meet the row's count
    /// item (by its index in count list 0-6). False for a row naming no star.
    [[nodiscard]] static bool countTest(const ConditionRow& row, const Stars& stars);
    /// PositionTest and CountTest in order, on the stars of `chart` read with the
    /// row's `female` flag. The hidden-stem table is not used.
    [[nodiscard]] static bool rowSatisfied(const ConditionRow& row, const ChartTable& chart,
                                           const HiddenStemTable& hidden);
};

} // namespace bazi

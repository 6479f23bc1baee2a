#pragma once
// 条件1—五行 / 藏干: how often an element stands among the twelve hidden-stem
// slots, optionally that it is hidden in one pillar's branch, and optionally
// ("不透") that no heavenly stem has it.
//
// Positions: one of the four pillars (its branch's three slots). The count is
// the number of slots with the element; the eight characters do not enter it.

#include "conditions/condition_model.h"

#include <optional>

namespace bazi {

struct ElementHiddenGroup {
    static constexpr bool kHasReveal = true;

    /// "不指定" passes at any position; an element must be hidden in the chosen branch.
    [[nodiscard]] static bool positionTest(const ConditionRow& row, const ChartFacts& facts);
    /// Candidates: the element; for "不指定" 金 水 木 火 土, or the elements of the
    /// chosen branch's filled slots in slot order.
    [[nodiscard]] static std::optional<Element> countTest(const ConditionRow& row,
                                                          const ChartFacts& facts);
    /// With "不透" ticked, no stem of the chart has the found element.
    [[nodiscard]] static bool revealTest(const ConditionRow& row, Element found,
                                         const ChartFacts& facts);
    /// The count the rule saw for the found item, and where it stands.
    [[nodiscard]] static int countOf(const ConditionRow& row, Element found,
                                     const ChartFacts& facts);
    [[nodiscard]] static PlaceSet placesOf(const ConditionRow& row, Element found,
                                           const ChartFacts& facts);
};

} // namespace bazi

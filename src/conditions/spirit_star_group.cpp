#include "conditions/spirit_star_group.h"

namespace bazi {

bool SpiritStarGroup::positionTest(const ConditionRow& row, const ChartFacts& facts) {
    using Kind = RowPosition::Kind;
    const auto* star = std::get_if<SpiritStar>(&row.sought);
    if (!star)
        return false;
    if (row.position.kind == Kind::anywhere)
        return true;
    return row.position.kind == Kind::pillar &&
           (static_cast<unsigned>(facts.starAt(*star, row.female)) >> row.position.pillar & 1U) !=
               0;
}

std::optional<SpiritStar> SpiritStarGroup::countTest(const ConditionRow& row,
                                                     const ChartFacts& facts) {
    const auto* star = std::get_if<SpiritStar>(&row.sought);
    if (!star || !row.countRule.holds(countOf(row, *star, facts)))
        return std::nullopt;
    return *star;
}

int SpiritStarGroup::countOf(const ConditionRow& row, SpiritStar star, const ChartFacts& facts) {
    return countIn(facts.starAt(star, row.female), 0xFU); // [0, 4]
}

PlaceSet SpiritStarGroup::placesOf(const ConditionRow& row, SpiritStar star,
                                   const ChartFacts& facts) {
    return facts.starAt(star, row.female);
}

} // namespace bazi

#include "conditions/element_hidden_group.h"

namespace bazi {

bool ElementHiddenGroup::positionTest(const ConditionRow& row, const ChartFacts& facts) {
    const auto* element = std::get_if<Element>(&row.sought);
    return pillarSlotsHold(row, element ? facts.placesOf(*element) : 0);
}

std::optional<Element> ElementHiddenGroup::countTest(const ConditionRow& row,
                                                     const ChartFacts& facts) {
    using Kind = RowPosition::Kind;
    Candidates<Element> candidates;
    if (const auto* element = std::get_if<Element>(&row.sought)) {
        candidates.add(*element);
    } else if (row.seeksAny() && row.position.kind == Kind::anywhere) {
        candidates.addAll(allItems<Element>());
    } else if (row.seeksAny() && row.position.kind == Kind::pillar) {
        for (int j = 0; j < 3; ++j)
            candidates.add(facts.elementAt(slotBit(3 * row.position.pillar + j)));
    }
    return firstCandidateMeeting(candidates, row.countRule,
                                 [&](Element e) { return countOf(row, e, facts); });
}

bool ElementHiddenGroup::revealTest(const ConditionRow& row, Element found,
                                    const ChartFacts& facts) {
    return !row.revealTicked || countIn(facts.placesOf(found), kFourStems) == 0;
}

int ElementHiddenGroup::countOf(const ConditionRow&, Element found, const ChartFacts& facts) {
    return countIn(facts.placesOf(found), kAllSlots);
}

PlaceSet ElementHiddenGroup::placesOf(const ConditionRow&, Element found, const ChartFacts& facts) {
    return facts.placesOf(found);
}

} // namespace bazi

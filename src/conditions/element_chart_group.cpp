#include "conditions/element_chart_group.h"

namespace bazi {

bool ElementChartGroup::positionTest(const ConditionRow& row, const ChartFacts& facts) {
    using Kind = RowPosition::Kind;
    const RowPosition& p = row.position;
    if (row.seeksAny())
        return p.kind == Kind::anywhere || p.kind == Kind::place;
    const auto* element = std::get_if<Element>(&row.sought);
    if (!element)
        return false;
    switch (p.kind) {
    case Kind::anywhere: return true;
    case Kind::place: return facts.elementAt(p.place) == *element;
    case Kind::fourStems: return countIn(facts.placesOf(*element), kFourStems) != 0;
    case Kind::fourBranches: return countIn(facts.placesOf(*element), kFourBranches) != 0;
    default: return false;
    }
}

std::optional<Element> ElementChartGroup::countTest(const ConditionRow& row,
                                                    const ChartFacts& facts) {
    using Kind = RowPosition::Kind;
    Candidates<Element> candidates;
    if (const auto* element = std::get_if<Element>(&row.sought))
        candidates.add(*element);
    else if (row.seeksAny() && row.position.kind == Kind::anywhere)
        candidates.addAll(allItems<Element>());
    else if (row.seeksAny() && row.position.kind == Kind::place)
        candidates.add(facts.elementAt(row.position.place));
    return firstCandidateMeeting(candidates, row.countRule,
                                 [&](Element e) { return countOf(row, e, facts); });
}

bool ElementChartGroup::revealTest(const ConditionRow& row, Element found,
                                   const ChartFacts& facts) {
    const PlaceSet places = facts.placesOf(found);
    return revealOptionHolds(row.revealOption, countIn(places, kFourStems),
                             countIn(places, kAllSlots));
}

int ElementChartGroup::countOf(const ConditionRow&, Element found, const ChartFacts& facts) {
    return countIn(facts.placesOf(found), kAllCharacters);
}

PlaceSet ElementChartGroup::placesOf(const ConditionRow&, Element found, const ChartFacts& facts) {
    return facts.placesOf(found);
}

} // namespace bazi

#include "conditions/stem_group.h"

namespace bazi {

bool StemGroup::positionTest(const ConditionRow& row, const ChartFacts& facts) {
    using Kind = RowPosition::Kind;
    if (row.seeksAny())
        return true;
    const auto* stem = std::get_if<Stem>(&row.sought);
    if (!stem)
        return false;
    if (row.position.kind == Kind::anywhere)
        return true;
    return row.position.kind == Kind::place &&
           (facts.placesOf(*stem) & placeBit(row.position.place) & kFourStems) != 0;
}

std::optional<Stem> StemGroup::countTest(const ConditionRow& row, const ChartFacts& facts) {
    using Kind = RowPosition::Kind;
    Candidates<Stem> candidates;
    if (const auto* stem = std::get_if<Stem>(&row.sought))
        candidates.add(*stem);
    else if (row.seeksAny() && row.position.kind == Kind::anywhere)
        candidates.addAll(allItems<Stem>());
    else if (row.seeksAny() && row.position.kind == Kind::place)
        candidates.add(facts.stemAt(row.position.place));
    return firstCandidateMeeting(candidates, row.countRule,
                                 [&](Stem s) { return countOf(row, s, facts); });
}

bool StemGroup::revealTest(const ConditionRow& row, Stem found, const ChartFacts& facts) {
    return !row.revealTicked || countIn(facts.placesOf(found), kAllSlots) == 0;
}

int StemGroup::countOf(const ConditionRow&, Stem found, const ChartFacts& facts) {
    return countIn(facts.placesOf(found), kFourStems);
}

PlaceSet StemGroup::placesOf(const ConditionRow&, Stem found, const ChartFacts& facts) {
    return facts.placesOf(found);
}

} // namespace bazi

#include "conditions/hidden_stem_group.h"

namespace bazi {

bool HiddenStemGroup::positionTest(const ConditionRow& row, const ChartFacts& facts) {
    const auto* stem = std::get_if<Stem>(&row.sought);
    return pillarSlotsHold(row, stem ? facts.placesOf(*stem) : 0);
}

std::optional<Stem> HiddenStemGroup::countTest(const ConditionRow& row, const ChartFacts& facts) {
    using Kind = RowPosition::Kind;
    Candidates<Stem> candidates;
    if (const auto* stem = std::get_if<Stem>(&row.sought)) {
        candidates.add(*stem);
    } else if (row.seeksAny() && row.position.kind == Kind::anywhere) {
        candidates.addAll(allItems<Stem>());
    } else if (row.seeksAny() && row.position.kind == Kind::pillar) {
        for (int j = 0; j < 3; ++j)
            candidates.add(
                facts.hiddenStems[static_cast<std::size_t>(3 * row.position.pillar + j)]);
    }
    return firstCandidateMeeting(candidates, row.countRule,
                                 [&](Stem s) { return countOf(row, s, facts); });
}

bool HiddenStemGroup::revealTest(const ConditionRow& row, Stem found, const ChartFacts& facts) {
    return !row.revealTicked || countIn(facts.placesOf(found), kFourStems) == 0;
}

int HiddenStemGroup::countOf(const ConditionRow&, Stem found, const ChartFacts& facts) {
    return countIn(facts.placesOf(found), kAllSlots);
}

PlaceSet HiddenStemGroup::placesOf(const ConditionRow&, Stem found, const ChartFacts& facts) {
    return facts.placesOf(found);
}

} // namespace bazi

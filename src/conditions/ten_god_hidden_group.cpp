#include "conditions/ten_god_hidden_group.h"

namespace bazi {

bool TenGodHiddenGroup::positionTest(const ConditionRow& row, const ChartFacts& facts) {
    const auto* tenGod = std::get_if<TenGod>(&row.sought);
    return pillarSlotsHold(row, tenGod ? facts.placesOf(*tenGod, row.swapTicked) : 0);
}

std::optional<TenGod> TenGodHiddenGroup::countTest(const ConditionRow& row,
                                                   const ChartFacts& facts) {
    using Kind = RowPosition::Kind;
    Candidates<TenGod> candidates;
    if (const auto* tenGod = std::get_if<TenGod>(&row.sought))
        candidates.add(*tenGod);
    else if (row.seeksAny() && row.position.kind == Kind::anywhere)
        candidates.addAll(allItems<TenGod>());
    else if (row.seeksAny() && row.position.kind == Kind::pillar)
        candidates.add(facts.tenGodAt(stemPlace(row.position.pillar), row.swapTicked));
    return firstCandidateMeeting(candidates, row.countRule,
                                 [&](TenGod t) { return countOf(row, t, facts); });
}

bool TenGodHiddenGroup::revealTest(const ConditionRow& row, TenGod found, const ChartFacts& facts) {
    return !row.revealTicked || countIn(facts.placesOf(found, row.swapTicked), kFourStems) == 0;
}

int TenGodHiddenGroup::countOf(const ConditionRow& row, TenGod found, const ChartFacts& facts) {
    return countIn(facts.placesOf(found, row.swapTicked), kAllSlots);
}

PlaceSet TenGodHiddenGroup::placesOf(const ConditionRow& row, TenGod found,
                                     const ChartFacts& facts) {
    return facts.placesOf(found, row.swapTicked);
}

} // namespace bazi

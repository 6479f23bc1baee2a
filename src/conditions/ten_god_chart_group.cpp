#include "conditions/ten_god_chart_group.h"

namespace bazi {

bool TenGodChartGroup::positionTest(const ConditionRow& row, const ChartFacts& facts) {
    using Kind = RowPosition::Kind;
    const RowPosition& p = row.position;
    if (row.seeksAny())
        return p.kind == Kind::anywhere || p.kind == Kind::place || p.kind == Kind::fourStems;
    const auto* tenGod = std::get_if<TenGod>(&row.sought);
    if (!tenGod)
        return false;
    const PlaceSet places = facts.placesOf(*tenGod, row.swapTicked);
    switch (p.kind) {
    case Kind::anywhere: return true;
    case Kind::place: return (places & placeBit(p.place)) != 0;
    case Kind::fourStems: return countIn(places, kOuterStems) != 0;
    case Kind::fourBranches: return countIn(places, kFourBranches) != 0;
    default: return false;
    }
}

std::optional<TenGod> TenGodChartGroup::countTest(const ConditionRow& row,
                                                  const ChartFacts& facts) {
    using Kind = RowPosition::Kind;
    Candidates<TenGod> candidates;
    if (const auto* tenGod = std::get_if<TenGod>(&row.sought)) {
        candidates.add(*tenGod);
    } else if (row.seeksAny()) {
        switch (row.position.kind) {
        case Kind::anywhere: candidates.addAll(allItems<TenGod>()); break;
        case Kind::place: candidates.add(facts.tenGodAt(row.position.place, row.swapTicked)); break;
        case Kind::fourStems:
            for (int pillar = 0; pillar < 4; ++pillar)
                candidates.add(facts.tenGodAt(stemPlace(pillar), row.swapTicked));
            break;
        case Kind::fourBranches:
            for (int pillar = 0; pillar < 4; ++pillar)
                candidates.add(facts.tenGodAt(branchPlace(pillar), row.swapTicked));
            break;
        default: break;
        }
    }
    return firstCandidateMeeting(candidates, row.countRule,
                                 [&](TenGod t) { return countOf(row, t, facts); });
}

bool TenGodChartGroup::revealTest(const ConditionRow& row, TenGod found, const ChartFacts& facts) {
    const PlaceSet places = facts.placesOf(found, row.swapTicked);
    return revealOptionHolds(row.revealOption, countIn(places, kOuterStems),
                             countIn(places, kAllSlots));
}

int TenGodChartGroup::countOf(const ConditionRow& row, TenGod found, const ChartFacts& facts) {
    return countIn(facts.placesOf(found, row.swapTicked), kOuterStems | kFourBranches);
}

PlaceSet TenGodChartGroup::placesOf(const ConditionRow& row, TenGod found,
                                    const ChartFacts& facts) {
    return facts.placesOf(found, row.swapTicked);
}

} // namespace bazi

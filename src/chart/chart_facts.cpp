#include "chart/chart_facts.h"

namespace bazi {
ChartFacts chartFactsOf(const PillarIndices& pillars, const LibraryFacts& library) {
    const std::array<int, 4> cycle = {pillars.year, pillars.month, pillars.day, pillars.hour};
    std::array<Stem, 4> stems{};
    std::array<Branch, 4> branches{};
    for (std::size_t p = 0; p < 4; ++p) {
        stems[p] = Pillar(cycle[p]).stem();
        branches[p] = Pillar(cycle[p]).branch();
    }
    return chartFactsOf(stems, branches, library);
}

namespace {

// Adds the places of pillar p (its two characters and its branch's hidden stems)
// to the place sets of their elements, ten-gods, stems and branches. The day
// stem (f.stems[2]) must already be set: the ten-gods are seen from it. A
// missing item (index −1) lands in entry 0 of its list.
void addPillarPlaces(ChartFacts& f, int p, const LibraryFacts& library) {
    PlaceSets& sets = f.places;
    static constexpr std::array<TenGod, 22> kNoTenGods{};
    const Stem day = f.stems[2];
    const auto& plain =
        day.ok() ? library.tenGod[0][static_cast<std::size_t>(day.index)] : kNoTenGods;
    const auto& swapped =
        day.ok() ? library.tenGod[1][static_cast<std::size_t>(day.index)] : kNoTenGods;
    const auto add = [&](int character, PlaceSet bit) {
        if (character < 0) {
            sets.element[0] |= bit;
            sets.tenGod[0][0] |= bit;
            sets.tenGod[1][0] |= bit;
            return;
        }
        const auto c = static_cast<std::size_t>(character);
        sets.element[static_cast<std::size_t>(library.element[c].index + 1)] |= bit;
        sets.tenGod[0][static_cast<std::size_t>(plain[c].index + 1)] |= bit;
        sets.tenGod[1][static_cast<std::size_t>(swapped[c].index + 1)] |= bit;
    };
    const auto up = static_cast<std::size_t>(p);
    const Stem stem = f.stems[up];
    const Branch branch = f.branches[up];
    const PlaceSet stemBit = placeBit(stemPlace(p));
    const PlaceSet branchBit = placeBit(branchPlace(p));
    sets.stem[static_cast<std::size_t>(stem.index + 1)] |= stemBit;
    sets.branch[static_cast<std::size_t>(branch.index + 1)] |= branchBit;
    add(characterIndex(stem), stemBit);
    add(characterIndex(branch), branchBit);
    if (!branch.ok())
        return;
    const auto& hidden = library.hiddenStems[static_cast<std::size_t>(branch.index)];
    for (int j = 0; j < 3; ++j) {
        const Stem h = hidden[static_cast<std::size_t>(j)];
        if (!h.ok())
            break; // the slots fill from the first
        const int slot = 3 * p + j;
        f.hiddenStems[static_cast<std::size_t>(slot)] = h;
        sets.stem[static_cast<std::size_t>(h.index + 1)] |= slotBit(slot);
        add(characterIndex(h), slotBit(slot));
    }
}

void addStars(ChartFacts& f) {
    f.starPillars = starPillarBitsOfBothSexes(
        ChartIndices{f.pillars.year, f.pillars.month, f.pillars.day, f.pillars.hour});
}

} // namespace

ChartFacts chartFactsOf(const std::array<Stem, 4>& stems, const std::array<Branch, 4>& branches,
                        const LibraryFacts& library) {
    ChartFacts f;
    f.stems = stems;
    f.branches = branches;
    f.pillars =
        PillarIndices{pillarOf(stems[0], branches[0]).cycle, pillarOf(stems[1], branches[1]).cycle,
                      pillarOf(stems[2], branches[2]).cycle, pillarOf(stems[3], branches[3]).cycle};
    for (int p = 0; p < 4; ++p)
        addPillarPlaces(f, p, library);
    addStars(f);
    return f;
}

ChartFacts chartFactsBeforeHour(const PillarIndices& pillars, const LibraryFacts& library) {
    ChartFacts f;
    const std::array<int, 3> cycle = {pillars.year, pillars.month, pillars.day};
    for (std::size_t p = 0; p < 3; ++p) {
        f.stems[p] = Pillar(cycle[p]).stem();
        f.branches[p] = Pillar(cycle[p]).branch();
    }
    f.pillars = PillarIndices{Pillar(pillars.year).cycle, Pillar(pillars.month).cycle,
                              Pillar(pillars.day).cycle, 0};
    for (int p = 0; p < 3; ++p)
        addPillarPlaces(f, p, library);
    return f;
}

HourPillarPlaces::HourPillarPlaces(const LibraryFacts& library) {
    for (int day = 0; day < 10; ++day) {
        for (int branch = 0; branch < 12; ++branch) {
            ChartFacts f;
            f.stems[2] = Stem(day);
            const Pillar hour(
                hourPillarOf(pillarOf(Stem(day), Branch(day % 2 == 0 ? 0 : 1)).cycle, branch + 1));
            f.stems[3] = hour.stem();
            f.branches[3] = hour.branch();
            addPillarPlaces(f, 3, library);
            m_entries[static_cast<std::size_t>(day)][static_cast<std::size_t>(branch)] = {hour,
                                                                                          f.places};
        }
    }
}

void placeHourPillar(ChartFacts& f, const ChartFacts& base, int hourPillar,
                     const LibraryFacts& library, const HourPillarPlaces& hours, bool withStars) {
    const Pillar hour(hourPillar);
    f.stems[3] = hour.stem();
    f.branches[3] = hour.branch();
    f.pillars.hour = hour.cycle;
    f.places = base.places;
    const PlaceSets* places = hour.ok() && f.stems[2].ok() ? hours.of(f.stems[2], hour) : nullptr;
    if (places) {
        f.places |= *places;
        const auto& hidden = library.hiddenStems[static_cast<std::size_t>(hour.branch().index)];
        for (std::size_t j = 0; j < 3; ++j)
            f.hiddenStems[9 + j] = hidden[j];
    } else {
        for (std::size_t j = 9; j < 12; ++j)
            f.hiddenStems[j] = Stem{};
        addPillarPlaces(f, 3, library);
    }
    if (withStars)
        addStars(f);
}

ChartFacts withHourPillar(const ChartFacts& base, int hourPillar, const LibraryFacts& library,
                          const HourPillarPlaces& hours, bool withStars) {
    ChartFacts f = base;
    placeHourPillar(f, base, hourPillar, library, hours, withStars);
    return f;
}

} // namespace bazi

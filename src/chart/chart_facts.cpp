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

ChartFacts chartFactsOf(const std::array<Stem, 4>& stems, const std::array<Branch, 4>& branches,
                        const LibraryFacts& library) {
    ChartFacts f;
    f.stems = stems;
    f.branches = branches;
    f.pillars =
        PillarIndices{pillarOf(stems[0], branches[0]).cycle, pillarOf(stems[1], branches[1]).cycle,
                      pillarOf(stems[2], branches[2]).cycle, pillarOf(stems[3], branches[3]).cycle};

    // Each place adds its bit to the set of its element, its ten-gods and its
    // stem or branch; a missing item (index −1) lands in entry 0.
    const Stem day = stems[2];
    static constexpr std::array<TenGod, 22> kNoTenGods{};
    const auto& plain =
        day.ok() ? library.tenGod[0][static_cast<std::size_t>(day.index)] : kNoTenGods;
    const auto& swapped =
        day.ok() ? library.tenGod[1][static_cast<std::size_t>(day.index)] : kNoTenGods;
    const auto add = [&](int character, PlaceSet bit) {
        if (character < 0) {
            f.elementPlaces[0] |= bit;
            f.tenGodPlaces[0][0] |= bit;
            f.tenGodPlaces[1][0] |= bit;
            return;
        }
        const auto c = static_cast<std::size_t>(character);
        f.elementPlaces[static_cast<std::size_t>(library.element[c].index + 1)] |= bit;
        f.tenGodPlaces[0][static_cast<std::size_t>(plain[c].index + 1)] |= bit;
        f.tenGodPlaces[1][static_cast<std::size_t>(swapped[c].index + 1)] |= bit;
    };
    for (int p = 0; p < 4; ++p) {
        const auto up = static_cast<std::size_t>(p);
        const Stem stem = stems[up];
        const Branch branch = branches[up];
        const PlaceSet stemBit = placeBit(stemPlace(p));
        const PlaceSet branchBit = placeBit(branchPlace(p));
        f.stemPlaces[static_cast<std::size_t>(stem.index + 1)] |= stemBit;
        f.branchPlaces[static_cast<std::size_t>(branch.index + 1)] |= branchBit;
        add(characterIndex(stem), stemBit);
        add(characterIndex(branch), branchBit);
        if (!branch.ok())
            continue;
        const auto& hidden = library.hiddenStems[static_cast<std::size_t>(branch.index)];
        for (int j = 0; j < 3; ++j) {
            const Stem h = hidden[static_cast<std::size_t>(j)];
            if (!h.ok())
                break; // the slots fill from the first
            const int slot = 3 * p + j;
            f.hiddenStems[static_cast<std::size_t>(slot)] = h;
            f.stemPlaces[static_cast<std::size_t>(h.index + 1)] |= slotBit(slot);
            add(characterIndex(h), slotBit(slot));
        }
    }

    f.starPillars = starPillarBitsOfBothSexes(
        ChartIndices{f.pillars.year, f.pillars.month, f.pillars.day, f.pillars.hour});
    return f;
}

} // namespace bazi

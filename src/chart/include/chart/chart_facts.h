#pragma once
// The facts of one chart that every condition reads, formed once from the four
// pillar indices: the eight characters and the twelve hidden-stem slots with
// their element and ten-god (for both states of the box "亥子巳午阴阳置换"),
// the stars standing at each pillar for a man and for a woman, and bit sets
// that answer "where does this item stand" in one step.
//
// Places: the eight characters in chart order (year stem, year branch, month
// stem, …, hour branch) are places 0..7; hidden-stem slot k (three per branch,
// year branch first, main qi first) is place 8 + k. A place set is a bit set
// over places 0..19.

#include "calendar/four_pillars.h"
#include "calendar/sexagenary.h"
#include "chart/element.h"
#include "chart/library_facts.h"
#include "chart/spirit_stars.h"
#include "chart/ten_god.h"

#include <array>
#include <cstdint>

namespace bazi {

/// The eight characters in chart order.
enum class ChartPlace : std::uint8_t {
    yearStem,
    yearBranch,
    monthStem,
    monthBranch,
    dayStem,
    dayBranch,
    hourStem,
    hourBranch
};

using PlaceSet = std::uint32_t;

// clang-format off
inline constexpr PlaceSet kAllCharacters = 0xFFU;
inline constexpr PlaceSet kFourStems     = 0x55U;      // year, month, day, hour stem
inline constexpr PlaceSet kOuterStems    = 0x45U;      // year, month, hour stem (not the day stem)
inline constexpr PlaceSet kFourBranches  = 0xAAU;
inline constexpr PlaceSet kAllSlots      = 0xFFF00U;   // the twelve hidden-stem slots
// clang-format on

[[nodiscard]] constexpr PlaceSet placeBit(ChartPlace place) {
    return PlaceSet{1} << static_cast<unsigned>(place);
}
/// The stem place of pillar p (0 year .. 3 hour).
[[nodiscard]] constexpr ChartPlace stemPlace(int pillar) {
    return static_cast<ChartPlace>(2 * pillar);
}
/// The branch place of pillar p.
[[nodiscard]] constexpr ChartPlace branchPlace(int pillar) {
    return static_cast<ChartPlace>(2 * pillar + 1);
}
/// The three hidden-stem slots of pillar p's branch.
[[nodiscard]] constexpr PlaceSet slotsOfPillar(int pillar) {
    return PlaceSet{7} << (8 + 3 * pillar);
}
/// Slot k (0..11) as a place bit.
[[nodiscard]] constexpr PlaceSet slotBit(int slot) {
    return PlaceSet{1} << (8 + slot);
}
/// How many places of `set` lie in `region`. Counted by halving the bits (a
/// portable build has no population-count instruction to rely on, and the
/// library call it would make instead is slower).
[[nodiscard]] constexpr int countIn(PlaceSet set, PlaceSet region) {
    PlaceSet x = set & region;
    x = x - ((x >> 1) & 0x55555555U);
    x = (x & 0x33333333U) + ((x >> 2) & 0x33333333U);
    x = (x + (x >> 4)) & 0x0F0F0F0FU;
    return static_cast<int>((x * 0x01010101U) >> 24);
}

/// Where each item stands. Entry 0 of each list collects the places whose item
/// is none, so that forming the sets never branches. The sets of several pillars
/// join by a place-wise union (their places never overlap).
struct PlaceSets {
    std::array<PlaceSet, 6> element{};                // [Element + 1]
    std::array<std::array<PlaceSet, 11>, 2> tenGod{}; // [swap ticked][TenGod + 1]
    std::array<PlaceSet, 11> stem{};                  // [Stem + 1]: stems and slots
    std::array<PlaceSet, 13> branch{};                // [Branch + 1]

    constexpr PlaceSets& operator|=(const PlaceSets& other) {
        for (std::size_t i = 0; i < element.size(); ++i)
            element[i] |= other.element[i];
        for (std::size_t s = 0; s < 2; ++s)
            for (std::size_t i = 0; i < tenGod[s].size(); ++i)
                tenGod[s][i] |= other.tenGod[s][i];
        for (std::size_t i = 0; i < stem.size(); ++i)
            stem[i] |= other.stem[i];
        for (std::size_t i = 0; i < branch.size(); ++i)
            branch[i] |= other.branch[i];
        return *this;
    }
    friend bool operator==(const PlaceSets&, const PlaceSets&) = default;
};

struct ChartFacts {
    PillarIndices pillars;       // 0 where a stem and branch make no pillar
    std::array<Stem, 4> stems{}; // year, month, day, hour
    std::array<Branch, 4> branches{};
    std::array<Stem, 12> hiddenStems{}; // no stem in an unfilled slot
    PlaceSets places;
    /// [female][star item − 1]: bit p set when the star stands at pillar p.
    std::array<std::array<std::uint8_t, kSpiritStarCount>, 2> starPillars{};

    [[nodiscard]] constexpr PlaceSet placesOf(Element e) const {
        return e.ok() ? places.element[static_cast<std::size_t>(e.index + 1)] : 0;
    }
    [[nodiscard]] constexpr PlaceSet placesOf(TenGod t, bool swapTicked) const {
        return t.ok() ? places.tenGod[swapTicked ? 1 : 0][static_cast<std::size_t>(t.index + 1)]
                      : 0;
    }
    [[nodiscard]] constexpr PlaceSet placesOf(Stem s) const {
        return s.ok() ? places.stem[static_cast<std::size_t>(s.index + 1)] : 0;
    }
    [[nodiscard]] constexpr PlaceSet placesOf(Branch b) const {
        return b.ok() ? places.branch[static_cast<std::size_t>(b.index + 1)] : 0;
    }
    /// The stem at a stem place (no stem at a branch place).
    [[nodiscard]] constexpr Stem stemAt(ChartPlace place) const {
        const auto i = static_cast<std::size_t>(place);
        return i % 2 == 0 ? stems[i / 2] : Stem{};
    }
    /// The branch at a branch place (no branch at a stem place).
    [[nodiscard]] constexpr Branch branchAt(ChartPlace place) const {
        const auto i = static_cast<std::size_t>(place);
        return i % 2 == 1 ? branches[i / 2] : Branch{};
    }
    /// The element at any place (a character or a slot given by its bit).
    [[nodiscard]] constexpr Element elementAt(PlaceSet placeBit) const {
        for (int e = 0; e < 5; ++e)
            if ((places.element[static_cast<std::size_t>(e + 1)] & placeBit) != 0)
                return Element(e);
        return {};
    }
    [[nodiscard]] constexpr Element elementAt(ChartPlace place) const {
        return elementAt(placeBit(place));
    }
    /// The ten-god at any place (a character or a slot given by its bit).
    [[nodiscard]] constexpr TenGod tenGodAt(PlaceSet placeBit, bool swapTicked) const {
        const auto& sets = places.tenGod[swapTicked ? 1 : 0];
        for (int t = 0; t < 10; ++t)
            if ((sets[static_cast<std::size_t>(t + 1)] & placeBit) != 0)
                return TenGod(t);
        return {};
    }
    [[nodiscard]] constexpr TenGod tenGodAt(ChartPlace place, bool swapTicked) const {
        return tenGodAt(placeBit(place), swapTicked);
    }
    /// The pillars (bit p) at which a star stands.
    [[nodiscard]] constexpr std::uint8_t starAt(SpiritStar star, bool female) const {
        return starPillars[female ? 1 : 0][static_cast<std::size_t>(static_cast<int>(star) - 1)];
    }

    friend bool operator==(const ChartFacts&, const ChartFacts&) = default;
};

/// The facts of the chart with these four pillars. A pillar index outside 1..60
/// leaves its places empty (no character, element or ten-god).
[[nodiscard]] ChartFacts chartFactsOf(const PillarIndices& pillars, const LibraryFacts& library);

/// For walking many charts that share their year, month and day pillars: the
/// places of every hour pillar a day can have, for each day stem, formed once.
class HourPillarPlaces {
public:
    explicit HourPillarPlaces(const LibraryFacts& library);
    /// The places of an hour pillar on a day with this stem; null unless the hour
    /// pillar is the one the five rats give that day (late 子 conventions can
    /// pair a day with another hour pillar).
    [[nodiscard]] const PlaceSets* of(Stem day, Pillar hour) const {
        const Entry& e = m_entries[static_cast<std::size_t>(day.index)]
                                  [static_cast<std::size_t>(hour.branch().index)];
        return e.hour == hour ? &e.places : nullptr;
    }

private:
    struct Entry {
        Pillar hour;
        PlaceSets places;
    };
    std::array<std::array<Entry, 12>, 10> m_entries{};
};

/// The facts of a chart's year, month and day pillars alone (no hour pillar, no stars)...
[[nodiscard]] ChartFacts chartFactsBeforeHour(const PillarIndices& pillars,
                                              const LibraryFacts& library);
/// ... completed with an hour pillar, and with the stars when `withStars` (a
/// chart formed without them has no star anywhere). With the stars, the result
/// equals chartFactsOf of the four pillars. Precondition: `base` has a day pillar.
[[nodiscard]] ChartFacts withHourPillar(const ChartFacts& base, int hourPillar,
                                        const LibraryFacts& library, const HourPillarPlaces& hours,
                                        bool withStars);

/// withHourPillar in place, for a walk: `facts` already holds `base` but for its
/// hour pillar (and stars), and is given `hourPillar` without copying the rest.
void placeHourPillar(ChartFacts& facts, const ChartFacts& base, int hourPillar,
                     const LibraryFacts& library, const HourPillarPlaces& hours, bool withStars);

/// The facts of eight characters given one by one, year first (a stem and a
/// branch need not make a pillar of the cycle; the spirit stars then see no
/// pillar there). A missing character leaves its places empty.
[[nodiscard]] ChartFacts chartFactsOf(const std::array<Stem, 4>& stems,
                                      const std::array<Branch, 4>& branches,
                                      const LibraryFacts& library);

} // namespace bazi

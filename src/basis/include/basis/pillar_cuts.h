#pragma once
// Where the pillars change under a time basis: the day and hour cuts of the
// reading (which move a little from day to day under true solar time), the
// 节 instants of the solar-term table, and the cuts near one moment.

#include "basis/instant.h"
#include "basis/time_basis.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace bazi {

enum class CutKind {
    jie,        // a 节 (odd-numbered solar term): the month pillar, at 立春 the year
    dayChange,  // the day pillar (and under "next-day" the hour pillar)
    hourChange, // the hour pillar alone
};

struct PillarCut {
    Instant at; // the first second of the new pillar
    CutKind kind = CutKind::hourChange;
    friend bool operator==(const PillarCut&, const PillarCut&) = default;
};

/// The first whole second s after `after` (s > after) at which the day or hour
/// pillar of the reading differs from that of s − 1: an odd hour of the reading
/// (23:00 under "next-day" being a day change), midnight under "same-day", or a
/// jump of the zone's standard offset. Kind dayChange when the day pillar
/// changes there, else hourChange. Exact to the second: chartAt(s − 1) and
/// chartAt(s) differ in the day or hour pillar, and no second in between does.
[[nodiscard]] PillarCut nextDayHourCut(Instant after, const TimeBasis& basis);

/// The instant of the first 节 after `after` (strictly later), from the
/// solar-term table (UTC+8 moments, the same instant under every basis);
/// nullopt past the table's last year.
[[nodiscard]] std::optional<Instant> nextJieAfter(Instant after);

/// A cut within reach of a moment, and the chart on its other side.
struct NearCut {
    PillarCut cut;
    bool before = false;       // the cut is at or before the moment (its other side is earlier)
    std::int64_t distance = 0; // seconds between the moment and the cut, ≥ 0
    BasisChart otherSide;      // the chart at cut − 1 s when before, else at the cut
};

/// How far from a single moment its boundary warning looks by default, in
/// minutes (`bazi-seek chart --near`, the window's chart of a moment).
inline constexpr int kDefaultNearMinutes = 10;

/// Every cut (节, day, hour) whose instant lies within `windowSeconds` of `t`
/// (t − window ≤ cut ≤ t + window), oldest first; a 节 on the same second as a
/// day or hour cut is listed once, as the 节. A cut whose other side lies
/// outside the calendar's range is left out.
[[nodiscard]] std::vector<NearCut> cutsNear(Instant t, const TimeBasis& basis,
                                            std::int64_t windowSeconds);

} // namespace bazi

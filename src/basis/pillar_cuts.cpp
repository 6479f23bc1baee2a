#include "basis/pillar_cuts.h"

#include "basis/equation_of_time.h"
#include "calendar/sexagenary.h"
#include "calendar/solar_terms.h"

#include <algorithm>

namespace bazi {

namespace {

constexpr std::int64_t kHour = 3600;

constexpr std::int64_t ceilDiv(std::int64_t a, std::int64_t b) {
    return -floorDiv(-a, b);
}

// The first reading second after `second` at which the pillars may change:
// an odd hour, or midnight under "same-day".
std::int64_t nextBoundary(std::int64_t second, LateZi lateZi) {
    const std::int64_t hours = floorDiv(second, kHour); // whole hours since 1970 local
    std::int64_t next = hours + 1;                      // the next whole hour
    const auto isBoundary = [&](std::int64_t h) {
        const std::int64_t ofDay = floorMod(h, std::int64_t{24});
        return ofDay % 2 == 1 || (lateZi == LateZi::sameDay && ofDay == 0);
    };
    while (!isBoundary(next))
        ++next;
    return next * kHour;
}

// The stretch over which the reading follows one formula, holding `t`.
struct Segment {
    Instant begin, end;        // end exclusive
    std::int64_t offsetMs = 0; // reading = t·1000 + offsetMs (+ E(t) for true solar time)
    bool apparent = false;

    [[nodiscard]] std::int64_t readingMs(Instant t) const {
        return t.seconds * 1000 + offsetMs + (apparent ? equationOfTimeMs(t) : 0);
    }
};

Segment segmentAt(Instant t, const TimeBasis& basis) {
    switch (basis.solarTime) {
    case SolarTime::off: {
        const ZoneStretch s = basis.zone.stretchAt(t);
        return Segment{s.begin, s.end, std::int64_t{s.standardOffset()} * 1000, false};
    }
    case SolarTime::mean:
    case SolarTime::apparent:
        return Segment{Instant{kFarPastSeconds}, Instant{kFarFutureSeconds},
                       longitudeOffsetMs(basis.longitude), basis.solarTime == SolarTime::apparent};
    }
    return {};
}

// The first second s ≥ from whose reading reaches `targetMs`, the reading being
// increasing (the equation of time changes by under 0.4 ms a second).
Instant firstReachingWithin(const Segment& seg, Instant from, std::int64_t targetMs) {
    std::int64_t s = ceilDiv(targetMs - seg.offsetMs, 1000);
    if (seg.apparent) {
        for (int k = 0; k < 3; ++k)
            s = ceilDiv(targetMs - seg.offsetMs - equationOfTimeMs(Instant{s}), 1000);
        while (seg.readingMs(Instant{s}) < targetMs)
            ++s;
        while (seg.readingMs(Instant{s - 1}) >= targetMs)
            --s;
    }
    return Instant{std::max(s, from.seconds)};
}

// The kind of a cut at a reading boundary (a whole local second on the hour).
CutKind kindOfBoundary(std::int64_t boundarySecond, LateZi lateZi) {
    const std::int64_t ofDay = floorMod(boundarySecond, kSecondsPerDay);
    const std::int64_t dayChangeAt = lateZi == LateZi::nextDay ? 23 * kHour : 0;
    return ofDay == dayChangeAt ? CutKind::dayChange : CutKind::hourChange;
}

// The cut at a jump of the reading, found by comparing the pillars on its sides.
PillarCut cutAtJump(Instant s, const TimeBasis& basis) {
    const bool dayChanges = dayHourPillarsAt(s - 1, basis).day != dayHourPillarsAt(s, basis).day;
    return PillarCut{s, dayChanges ? CutKind::dayChange : CutKind::hourChange};
}

} // namespace

PillarCut nextDayHourCut(Instant after, const TimeBasis& basis) {
    Instant from = after + 1;
    for (;;) {
        const Segment seg = segmentAt(from, basis);
        const std::int64_t second = floorDiv(seg.readingMs(from), 1000);
        if (from == seg.begin) {
            // The reading may jump here (a change of standard offset).
            if (dayHourPillarsAt(from - 1, basis) != dayHourPillarsAt(from, basis))
                return cutAtJump(from, basis);
        } else {
            // A boundary falling exactly on `from`.
            const std::int64_t before = floorDiv(seg.readingMs(from - 1), 1000);
            const std::int64_t boundary = nextBoundary(before, basis.lateZi);
            if (boundary <= second)
                return PillarCut{from, kindOfBoundary(boundary, basis.lateZi)};
        }
        const std::int64_t boundary = nextBoundary(second, basis.lateZi);
        const Instant s = firstReachingWithin(seg, from, boundary * 1000);
        if (s < seg.end)
            return PillarCut{s, kindOfBoundary(boundary, basis.lateZi)};
        from = seg.end;
    }
}

std::optional<Instant> nextJieAfter(Instant after) {
    const int year = calendarTimeFromInstant(after).date.year;
    for (int y = year; y <= year + 1; ++y)
        for (int n = 1; n <= 23; n += 2) {
            const CivilDateTime m = termMoment(y, n);
            if (!m.ok())
                return std::nullopt; // past the table
            const Instant t = instantFromCalendarTime(m);
            if (t > after)
                return t;
        }
    return std::nullopt;
}

std::vector<NearCut> cutsNear(Instant t, const TimeBasis& basis, std::int64_t windowSeconds) {
    const Instant first = t - windowSeconds, last = t + windowSeconds;
    std::vector<PillarCut> cuts;
    for (std::optional<Instant> j = nextJieAfter(first - 1); j && *j <= last; j = nextJieAfter(*j))
        cuts.push_back(PillarCut{*j, CutKind::jie});
    for (PillarCut c = nextDayHourCut(first - 1, basis); c.at <= last;
         c = nextDayHourCut(c.at, basis)) {
        const bool onJie = std::any_of(cuts.begin(), cuts.end(), [&](const PillarCut& j) {
            return j.kind == CutKind::jie && j.at == c.at;
        });
        if (!onJie)
            cuts.push_back(c);
    }
    std::sort(cuts.begin(), cuts.end(),
              [](const PillarCut& a, const PillarCut& b) { return a.at < b.at; });
    std::vector<NearCut> near;
    for (const PillarCut& c : cuts) {
        const bool before = c.at <= t;
        BasisChart otherSide = chartAt(before ? c.at - 1 : c.at, basis);
        if (otherSide.pillars.year == 0)
            continue; // beyond the calendar's range: no chart on that side
        near.push_back(NearCut{c, before, before ? t - c.at : c.at - t, std::move(otherSide)});
    }
    return near;
}

} // namespace bazi

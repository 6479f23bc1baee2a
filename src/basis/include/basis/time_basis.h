#pragma once
// The time basis of a chart: which clock a birth time was read from, whether
// the day and hour pillars follow that clock or the sun at the birth place,
// and where the day changes in the late 子 hour. The default basis is the
// calendar's own: the fixed UTC+8 clock, no solar time, the day pillar
// changing at 23:00; under it every chart equals `pillarIndices` of the moment.

#include "basis/clock_zone.h"
#include "basis/instant.h"
#include "calendar/day_hour_pillars.h"
#include "calendar/four_pillars.h"
#include "calendar/gregorian.h"
#include "calendar/moment_chart.h"

#include <cstdint>
#include <string>

namespace bazi {

/// What the day and hour pillars are read on.
enum class SolarTime {
    off,      // the clock's standard time: the clock less any summer time
    mean,     // local mean solar time: UTC + longitude × 4 min/°
    apparent, // true solar time (真太阳时): mean solar time + the equation of time
};

/// The late 子 hour, 23:00-24:00 of the reading.
enum class LateZi {
    nextDay, // the day pillar changes at 23:00 (子时换日)
    sameDay, // the day pillar changes at 00:00; 23:00-24:00 keeps the day's
             // pillar and takes the following day's 子 hour pillar
};

/// Which reading of a clock time shown twice (summer time ending) is meant.
enum class Fold { refuse, earlier, later };

struct TimeBasis {
    ClockZone zone; // the fixed UTC+8 clock unless a zone is chosen
    SolarTime solarTime = SolarTime::off;
    double longitude = 120.0; // degrees, east positive, −180..180; read with solar time on
    std::string placeName;    // the place the longitude came from, for descriptions; may be empty
    LateZi lateZi = LateZi::nextDay;
    Fold fold = Fold::refuse;

    /// True for the calendar's own basis (the fold plays no part in it).
    [[nodiscard]] bool isDefault() const {
        return zone.isFixed() && solarTime == SolarTime::off && lateZi == LateZi::nextDay;
    }
};

[[nodiscard]] constexpr bool isValidLongitude(double degrees) {
    return degrees >= -180.0 && degrees <= 180.0; // false for NaN
}

/// Local mean solar time less UTC at a longitude: 4 min a degree, in
/// milliseconds (rounded), so 87.6° gives 5 h 50 min 24 s.
[[nodiscard]] std::int64_t longitudeOffsetMs(double degrees);

// ---- clock time and the timeline ----

struct ClockResolution {
    enum class Status {
        ok,        // `instant` is the moment meant
        gap,       // the clock never showed that time: lookup.first and lookup.second
                   // are the offsets before and after the jump at lookup.second.begin
        ambiguous, // it showed it twice and no fold was chosen: lookup.first is the
                   // earlier reading, lookup.second the later
    };
    Status status = Status::ok;
    Instant instant;
    LocalLookup lookup; // what the zone said of the clock time
};

/// The instant a clock of the basis's zone showed `clock` (a date-time that
/// exists: `clock.ok()`); a time shown twice is read by the basis's fold.
[[nodiscard]] ClockResolution instantFromClock(CivilDateTime clock, const TimeBasis& basis);

/// The first instant at which the clock showed `clock` or, when it skipped it,
/// the first instant after the skipped stretch: the bound of a range given in
/// clock time (a day's 00:00 that a change skipped starts the day at the jump;
/// a time shown twice is taken at its earlier reading, whatever the fold).
[[nodiscard]] Instant instantAtOrAfterClock(CivilDateTime clock, const TimeBasis& basis);

struct ClockTime {
    CivilDateTime time;
    int utcOffset = kCalendarUtcOffset; // seconds, summer time included
    int summerTime = 0;                 // seconds of summer time in utcOffset
};

/// What the basis's clock showed at `t`.
[[nodiscard]] ClockTime clockFromInstant(Instant t, const TimeBasis& basis);

/// The local time the day and hour pillars follow at `t`, in milliseconds since
/// 1970-01-01 00:00 of that local time: the zone's standard time, or mean or
/// true solar time at the basis's longitude.
[[nodiscard]] std::int64_t readingMsAt(Instant t, const TimeBasis& basis);
/// The same, to the whole second (rounded down).
[[nodiscard]] CivilDateTime readingAt(Instant t, const TimeBasis& basis);

// ---- the chart of an instant ----

/// The day and hour pillars at `t`: those of the reading under the basis's
/// late-子 rule, with no range limit (the cycle runs through every date).
[[nodiscard]] DayHourPillars dayHourPillarsAt(Instant t, const TimeBasis& basis);

/// Is the calendar's clock (UTC+8) at `t` inside the calendar's range.
[[nodiscard]] bool isInstantInCalendarRange(Instant t);

struct BasisChart {
    Instant instant;
    ClockTime clock;
    CivilDateTime reading; // what the day and hour pillars were read on
    PillarIndices pillars; // all 0 when the instant is outside the calendar's range
};

/// The chart of `t`: year and month pillars from the solar-term instants (the
/// same instant everywhere), day and hour pillars from the reading under the
/// basis's late-子 rule.
[[nodiscard]] BasisChart chartAt(Instant t, const TimeBasis& basis);

/// The chart as the conditions and listings see it: the pillar texts, the
/// clock time as its moment and the lunar date of the clock's date.
[[nodiscard]] MomentChart momentChartOf(const BasisChart& chart);

} // namespace bazi

#pragma once
// The day pillar of a date and the hour pillar of a day, without the range
// limits of `pillarIndices`: the sixty-day cycle runs unbroken through every
// Gregorian date, and the hour pillars repeat every five days.

#include "calendar/gregorian.h"

namespace bazi {

/// Cycle index 1..60 of the day pillar of a Gregorian date, counted from the
/// day's start (midnight, not 23:00 of the day before). 1901-01-01 is 己卯 (16);
/// any date that `dayNumber` counts is accepted. Callers check `ok()`.
[[nodiscard]] int dayPillarOfDate(CivilDate date);

/// The hour branch 1..12 (子 .. 亥) of a clock hour 0..23: 子 is 23 and 0, 丑 is
/// 1 and 2, .. 亥 is 21 and 22. Hours outside 0..23 give 0.
[[nodiscard]] constexpr int hourBranchOfHour(int hour) {
    if (hour < 0 || hour > 23)
        return 0;
    return (hour == 0 || hour == 23) ? 1 : (hour - 1) / 2 + 2; // [1, 12]
}

/// Cycle index 1..60 of the hour pillar with branch `hourBranch` (1..12) on a day
/// with pillar `dayPillar` (1..60), by the five-rats rule (五鼠遁: 甲己还加甲, ..):
/// the twelve hour pillars of day d are the cycle's ((d − 1) mod 5) × 12 + 1 ..
/// + 12. Returns 0 when either argument is out of range.
[[nodiscard]] constexpr int hourPillarOf(int dayPillar, int hourBranch) {
    if (dayPillar < 1 || dayPillar > 60 || hourBranch < 1 || hourBranch > 12)
        return 0;
    return ((dayPillar - 1) % 5) * 12 + hourBranch; // [1, 60]
}

/// The day and hour pillars (cycle indices 1..60) a clock reading shows.
struct DayHourPillars {
    int day = 0, hour = 0;
    friend bool operator==(const DayHourPillars&, const DayHourPillars&) = default;
};

/// From 23:00 the hour is the following day's 子 under either rule; the day
/// pillar changes then too when `dayChangesAt23`, else at midnight (晚子时算当天).
[[nodiscard]] DayHourPillars dayHourPillarsOf(const CivilDateTime& reading, bool dayChangesAt23);

} // namespace bazi

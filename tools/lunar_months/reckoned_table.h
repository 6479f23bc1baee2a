#pragma once
// The lunar months reckoned from new moons and principal terms, and the
// C++ header src/calendar/lunar_reckoned_tables.h written from them.

#include "elp_mpp02.h"
#include "julian_day.h"
#include "month_rules.h"
#include "solar_longitude.h"

#include <cstdint>
#include <string>
#include <vector>

namespace bazi::ephem {

/// Lunar years of the reckoned tables: 1799..1900 before the printed tables
/// of the calendar (lunar 1901..2049), 2050..2200 after them.
inline constexpr int kReckonedFirstYear = 1799;
inline constexpr int kPrintedFirstYear = 1901;
inline constexpr int kPrintedLastYear = 2049;
inline constexpr int kReckonedLastYear = 2200;

/// Until the end of 1928 the calendar was reckoned in Beijing local mean time,
/// 116°25′ E: UTC+7:45:40; from 1929 in UTC+8.
inline constexpr int kStandardTimeFromYear = 1929;
inline constexpr double kBeijingLocalOffsetHours = 7.0 + 45.0 / 60 + 40.0 / 3600;

/// An event (new moon, principal term) on the calendar's clock.
struct ReckonedEvent {
    std::int64_t day = 0;      // Julian day number of its civil date
    CalendarSecond local;      // the moment on that clock, rounded to the second
    bool beijingLocal = false; // reckoned in UTC+7:45:40 rather than UTC+8
};

/// The civil moment of a TT Julian date on the calendar's clock: UTC+8 as the
/// solar-term table computes it (same ΔT, same rounding), moved to UTC+7:45:40
/// when that moment lies before 1929.
[[nodiscard]] ReckonedEvent reckonEvent(const DeltaTModel& deltaT, double jdTT);

struct LunarReckoning {
    std::vector<ReckonedEvent> newMoons; // the first day of every month, in order
    std::vector<NumberedMonth> months;   // numbered, from month 11 of 1798 on
};

/// New moons and principal terms from late 1798 to early 2202, and the months
/// they make, numbered by numberLunarMonths over the 岁 1799..2201.
[[nodiscard]] LunarReckoning reckonLunarMonths(const ElpMpp02Moon& moon,
                                               const SolarEphemeris& ephemeris);

/// One lunar year packed as the calendar's tables pack it.
struct PackedLunarYear {
    int year = 0;
    int month = 0, day = 0; // Gregorian date (in `year`) of its first day
    std::uint16_t monthWord =
        0;             // bit 15 month 1 .. ; set = 30 days; a leap month's bit follows its month's
    int leapMonth = 0; // 0, or the month the leap month follows
};

/// The lunar years firstYear..lastYear of `months`. Throws std::runtime_error
/// when a year is incomplete, a month is not 29 or 30 days long, or months
/// are missing.
[[nodiscard]] std::vector<PackedLunarYear> packLunarYears(const std::vector<NumberedMonth>& months,
                                                          int firstYear, int lastYear);

/// The complete header text for the years before and after the printed tables.
[[nodiscard]] std::string reckonedTableHeader(const std::vector<PackedLunarYear>& before,
                                              const std::vector<PackedLunarYear>& after);

/// Every month start, one line each: "lunarYear month leap YYYY-MM-DD
/// HH:MM:SS zone" with the new moon's moment on the calendar's clock.
[[nodiscard]] std::string monthListText(const LunarReckoning& reckoning);

} // namespace bazi::ephem

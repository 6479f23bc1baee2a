#pragma once
// Julian dates and Gregorian calendar moments for the solar-term generator.

#include <cstdint>

namespace bazi::ephem {

inline constexpr double kJ2000 = 2451545.0; // 2000-01-01 12:00 TT
inline constexpr double kDaysPerJulianYear = 365.25;
inline constexpr double kSecondsPerDay = 86400.0;

/// A Gregorian calendar moment rounded to the whole second.
struct CalendarSecond {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
    int hour = 0;   // 0..23
    int minute = 0; // 0..59
    int second = 0; // 0..59
};

/// Julian day number (the day beginning at noon) of a Gregorian date.
/// Reference: Fliegel & Van Flandern, Comm. ACM 11 (1968) 657.
[[nodiscard]] std::int64_t julianDayNumberFromGregorian(int year, int month, int day);

/// Julian date of 0h on a Gregorian date (a day starts at JD ….5).
[[nodiscard]] double julianDateFromGregorian(int year, int month, int day);

/// The Gregorian date and time of a Julian date, rounded to the nearest
/// second (a half second rounds up; 23:59:59.5 becomes 0:00:00 of the next
/// day). Valid for Julian dates after the Gregorian reform.
[[nodiscard]] CalendarSecond calendarSecondFromJulianDate(double jd);

/// Decimal Gregorian year of a Julian date: the year plus the elapsed part of
/// it (days since 1 January 0h over the days of that year).
[[nodiscard]] double decimalYearFromJulianDate(double jd);

} // namespace bazi::ephem

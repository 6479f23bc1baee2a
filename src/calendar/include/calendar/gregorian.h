#pragma once
// Proleptic Gregorian dates and local civil date-times, counted in whole days.
//
// All arithmetic here is total: it never fails and never allocates. Whether a
// date exists (2023-02-30 does not) is a separate question, `isValid`.

#include <compare>
#include <cstdint>

namespace bazi {

/// A Gregorian calendar date; `ok()` when it names a real day.
struct CivilDate {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31

    [[nodiscard]] constexpr bool ok() const;
    friend constexpr auto operator<=>(const CivilDate&, const CivilDate&) = default;
};

/// A local civil date and time to the second, without time zone (UTC+8 for
/// every moment the tool examines).
struct CivilDateTime {
    CivilDate date;
    int hour = 0;   // 0..23
    int minute = 0; // 0..59
    int second = 0; // 0..59

    [[nodiscard]] constexpr bool ok() const;
    friend constexpr auto operator<=>(const CivilDateTime&, const CivilDateTime&) = default;
};

/// Seconds in a civil day (leap seconds are not counted on any clock the tool reads).
inline constexpr std::int64_t kSecondsPerDay = 86'400;

/// Floored modulo: the result has the sign of m, so floorMod(-1, 60) == 59.
[[nodiscard]] constexpr int floorMod(int a, int m) {
    return ((a % m) + m) % m;
}
[[nodiscard]] constexpr std::int64_t floorMod(std::int64_t a, std::int64_t m) {
    return ((a % m) + m) % m;
}
/// Floored division (b > 0): rounds toward minus infinity, so floorDiv(-1, 60) == -1.
[[nodiscard]] constexpr std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return (a >= 0 ? a : a - (b - 1)) / b;
}

[[nodiscard]] constexpr bool isGregorianLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

/// 28..31; 0 when month is outside 1..12.
[[nodiscard]] constexpr int gregorianMonthDays(int year, int month) {
    constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return (month == 2 && isGregorianLeapYear(year)) ? 29 : kDays[month - 1];
}

constexpr bool CivilDate::ok() const {
    return month >= 1 && month <= 12 && day >= 1 && day <= gregorianMonthDays(year, month);
}

constexpr bool CivilDateTime::ok() const {
    return date.ok() && hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 &&
           second <= 59;
}

/// Proleptic Gregorian day count: 0001-01-01 is day 1. Only differences are
/// meaningful. Months outside 1..12 are treated as 1 (callers check `ok()`).
[[nodiscard]] constexpr std::int64_t dayNumber(int year, int month, int day) {
    constexpr int kDaysBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const std::int64_t y = year - 1;
    const int m = (month >= 1 && month <= 12) ? month : 1;
    std::int64_t n = 365 * y + y / 4 - y / 100 + y / 400 + kDaysBefore[m - 1] + day;
    if (isGregorianLeapYear(year) && m > 2)
        ++n;
    return n;
}
[[nodiscard]] constexpr std::int64_t dayNumber(CivilDate d) {
    return dayNumber(d.year, d.month, d.day);
}

/// Days from b to a: positive when a is later.
[[nodiscard]] constexpr std::int64_t dayDifference(CivilDate a, CivilDate b) {
    return dayNumber(a) - dayNumber(b);
}

/// 1 when a is later, -1 when earlier, 0 when equal (year, then month, then day).
[[nodiscard]] constexpr int compareDates(CivilDate a, CivilDate b) {
    const auto c = a <=> b;
    return c > 0 ? 1 : (c < 0 ? -1 : 0);
}

enum class StepDirection { forward, backward };

/// The following or the preceding day, rolling over months and years.
[[nodiscard]] constexpr CivilDate stepDay(CivilDate d, StepDirection direction) {
    if (direction == StepDirection::forward) {
        if (++d.day > gregorianMonthDays(d.year, d.month)) {
            d.day = 1;
            if (++d.month > 12) {
                d.month = 1;
                ++d.year;
            }
        }
    } else if (--d.day < 1) {
        if (--d.month < 1) {
            d.month = 12;
            --d.year;
        }
        d.day = gregorianMonthDays(d.year, d.month);
    }
    return d;
}

/// The date of a day number (inverse of `dayNumber` for valid dates).
[[nodiscard]] CivilDate dateFromDayNumber(std::int64_t n);

/// The date-time moved by a whole number of hours (negative moves back).
[[nodiscard]] CivilDateTime addHours(CivilDateTime t, int hours);
/// The date-time moved by a whole number of seconds (negative moves back).
[[nodiscard]] CivilDateTime addSeconds(CivilDateTime t, std::int64_t seconds);
/// The date-time `seconds` after 00:00:00 of the day numbered `day` (dayNumber);
/// the seconds may be negative or run past the day. Every second count that
/// names a date-time goes through here.
[[nodiscard]] CivilDateTime dateTimeOfDaySeconds(std::int64_t day, std::int64_t seconds);

} // namespace bazi

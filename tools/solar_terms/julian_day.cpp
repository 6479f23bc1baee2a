#include "julian_day.h"

#include <cmath>

namespace bazi::ephem {

std::int64_t julianDayNumberFromGregorian(int year, int month, int day) {
    const std::int64_t y = year, m = month, d = day;
    const std::int64_t a = (m - 14) / 12; // -1 for January and February, else 0
    return (1461 * (y + 4800 + a)) / 4 + (367 * (m - 2 - 12 * a)) / 12 -
           (3 * ((y + 4900 + a) / 100)) / 4 + d - 32075;
}

double julianDateFromGregorian(int year, int month, int day) {
    return static_cast<double>(julianDayNumberFromGregorian(year, month, day)) - 0.5;
}

namespace {

struct Ymd {
    int year, month, day;
};

// Inverse of julianDayNumberFromGregorian.
Ymd gregorianFromJulianDayNumber(std::int64_t jdn) {
    std::int64_t l = jdn + 68569;
    const std::int64_t n = (4 * l) / 146097;
    l -= (146097 * n + 3) / 4;
    const std::int64_t i = (4000 * (l + 1)) / 1461001;
    l = l - (1461 * i) / 4 + 31;
    const std::int64_t j = (80 * l) / 2447;
    const std::int64_t d = l - (2447 * j) / 80;
    l = j / 11;
    const std::int64_t m = j + 2 - 12 * l;
    const std::int64_t y = 100 * (n - 49) + i + l;
    return {static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

} // namespace

CalendarSecond calendarSecondFromJulianDate(double jd) {
    // The civil day starts half a Julian day before the Julian day number.
    const double shifted = jd + 0.5;
    std::int64_t jdn = static_cast<std::int64_t>(std::floor(shifted));
    auto seconds = static_cast<std::int64_t>(
        std::llround((shifted - static_cast<double>(jdn)) * kSecondsPerDay));
    if (seconds >= 86400) { // rounded up into the next day
        seconds -= 86400;
        ++jdn;
    }
    const Ymd date = gregorianFromJulianDayNumber(jdn);
    return {date.year,
            date.month,
            date.day,
            static_cast<int>(seconds / 3600),
            static_cast<int>(seconds / 60 % 60),
            static_cast<int>(seconds % 60)};
}

double decimalYearFromJulianDate(double jd) {
    const CalendarSecond c = calendarSecondFromJulianDate(jd);
    double start = julianDateFromGregorian(c.year, 1, 1);
    int year = c.year;
    if (jd < start) { // rounding carried a moment just before New Year into it
        --year;
        start = julianDateFromGregorian(year, 1, 1);
    }
    const double length = julianDateFromGregorian(year + 1, 1, 1) - start;
    return year + (jd - start) / length;
}

} // namespace bazi::ephem

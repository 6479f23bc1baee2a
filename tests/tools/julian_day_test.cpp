// Julian dates and their rounding to the civil second.

#include "julian_day.h"

#include <gtest/gtest.h>

namespace {

using namespace bazi::ephem;

TEST(JulianDay, KnownDates) {
    struct Case {
        const char* note;
        int year, month, day;
        double jd; // at 0h
    };
    // Meeus, Astronomical Algorithms, ch. 7, and the J2000.0 epoch.
    const Case cases[] = {
        {"J2000.0 day", 2000, 1, 1, 2451544.5},
        {"Sputnik day", 1957, 10, 4, 2436115.5},
        {"1900, not a leap year", 1900, 3, 1, 2415079.5},
        {"2000, a leap year", 2000, 3, 1, 2451604.5},
        {"table start", 1880, 1, 1, 2407715.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(julianDateFromGregorian(c.year, c.month, c.day), c.jd);
    }
}

TEST(JulianDay, RoundsToTheNearestSecondAndCarriesIntoTheNextDay) {
    struct Case {
        const char* note;
        double secondsAfterMidnight;
        int day, hour, minute, second;
    };
    const Case cases[] = {
        {"0.4 s rounds down", 3600 * 17 + 45 * 60 + 52.4, 4, 17, 45, 52},
        {"0.6 s rounds up", 3600 * 17 + 45 * 60 + 52.6, 4, 17, 45, 53},
        {"59.7 s carries into the minute and hour", 3600 * 18 + 59 * 60 + 59.7, 4, 19, 0, 0},
        {"23:59:59.8 carries into the next day", 86399.8, 5, 0, 0, 0},
        {"just after midnight", 0.2, 4, 0, 0, 0},
    };
    const double day = julianDateFromGregorian(2016, 2, 4);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        const CalendarSecond s =
            calendarSecondFromJulianDate(day + c.secondsAfterMidnight / kSecondsPerDay);
        EXPECT_EQ(s.year, 2016);
        EXPECT_EQ(s.month, 2);
        EXPECT_EQ(s.day, c.day);
        EXPECT_EQ(s.hour, c.hour);
        EXPECT_EQ(s.minute, c.minute);
        EXPECT_EQ(s.second, c.second);
    }
}

TEST(JulianDay, EveryDayOfTheTableRoundTrips) {
    const double first = julianDateFromGregorian(1870, 1, 1);
    const double last = julianDateFromGregorian(2090, 12, 31);
    int expectedYear = 1870;
    for (double jd = first; jd <= last; jd += 1) {
        const CalendarSecond s = calendarSecondFromJulianDate(jd + 0.25);
        ASSERT_EQ(julianDateFromGregorian(s.year, s.month, s.day), jd);
        ASSERT_EQ(s.hour, 6);
        ASSERT_TRUE(s.year == expectedYear || s.year == expectedYear + 1);
        expectedYear = s.year;
    }
}

TEST(JulianDay, DecimalYear) {
    EXPECT_DOUBLE_EQ(decimalYearFromJulianDate(julianDateFromGregorian(2016, 1, 1)), 2016.0);
    // 2016 is a leap year: 2 July 0h is 183 of 366 days in.
    EXPECT_DOUBLE_EQ(decimalYearFromJulianDate(julianDateFromGregorian(2016, 7, 2)), 2016.5);
    // The last moment of a year stays in that year even where the civil
    // second rounds into the next.
    const double lastInstant = julianDateFromGregorian(2017, 1, 1) - 0.1 / kSecondsPerDay;
    EXPECT_LT(decimalYearFromJulianDate(lastInstant), 2017.0);
    EXPECT_GT(decimalYearFromJulianDate(lastInstant), 2016.999);
}

} // namespace

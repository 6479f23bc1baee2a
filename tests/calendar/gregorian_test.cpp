#include "calendar/gregorian.h"

#include <gtest/gtest.h>

namespace bazi {
namespace {

TEST(Gregorian, FloorModWrapsNegativesUpward) {
    struct Case {
        const char* note;
        int a, m, expected;
    } const cases[] = {
        {"zero", 0, 60, 0},      {"positive", 61, 60, 1},     {"minus one", -1, 60, 59},
        {"minus m", -60, 60, 0}, {"far below", -121, 60, 59}, {"modulus 12", -13, 12, 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(floorMod(c.a, c.m), c.expected);
        EXPECT_EQ(floorMod(std::int64_t{c.a}, std::int64_t{c.m}), c.expected);
    }
}

TEST(Gregorian, MonthLengthsAndLeapYears) {
    struct Case {
        const char* note;
        int year, month, days;
    } const cases[] = {
        {"1900 is not leap (century)", 1900, 2, 28},
        {"2000 is leap (400)", 2000, 2, 29},
        {"2016 is leap", 2016, 2, 29},
        {"2023 is common", 2023, 2, 28},
        {"April", 2023, 4, 30},
        {"December", 2023, 12, 31},
        {"month 0", 2023, 0, 0},
        {"month 13", 2023, 13, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(gregorianMonthDays(c.year, c.month), c.days);
    }
    EXPECT_FALSE((CivilDate{2023, 2, 29}.ok()));
    EXPECT_TRUE((CivilDate{2024, 2, 29}.ok()));
    EXPECT_FALSE((CivilDate{2023, 1, 0}.ok()));
    EXPECT_FALSE((CivilDateTime{{2023, 1, 1}, 24, 0, 0}.ok()));
    EXPECT_FALSE((CivilDateTime{{2023, 1, 1}, 23, 60, 0}.ok()));
    EXPECT_TRUE((CivilDateTime{{2023, 1, 1}, 23, 59, 59}.ok()));
}

TEST(Gregorian, DayNumberCountsFromYearOne) {
    static_assert(dayNumber(1, 1, 1) == 1);
    static_assert(dayNumber(1901, 1, 1) - dayNumber(1900, 1, 1) == 365);
    static_assert(dayNumber(2001, 1, 1) - dayNumber(2000, 1, 1) == 366);
    static_assert(dayDifference(CivilDate{2000, 1, 1}, CivilDate{1901, 1, 1}) == 36159);
    static_assert(dayDifference(CivilDate{1901, 1, 1}, CivilDate{2000, 1, 1}) == -36159);
    static_assert(compareDates(CivilDate{2016, 3, 16}, CivilDate{2016, 3, 15}) == 1);
    static_assert(compareDates(CivilDate{2016, 2, 29}, CivilDate{2016, 3, 1}) == -1);
    static_assert(compareDates(CivilDate{2016, 3, 16}, CivilDate{2016, 3, 16}) == 0);
}

// Every day 1800..2200: stepping forward adds one to the day number, stepping
// back undoes it, and dateFromDayNumber inverts dayNumber.
TEST(Gregorian, EveryDayStepsAndRoundTrips) {
    const CivilDate last{2200, 12, 31};
    for (CivilDate d{1800, 1, 1}; d <= last;) {
        ASSERT_TRUE(d.ok()) << d.year << '-' << d.month << '-' << d.day;
        ASSERT_EQ(dateFromDayNumber(dayNumber(d)), d) << d.year << '-' << d.month << '-' << d.day;
        const CivilDate next = stepDay(d, StepDirection::forward);
        ASSERT_EQ(dayNumber(next), dayNumber(d) + 1);
        ASSERT_EQ(stepDay(next, StepDirection::backward), d);
        d = next;
    }
}

TEST(Gregorian, AddHoursRollsOverDaysMonthsAndYears) {
    struct Case {
        const char* note;
        CivilDateTime from;
        int hours;
        CivilDateTime expected;
    } const cases[] = {
        {"same day", {{2016, 3, 16}, 0, 0, 0}, 22, {{2016, 3, 16}, 22, 0, 0}},
        {"back over midnight", {{2016, 3, 16}, 0, 0, 0}, -2, {{2016, 3, 15}, 22, 0, 0}},
        {"into a leap day", {{2016, 2, 28}, 23, 30, 15}, 1, {{2016, 2, 29}, 0, 30, 15}},
        {"over a year end", {{2048, 12, 31}, 22, 0, 0}, 2, {{2049, 1, 1}, 0, 0, 0}},
        {"back over a year end", {{1901, 1, 1}, 1, 0, 0}, -2, {{1900, 12, 31}, 23, 0, 0}},
        {"a whole window back", {{2016, 3, 16}, 22, 0, 0}, -70, {{2016, 3, 14}, 0, 0, 0}},
        {"zero keeps the seconds", {{2016, 3, 16}, 22, 59, 59}, 0, {{2016, 3, 16}, 22, 59, 59}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(addHours(c.from, c.hours), c.expected);
    }
    EXPECT_EQ(addSeconds(CivilDateTime{{2016, 1, 1}, 0, 0, 0}, -1),
              (CivilDateTime{{2015, 12, 31}, 23, 59, 59}));
    EXPECT_EQ(addSeconds(CivilDateTime{{2016, 2, 4}, 17, 45, 53}, -1),
              (CivilDateTime{{2016, 2, 4}, 17, 45, 52}));
    EXPECT_EQ(addSeconds(CivilDateTime{{2016, 2, 28}, 23, 59, 59}, 1),
              (CivilDateTime{{2016, 2, 29}, 0, 0, 0}));
}

} // namespace
} // namespace bazi

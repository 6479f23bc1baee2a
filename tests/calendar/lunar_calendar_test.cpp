#include "calendar/lunar_calendar.h"

#include <gtest/gtest.h>

namespace bazi {
namespace {

std::string text(const std::optional<LunarDate>& d) {
    if (!d)
        return "refused";
    return std::to_string(d->year) + (d->leap ? " leap " : " ") + std::to_string(d->month) + '-' +
           std::to_string(d->day);
}

std::string text(const std::optional<CivilDate>& d) {
    if (!d)
        return "none";
    return std::to_string(d->year) + '-' + std::to_string(d->month) + '-' + std::to_string(d->day);
}

TEST(LunarCalendar, YearTables) {
    struct Case {
        const char* note;
        int year, leapMonth, days;
    } const cases[] = {
        {"1901: no leap month", 1901, 0, 354},
        {"1903: leap 5", 1903, 5, 383},
        {"2006: leap 7", 2006, 7, 385},
        {"2033: leap 11", 2033, 11, 384},
        {"2049: no leap month", 2049, 0, 355},
        {"1800: leap 4, reckoned", 1800, 4, 384},
        {"2200: no leap month, reckoned", 2200, 0, 354},
        {"1798: outside", 1798, 65535, 0},
        {"2201: outside", 2201, 65535, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(leapMonthOf(c.year), c.leapMonth);
        EXPECT_EQ(lunarYearDays(c.year), c.days);
    }
}

TEST(LunarCalendar, MonthDays) {
    struct Case {
        const char* note;
        int year, month, regular, leap;
    } const cases[] = {
        {"1901 month 1: bit 15 of 4AE0 clear", 1901, 1, 29, 0},
        {"1901 month 2: bit 14 set", 1901, 2, 30, 0},
        {"1903 month 5 (bit 11) and its leap month (bit 10)", 1903, 5, 29, 29},
        {"1903 month 6 moves one bit lower (bit 9)", 1903, 6, 30, 0},
        {"2020 leap month 4 has 29 days", 2020, 4, 30, 29},
        {"2023 month 2 and leap month 2", 2023, 2, 30, 29},
        {"month 0", 2016, 0, 0, 0},
        {"month 13", 2016, 13, 0, 0},
        {"year outside", 2201, 1, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        const LunarMonthDays d = lunarMonthDays(c.year, c.month);
        EXPECT_EQ(d.regular, c.regular);
        EXPECT_EQ(d.leap, c.leap);
    }
}

TEST(LunarCalendar, ToLunarKnownDates) {
    struct Case {
        const char* note;
        CivilDate date;
        const char* expected;
    } const cases[] = {
        {"first day of the printed tables", {1901, 2, 19}, "1901 1-1"},
        {"the day before: lunar 1900, reckoned", {1901, 2, 18}, "1900 12-30"},
        {"2048-12-31", {2048, 12, 31}, "2048 11-27"},
        {"the day after", {2049, 1, 1}, "2048 11-28"},
        {"first day of the range", {1800, 1, 1}, "1799 12-7"},
        {"day before the first", {1799, 12, 31}, "refused"},
        {"leap month of 1800", {1800, 5, 24}, "1800 leap 4-1"},
        {"lunar 2050 begins after the printed tables", {2050, 1, 23}, "2050 1-1"},
        {"last day", {2200, 12, 31}, "2200 11-25"},
        {"day after the last", {2201, 1, 1}, "refused"},
        {"2000-01-01", {2000, 1, 1}, "1999 11-25"},
        {"lunar new year's eve 2024", {2024, 2, 9}, "2023 12-30"},
        {"lunar new year 2024", {2024, 2, 10}, "2024 1-1"},
        {"first day of a leap month", {2023, 3, 22}, "2023 leap 2-1"},
        {"last day of a leap month", {2023, 4, 19}, "2023 leap 2-29"},
        {"month after a leap month", {2023, 4, 20}, "2023 3-1"},
        {"leap 11 of 2033", {2033, 12, 22}, "2033 leap 11-1"},
        {"after leap 11", {2034, 1, 20}, "2033 12-1"},
        {"2016-03-16", {2016, 3, 16}, "2016 2-8"},
        {"impossible date", {2023, 2, 30}, "refused"},
        {"day 0", {2023, 3, 0}, "refused"},
        {"month 13", {2023, 13, 1}, "refused"},
        {"far before", {1, 1, 1}, "refused"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(text(toLunar(c.date)), c.expected);
    }
}

TEST(LunarCalendar, LunarFromSpanBeforeAndAfterTheTables) {
    struct Case {
        const char* note;
        std::int64_t span;
        const char* expected;
    } const cases[] = {
        {"1901-01-01", 0, "1900 11-11"},
        {"1901-01-19", 18, "1900 11-29"},
        {"1901-01-20", 19, "1900 12-1"},
        {"1901-02-18", 48, "1900 12-30"},
        {"1901-02-19", 49, "1901 1-1"},
        {"1900-12-31", -1, "1900 11-10"},
        {"lunar 1799 begins 1799-02-05", -37219, "1799 1-1"},
        {"before lunar 1799", -37220, "0 0-0"},
        {"past lunar 2200", 200000, "0 0-0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(text(lunarFromSpan(c.span)), c.expected);
    }
    // The last day of lunar 2049 (printed) is followed by the first of lunar
    // 2050 (reckoned); the last day of lunar 2200 by nothing.
    const std::int64_t end = dayDifference(CivilDate{2050, 1, 23}, CivilDate{1901, 1, 1});
    EXPECT_EQ(text(lunarFromSpan(end - 1)), "2049 12-29");
    EXPECT_EQ(text(lunarFromSpan(end)), "2050 1-1");
    const std::int64_t last = dayDifference(CivilDate{2201, 2, 4}, CivilDate{1901, 1, 1});
    EXPECT_EQ(text(lunarFromSpan(last - 1)), "2200 12-29");
    EXPECT_EQ(text(lunarFromSpan(last)), "0 0-0");
}

TEST(LunarCalendar, FromLunar) {
    struct Case {
        const char* note;
        LunarDate lunar;
        const char* expected;
    } const cases[] = {
        {"leap 2-1 of 2023", {2023, 2, 1, true}, "2023-3-22"},
        {"regular 2-1 of 2023", {2023, 2, 1, false}, "2023-2-20"},
        {"leap flag on a month that is not leap is cleared", {2023, 3, 1, true}, "2023-4-20"},
        {"leap month 4 of 2020 has no day 30", {2020, 4, 30, true}, "none"},
        {"lunar 2048 12-1, now inside", {2048, 12, 1, false}, "2049-1-4"},
        {"after the range", {2200, 12, 1, false}, "none"},
        {"before the range: lunar 1799 month 11", {1799, 11, 1, false}, "none"},
        {"first lunar day of the range's last month", {2200, 11, 1, false}, "2200-12-7"},
        {"leap 4-1 of 1800", {1800, 4, 1, true}, "1800-5-24"},
        {"first lunar day", {1901, 1, 1, false}, "1901-2-19"},
        {"guess before the range starts at 1901-02-19", {1901, 2, 18, false}, "1901-4-6"},
        {"day 30 read as 2-30 counts on", {2016, 2, 30, false}, "none"},
        {"day 30 of a 30-day month", {2016, 1, 30, false}, "2016-3-8"},
        {"lunar 1900 month 12, reckoned", {1900, 12, 1, false}, "1901-1-20"},
        {"year outside", {1798, 12, 1, false}, "none"},
        {"month 13", {2016, 13, 1, false}, "none"},
        {"day 31", {2016, 1, 31, false}, "none"},
        {"day 0", {2016, 1, 0, false}, "none"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(text(fromLunar(c.lunar)), c.expected);
    }
}

// Every day of the range: it converts; the next day is the next lunar day or
// day 1 of the next month; each month has 29 or 30 days, as the table says;
// fromLunar finds the day again.
TEST(LunarCalendar, EveryDayOfTheRange) {
    std::optional<LunarDate> previous;
    int monthLength = 0;
    int days = 0;
    for (CivilDate d = kLunarFirstDate; d <= kLunarLastDate;
         d = stepDay(d, StepDirection::forward)) {
        SCOPED_TRACE(text(std::optional<CivilDate>(d)));
        const std::optional<LunarDate> lunar = toLunar(d);
        ASSERT_TRUE(lunar.has_value());
        ASSERT_EQ(fromLunar(*lunar), d);
        if (previous) {
            if (lunar->day == previous->day + 1) {
                ASSERT_EQ(lunar->month, previous->month);
                ASSERT_EQ(lunar->leap, previous->leap);
                ASSERT_EQ(lunar->year, previous->year);
            } else {
                ASSERT_EQ(lunar->day, 1);
                ASSERT_TRUE(previous->day == 29 || previous->day == 30);
                const LunarMonthDays table = lunarMonthDays(previous->year, previous->month);
                ASSERT_EQ(previous->day, previous->leap ? table.leap : table.regular);
                if (lunar->leap) {
                    ASSERT_EQ(lunar->month, previous->month)
                        << "a leap month repeats the month before";
                    ASSERT_EQ(leapMonthOf(lunar->year), lunar->month);
                } else if (previous->month == 12) {
                    ASSERT_EQ(lunar->month, 1);
                    ASSERT_EQ(lunar->year, previous->year + 1);
                } else {
                    ASSERT_EQ(lunar->month, previous->month + 1);
                }
            }
        }
        monthLength = lunar->day;
        previous = lunar;
        ++days;
    }
    EXPECT_EQ(days, dayDifference(kLunarLastDate, kLunarFirstDate) + 1);
    EXPECT_EQ(monthLength, 25); // 2200-12-31 is lunar 2200-11-25
}

} // namespace
} // namespace bazi

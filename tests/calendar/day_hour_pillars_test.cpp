#include "calendar/day_hour_pillars.h"

#include "calendar/four_pillars.h"
#include "calendar/sexagenary.h"

#include <gtest/gtest.h>

namespace bazi {
namespace {

TEST(DayHourPillars, DayPillarsKnownFromHistory) {
    struct Case {
        const char* note;
        CivilDate date;
        int pillar;
    } const cases[] = {
        {"1949-10-01 was a 甲子 day", {1949, 10, 1}, 1},
        {"2000-01-01 was a 戊午 day", {2000, 1, 1}, 55},
        {"1901-01-01 is the count's 己卯", {1901, 1, 1}, 16},
        {"before the calendar's range: 73,048 days before 2000-01-01",
         {1800, 1, 1},
         cycleAdd(55, -73048)},
        {"after it: 73,413 days after 2000-01-01", {2200, 12, 31}, cycleAdd(55, 73413)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(dayPillarOfDate(c.date), c.pillar);
    }
}

// Through the calendar's whole range the day pillar of a date is the pillar
// that `pillarIndices` gives from midnight to 22:59:59, and the day before 23:00
// hands over to the next date's pillar.
TEST(DayHourPillars, DayPillarAgreesWithTheCalendarOnEveryDay) {
    int checked = 0;
    for (CivilDate d{1901, 2, 19}; d <= CivilDate{2048, 12, 31};
         d = stepDay(d, StepDirection::forward)) {
        const int day = dayPillarOfDate(d);
        ASSERT_EQ(day, pillarIndices(CivilDateTime{d, 12, 0, 0}).day) << d.year << '-' << d.month;
        if (d < CivilDate{2048, 12, 31}) {
            ASSERT_EQ(cycleAdd(day, 1), pillarIndices(CivilDateTime{d, 23, 0, 0}).day);
        }
        ++checked;
    }
    EXPECT_EQ(checked, 54'008);
}

TEST(DayHourPillars, HourBranchOfEveryClockHour) {
    const int expected[24] = {1, 2, 2, 3, 3, 4,  4,  5,  5,  6,  6,  7,
                              7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 1};
    for (int h = 0; h < 24; ++h)
        EXPECT_EQ(hourBranchOfHour(h), expected[h]) << h;
    EXPECT_EQ(hourBranchOfHour(-1), 0);
    EXPECT_EQ(hourBranchOfHour(24), 0);
}

// The five-rats rule as the verse gives it: the stem of the 子 hour of a day
// whose stem is 甲/己 .. 戊/癸 is 甲, 丙, 戊, 庚, 壬; the other hours follow.
TEST(DayHourPillars, HourPillarFollowsTheFiveRats) {
    const int ziStem[5] = {1, 3, 5, 7, 9};
    for (int day = 1; day <= 60; ++day)
        for (int branch = 1; branch <= 12; ++branch) {
            const int stem = (ziStem[(stemNumber(day) - 1) % 5] - 1 + branch - 1) % 10 + 1;
            ASSERT_EQ(hourPillarOf(day, branch), cycleIndexOf(stem, branch))
                << day << ' ' << branch;
        }
    EXPECT_EQ(hourPillarOf(0, 1), 0);
    EXPECT_EQ(hourPillarOf(61, 1), 0);
    EXPECT_EQ(hourPillarOf(1, 0), 0);
    EXPECT_EQ(hourPillarOf(1, 13), 0);
}

TEST(DayHourPillars, HourPillarAgreesWithTheCalendarEveryHourOfTwoYears) {
    for (CivilDateTime t{{2015, 1, 1}, 0, 0, 0}; t < CivilDateTime{{2017, 1, 1}, 0, 0, 0};
         t = addHours(t, 1)) {
        const PillarIndices p = pillarIndices(t);
        ASSERT_EQ(hourPillarOf(p.day, hourBranchOfHour(t.hour)), p.hour)
            << t.date.year << '-' << t.date.month << '-' << t.date.day << ' ' << t.hour;
    }
}

} // namespace
} // namespace bazi

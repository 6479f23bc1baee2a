#include "calendar/four_pillars.h"
#include "calendar/civil_seconds.h"

#include "calendar/sexagenary.h"
#include "calendar/solar_terms.h"

#include <gtest/gtest.h>

namespace bazi {
namespace {

std::string chartOf(const CivilDateTime& moment) {
    const std::optional<FourPillars> p = fourPillars(moment);
    if (!p)
        return "refused";
    return p->year + ' ' + p->month + ' ' + p->day + ' ' + p->hour;
}

TEST(FourPillars, KnownCharts) {
    struct Case {
        const char* note;
        CivilDateTime moment;
        const char* chart;
    } const cases[] = {
        {"before 立春 (17:45:53)", {{2016, 2, 4}, 16, 0, 0}, "乙未 己丑 丙辰 丙申"},
        {"after 立春", {{2016, 2, 4}, 18, 0, 0}, "丙申 庚寅 丙辰 丁酉"},
        {"at 立春's second", {{2016, 2, 4}, 17, 45, 53}, "丙申 庚寅 丙辰 丁酉"},
        {"a second before 立春", {{2016, 2, 4}, 17, 45, 52}, "乙未 己丑 丙辰 丁酉"},
        {"22:00 is 亥", {{2016, 3, 16}, 22, 0, 0}, "丙申 辛卯 丁酉 辛亥"},
        {"00:00 is 子 of the same day", {{2016, 3, 16}, 0, 0, 0}, "丙申 辛卯 丁酉 庚子"},
        {"before 小寒: 子 month, last year's stem",
         {{2016, 1, 3}, 12, 0, 0},
         "乙未 戊子 甲申 庚午"},
        {"小寒 later the same day", {{2016, 1, 6}, 4, 0, 0}, "乙未 戊子 丁亥 壬寅"},
        {"小寒 earlier the same day", {{2016, 1, 6}, 8, 0, 0}, "乙未 己丑 丁亥 甲辰"},
        {"23:00 starts the next day", {{2016, 3, 16}, 23, 0, 0}, "丙申 辛卯 戊戌 壬子"},
        {"1901-01-01, before 小寒: 庚子 year's 子 month",
         {{1901, 1, 1}, 12, 0, 0},
         "庚子 戊子 己卯 庚午"},
        {"1901-02-19", {{1901, 2, 19}, 0, 0, 0}, "辛丑 庚寅 戊辰 壬子"},
        {"first moment: 己未 year, 大雪 of 1799 in force",
         {{1800, 1, 1}, 0, 0, 0},
         "己未 丙子 庚寅 丙子"},
        {"2000-01-01", {{2000, 1, 1}, 0, 0, 0}, "己卯 丙子 戊午 壬子"},
        {"2048-12-31", {{2048, 12, 31}, 22, 0, 0}, "戊辰 甲子 乙亥 丁亥"},
        {"last day still has a chart", {{2200, 12, 31}, 22, 0, 0}, "庚子 戊子 辛卯 己亥"},
        {"2201 has four empty pillars", {{2201, 1, 1}, 0, 0, 0}, "   "},
        {"before 1800 is refused", {{1799, 12, 31}, 22, 0, 0}, "refused"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(chartOf(c.moment), c.chart);
    }
}

// Day and year pillars known from history, independent of the day count used here.
TEST(FourPillars, HistoricalFacts) {
    // 1949-10-01, the founding of the People's Republic, was a 甲子 day.
    EXPECT_EQ(pillarIndices(CivilDateTime{{1949, 10, 1}, 12, 0, 0}).day, 1);
    // 1984 is the 甲子 year of the current cycle (from its 立春 on), 1911 a 辛亥 year.
    EXPECT_EQ(pillarIndices(CivilDateTime{{1984, 6, 1}, 12, 0, 0}).year, 1);
    EXPECT_EQ(pillarIndices(CivilDateTime{{1911, 10, 10}, 12, 0, 0}).year, 48);
}

TEST(FourPillars, OutsideTheRangeOrImpossibleGivesZeros) {
    struct Case {
        const char* note;
        CivilDateTime moment;
    } const cases[] = {
        {"last second before the range", {{1799, 12, 31}, 23, 59, 59}},
        {"first day after the range", {{2201, 1, 1}, 0, 0, 0}},
        {"month 13", {{2016, 13, 1}, 0, 0, 0}},
        {"month 0", {{2016, 0, 1}, 0, 0, 0}},
        {"2023-02-30", {{2023, 2, 30}, 12, 0, 0}},
        {"hour 24", {{2016, 3, 16}, 24, 0, 0}},
        {"negative hour", {{2016, 3, 16}, -1, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(pillarIndices(c.moment), PillarIndices{});
    }
}

TEST(FourPillars, HourBranchesOfOneDay) {
    // Hour -> branch: 23 and 0 are 子, then two hours per branch from 01:00.
    const int expected[24] = {1, 2, 2, 3, 3, 4,  4,  5,  5,  6,  6,  7,
                              7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 1};
    for (int hour = 0; hour < 24; ++hour) {
        SCOPED_TRACE(hour);
        const PillarIndices p = pillarIndices(CivilDateTime{{2016, 3, 16}, hour, 30, 0});
        EXPECT_EQ(branchNumber(p.hour), expected[hour]);
    }
}

// Every day of the range: the day pillar advances by one, the hour pillars of a
// day run on without a break from the day before (the 子 hour at 23:00 belongs
// to the next day), and every pillar is a real pillar.
TEST(FourPillars, EveryDayAdvancesTheDayAndHourPillars) {
    PillarIndices previousNoon = pillarIndices(CivilDateTime{{1800, 1, 1}, 12, 0, 0});
    ASSERT_EQ(previousNoon.day, cycleIndexOf(7, 3)); // 庚寅
    for (CivilDate d = stepDay(CivilDate{1800, 1, 1}, StepDirection::forward);
         d <= CivilDate{2200, 12, 31}; d = stepDay(d, StepDirection::forward)) {
        const PillarIndices noon = pillarIndices(CivilDateTime{d, 12, 0, 0});
        ASSERT_EQ(noon.day, cycleAdd(previousNoon.day, 1))
            << d.year << '-' << d.month << '-' << d.day;
        ASSERT_NE(noon.year * noon.month * noon.hour, 0);
        const PillarIndices lateLast =
            pillarIndices(CivilDateTime{stepDay(d, StepDirection::backward), 23, 0, 0});
        ASSERT_EQ(lateLast.day, noon.day) << "23:00 belongs to the next day";
        const PillarIndices midnight = pillarIndices(CivilDateTime{d, 0, 0, 0});
        ASSERT_EQ(midnight.hour, lateLast.hour) << "23:00 and 00:00 are the same 子 hour";
        ASSERT_EQ(pillarIndices(CivilDateTime{d, 1, 0, 0}).hour, cycleAdd(midnight.hour, 1));
        previousNoon = noon;
    }
}

// Every term of the range, to the second: an odd term moves the month pillar on
// by one, 立春 also moves the year pillar on by one, an even term changes
// neither; the month pillar's branch is the one of the term in force.
TEST(FourPillars, MonthAndYearChangeAtTheSecondOfTheirTerms) {
    int checked = 0;
    for (int year = 1800; year <= 2200; ++year) {
        for (int n = 1; n <= 24; ++n) {
            const CivilDateTime at = termMoment(year, n);
            const CivilDateTime before = addSeconds(at, -1);
            const PillarIndices p0 = pillarIndices(before);
            const PillarIndices p1 = pillarIndices(at);
            SCOPED_TRACE(testing::Message() << year << " term " << n);
            const bool startsMonth = n % 2 == 1;
            ASSERT_EQ(p1.month, cycleAdd(p0.month, startsMonth ? 1 : 0));
            ASSERT_EQ(p1.year, cycleAdd(p0.year, n == 3 ? 1 : 0));
            const int branch = ((n - 1) / 2 + 1) % 12 + 1; // 小寒 丑, 立春 寅, .. 大雪 子
            ASSERT_EQ(branchNumber(p1.month), branch);
            ++checked;
        }
    }
    EXPECT_EQ(checked, 401 * 24); // every term of 1800..2200 lies inside the range
}

// The year pillar of every 立春 moment counts on from 1901 (辛丑), and the
// month stem follows the five-tiger rule: the 寅 month of a 甲 or 己 year is 丙寅.
TEST(FourPillars, YearPillarsAndFirstMonthStems) {
    for (int year = 1800; year <= 2200; ++year) {
        SCOPED_TRACE(year);
        const PillarIndices p = pillarIndices(termMoment(year, 3));
        ASSERT_EQ(p.year, cycleAdd(38, year - 1901));
        const int firstMonthStem =
            (stemNumber(p.year) - 1) % 5 * 2 + 3; // 甲己 -> 丙, 乙庚 -> 戊 ..
        ASSERT_EQ(p.month, cycleIndexOf((firstMonthStem - 1) % 10 + 1, 3));
    }
}

} // namespace
} // namespace bazi

namespace bazi {
namespace {

// The pillar helpers agree with the four pillars of every two-hour moment of a
// stretch that crosses year ends, 立春 and the day change at 23:00.
TEST(PillarHelpers, AgreeWithTheFourPillarsOfEveryMoment) {
    for (CivilDateTime t{{2015, 12, 1}, 0, 0, 0}; t.date.year < 2017; t = addHours(t, 1)) {
        const PillarIndices p = pillarIndices(t);
        const CivilDate dayDate = t.hour >= 23 ? stepDay(t.date, StepDirection::forward) : t.date;
        ASSERT_EQ(dayPillarOfDate(dayDate), p.day) << t.date.year << "-" << t.date.month;
        const int hourBranch = t.hour == 23 ? 1 : (t.hour + 1) / 2 + 1;
        ASSERT_EQ(hourPillarOf(p.day, hourBranch), p.hour);
        ASSERT_EQ(monthPillarOf(p.year, branchNumber(p.month)), p.month);
    }
    EXPECT_EQ(monthPillarOf(0, 3), 0);
    EXPECT_EQ(hourPillarOf(1, 13), 0);
    EXPECT_EQ(pillarText(monthPillarOf(33, 4)), "辛卯"); // 丙 year, 卯 month: 辛卯
    EXPECT_EQ(pillarText(hourPillarOf(34, 12)), "辛亥"); // 丁 day, 亥 hour
}

TEST(CivilSeconds, RoundTripAcrossDaysAndYears) {
    for (const CivilDateTime t :
         {CivilDateTime{{1901, 2, 19}, 0, 0, 0}, CivilDateTime{{2016, 2, 29}, 23, 59, 59},
          CivilDateTime{{2048, 12, 31}, 23, 59, 59}, CivilDateTime{{1, 1, 1}, 0, 0, 0}}) {
        EXPECT_EQ(civilDateTimeOf(civilSecondsOf(t)), t);
        EXPECT_EQ(civilSecondsOf(addSeconds(t, 1)), civilSecondsOf(t) + 1);
    }
    EXPECT_EQ(civilDateTimeOf(-1), (CivilDateTime{{0, 12, 31}, 23, 59, 59}));
}

} // namespace
} // namespace bazi

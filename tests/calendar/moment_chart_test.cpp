#include "calendar/moment_chart.h"

#include <gtest/gtest.h>

namespace bazi {
namespace {

TEST(MomentChart, FormsPillarsAndLunarDate) {
    const MomentChart c = momentChartOf(CivilDateTime{{2016, 3, 16}, 22, 0, 0});
    EXPECT_EQ(c.chartText(), "丙申辛卯丁酉辛亥");
    EXPECT_EQ(c.spacedChartText(), "丙申 辛卯 丁酉 辛亥");
    EXPECT_EQ(lunarTimeText(c), "2016年 2月 初8");
    EXPECT_EQ(c.moment, (CivilDateTime{{2016, 3, 16}, 22, 0, 0}));
}

// Like the form's own routine: a part that the calendar refuses keeps the
// value it had for the moment before.
TEST(MomentChart, RefusedPartsKeepTheirValues) {
    MomentChart c;
    formMomentChart(c, CivilDateTime{{2200, 12, 31}, 22, 0, 0});
    EXPECT_EQ(c.spacedChartText(), "庚子 戊子 辛卯 己亥");
    EXPECT_EQ(lunarTimeText(c), "2200年 11月 初25");

    formMomentChart(c, CivilDateTime{{2201, 1, 1}, 0, 0, 0});
    EXPECT_EQ(c.chartText(), "") << "2201 gives four empty pillars";
    EXPECT_EQ(lunarTimeText(c), "2200年 11月 初25") << "the lunar date is kept";
    EXPECT_EQ(c.moment, (CivilDateTime{{2201, 1, 1}, 0, 0, 0}));

    formMomentChart(c, CivilDateTime{{2016, 3, 16}, 22, 0, 0});
    formMomentChart(c, CivilDateTime{{1799, 12, 31}, 22, 0, 0});
    EXPECT_EQ(c.spacedChartText(), "丙申 辛卯 丁酉 辛亥") << "before 1800 the pillars are kept";
    EXPECT_EQ(lunarTimeText(c), "2016年 2月 初8");

    const MomentChart fresh = momentChartOf(CivilDateTime{{1799, 12, 31}, 22, 0, 0});
    EXPECT_EQ(fresh.chartText(), "");
    EXPECT_EQ(lunarTimeText(fresh), "0年 0月 初0");
}

TEST(MomentChart, LunarTimeText) {
    struct Case {
        const char* note;
        int year, month, day;
        bool leap;
        const char* expected;
    } const cases[] = {
        {"ordinary", 2016, 2, 8, false, "2016年 2月 初8"},
        {"初 before every day number", 2016, 2, 25, false, "2016年 2月 初25"},
        {"leap month", 2020, 5, 25, true, "2020年 闰5月 初25"},
        {"two-digit month", 2048, 11, 27, false, "2048年 11月 初27"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        MomentChart chart;
        chart.lunarYear = c.year;
        chart.lunarMonth = c.month;
        chart.lunarDay = c.day;
        chart.leap = c.leap;
        EXPECT_EQ(lunarTimeText(chart), c.expected);
    }
}

} // namespace
} // namespace bazi

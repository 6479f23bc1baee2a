// The texts of the result grid and labels, and the outcome of a run.
#include "query/result_listing.h"

#include <gtest/gtest.h>

namespace {

using namespace bazi;

TEST(DateTimeText, TheTimePartShowsDownToTheLastNonZeroField) {
    const struct {
        CivilDateTime t;
        const char* want;
        const char* note;
    } cases[] = {
        {{{2016, 3, 16}, 22, 0, 0}, "2016年3月16日22时", "a whole hour"},
        {{{2016, 3, 14}, 0, 0, 0}, "2016年3月14日", "midnight: the date alone"},
        {{{2016, 3, 14}, 2, 0, 0}, "2016年3月14日2时", "no leading zero"},
        {{{2016, 3, 14}, 2, 5, 0}, "2016年3月14日2时5分", "minutes"},
        {{{2016, 3, 14}, 0, 30, 0}, "2016年3月14日0时30分", "minutes after midnight"},
        {{{2016, 3, 14}, 2, 0, 7}, "2016年3月14日2时0分7秒", "seconds"},
        {{{1901, 2, 19}, 0, 0, 0}, "1901年2月19日", "first day"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(dateTimeText(c.t), c.want);
    }
}

TEST(SummaryText, TwoSpacesBeforeTheMatchCount) {
    EXPECT_EQ(summaryText(3, 5), "条件数：3  符合数：5");
    EXPECT_EQ(summaryText(0, 0), "条件数：0  符合数：0");
    EXPECT_EQ(summaryText(48, 36), "条件数：48  符合数：36");
}

TEST(ResultRow, AMatchShowsItsMomentLunarDateAndSpacedChart) {
    const ResultRow row = resultRowOf(momentChartOf({{2016, 3, 16}, 22, 0, 0}));
    EXPECT_EQ(row.gregorian, "2016年3月16日22时");
    EXPECT_EQ(row.lunar, "2016年 2月 初8");
    EXPECT_EQ(row.chart, "丙申 辛卯 丁酉 辛亥");
    // A leap month: 2020-06-16 is lunar 2020, leap 4th month, day 25.
    EXPECT_EQ(resultRowOf(momentChartOf({{2020, 6, 16}, 0, 0, 0})).lunar, "2020年 闰4月 初25");
}

TEST(ShowSummary, TheOutcomeFollowsTheCounts) {
    const struct {
        int conditions, matches;
        const char* message; // nullptr: none
        bool page;
        const char* note;
    } cases[] = {
        {0, 0, "未设置条件！", false, "no condition"},
        {2, 0, "指定时间内没有找到符合条件的八字或条件冲突！", false, "nothing found"},
        {2, 3, nullptr, true, "matches: the result page"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        QueryResult r = prepareResultGrid();
        EXPECT_EQ(r.status, "前三天查询中。。。");
        for (int k = 0; k < c.matches; ++k)
            appendMatchRow(r, momentChartOf({{2016, 3, 16}, 20 - 2 * k, 0, 0}));
        showSummary(r, c.conditions);
        EXPECT_EQ(r.status, "查询列表完毕！");
        EXPECT_EQ(r.matchCount, c.matches);
        EXPECT_EQ(r.rows.size(), static_cast<std::size_t>(c.matches));
        EXPECT_EQ(r.summary, summaryText(c.conditions, c.matches));
        EXPECT_EQ(r.message.has_value(), c.message != nullptr);
        if (c.message) {
            EXPECT_EQ(*r.message, c.message);
        }
        EXPECT_EQ(r.showResultPage, c.page);
    }
}

} // namespace

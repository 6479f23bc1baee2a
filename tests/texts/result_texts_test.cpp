// The texts of the result grid and labels, and the outcome of a run.
#include "texts/result_texts.h"

#include "calendar/moment_chart.h"

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

QueryMatch matchAt(CivilDateTime t) {
    return QueryMatch{t, pillarIndices(t), toLunar(t.date).value_or(LunarDate{})};
}

TEST(ResultRow, AMatchShowsItsMomentLunarDateAndSpacedChart) {
    const ResultRow row = resultRowOf(matchAt({{2016, 3, 16}, 22, 0, 0}));
    EXPECT_EQ(row.gregorian, "2016年3月16日22时");
    EXPECT_EQ(row.lunar, "2016年 2月 初8");
    EXPECT_EQ(row.chart, "丙申 辛卯 丁酉 辛亥");
    // A leap month: 2020-06-16 is lunar 2020, leap 4th month, day 25.
    EXPECT_EQ(resultRowOf(matchAt({{2020, 6, 16}, 0, 0, 0})).lunar, "2020年 闰4月 初25");
}

TEST(Outcome, TheMessageAndPageFollowTheCounts) {
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
    EXPECT_EQ(kProgressStatus, "前三天查询中。。。");
    EXPECT_EQ(kFinishedStatus, "查询列表完毕！");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        const QueryOutcome outcome = outcomeOf(c.conditions, c.matches);
        const auto message = outcomeMessage(outcome);
        EXPECT_EQ(message.has_value(), c.message != nullptr);
        if (c.message) {
            EXPECT_EQ(*message, c.message);
        }
        EXPECT_EQ(outcome == QueryOutcome::matches, c.page);
    }
}

TEST(LunarTimeText, InitialBeforeEveryDayAndLeapMonths) {
    EXPECT_EQ(lunarTimeText(LunarDate{2016, 2, 8, false}), "2016年 2月 初8");
    EXPECT_EQ(lunarTimeText(LunarDate{2016, 2, 25, false}), "2016年 2月 初25");
    EXPECT_EQ(lunarTimeText(LunarDate{2020, 5, 25, true}), "2020年 闰5月 初25");
    // The form's moment chart writes the same text.
    const CivilDateTime t{{2016, 3, 16}, 22, 0, 0};
    EXPECT_EQ(lunarTimeText(*toLunar(t.date)), lunarTimeText(momentChartOf(t)));
}

TEST(DisplayWidth, CjkCharactersTakeTwoColumns) {
    EXPECT_EQ(displayWidth("公历时间"), 8u);
    EXPECT_EQ(displayWidth("2016年 2月 初8"), 14u);
    EXPECT_EQ(padToWidth("八字", 6), "八字  ");
    EXPECT_EQ(padToWidth("八字", 3), "八字");
}

} // namespace

// The whole query on real dates: the window, the order of matches, the grid
// rows, the labels and the outcome, and the range of reference dates.
#include "query/query_driver.h"

#include "texts/result_texts.h"

#include "row_builder.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using namespace bazi;
using rowtest::RowText;
using rowtest::setRow;

constexpr CivilDate kMarch16{2016, 3, 16};

std::vector<ResultRow> rowsOf(const QueryResult& r) {
    std::vector<ResultRow> rows;
    for (const QueryMatch& match : r.matches)
        rows.push_back(resultRowOf(match));
    return rows;
}

FormState formWith(CivilDate date, GroupId group, const RowText& row) {
    FormState form(date);
    setRow(form, group, 1, row);
    return form;
}

TEST(QueryMoments, ThirtySixEvenHoursFrom22hOfTheDateBackTo0hTwoDaysBefore) {
    const auto moments = queryMoments(kMarch16);
    ASSERT_EQ(moments.size(), 36u);
    EXPECT_EQ(moments[0], (CivilDateTime{{2016, 3, 16}, 22, 0, 0}));
    EXPECT_EQ(moments[11], (CivilDateTime{{2016, 3, 16}, 0, 0, 0}));
    EXPECT_EQ(moments[12], (CivilDateTime{{2016, 3, 15}, 22, 0, 0}));
    EXPECT_EQ(moments[35], (CivilDateTime{{2016, 3, 14}, 0, 0, 0}));
    for (std::size_t k = 1; k < moments.size(); ++k)
        EXPECT_EQ(addHours(moments[k], 2), moments[k - 1]) << "slot " << k + 1;
}

TEST(QueryMoments, TheWindowCrossesMonthAndYearEnds) {
    EXPECT_EQ(queryMoments({2016, 3, 1})[35], (CivilDateTime{{2016, 2, 28}, 0, 0, 0}));
    EXPECT_EQ(queryMoments({2017, 3, 1})[35], (CivilDateTime{{2017, 2, 27}, 0, 0, 0}));
    EXPECT_EQ(queryMoments({2020, 1, 1})[13], (CivilDateTime{{2019, 12, 31}, 20, 0, 0}));
}

TEST(RunQuery, WithoutAnyConditionNothingIsExamined) {
    FormState form(kMarch16);
    // Position, count and reveal controls set on a row whose value is "-".
    form.select("组合框_位置支1", 2);
    form.select("组合框_支数量1", 3);
    const QueryResult r = runQuery(form);
    EXPECT_EQ(r.conditionCount, 0);
    EXPECT_EQ(r.matchCount(), 0);
    EXPECT_TRUE(r.matches.empty());
    EXPECT_EQ(r.outcome, QueryOutcome::noCondition);
    EXPECT_EQ(summaryText(r.conditionCount, r.matchCount()), "条件数：0  符合数：0");
    EXPECT_EQ(outcomeMessage(r.outcome), "未设置条件！");
}

TEST(RunQuery, EveryMomentMatchingFillsThirtySixRowsNewestFirst) {
    // 子 absent or not, some branch is always missing: 不指定 / 不固定 / "0".
    const QueryResult r = runQuery(formWith(kMarch16, GroupId::branch, {"不指定", "不固定", "0"}));
    EXPECT_EQ(r.conditionCount, 1);
    EXPECT_EQ(r.matchCount(), 36);
    ASSERT_EQ(r.matches.size(), 36u);
    EXPECT_EQ(summaryText(r.conditionCount, r.matchCount()), "条件数：1  符合数：36");
    EXPECT_FALSE(outcomeMessage(r.outcome).has_value());
    EXPECT_EQ(r.outcome, QueryOutcome::matches);
    const auto rows = rowsOf(r);
    EXPECT_EQ(rows[0].gregorian, "2016年3月16日22时");
    EXPECT_EQ(rows[0].lunar, "2016年 2月 初8");
    EXPECT_EQ(rows[0].chart, "丙申 辛卯 丁酉 辛亥");
    EXPECT_EQ(rows[11].gregorian, "2016年3月16日");
    EXPECT_EQ(rows[11].chart, "丙申 辛卯 丁酉 庚子");
    EXPECT_EQ(rows[34].gregorian, "2016年3月14日2时");
    EXPECT_EQ(rows[35].gregorian, "2016年3月14日");
    EXPECT_EQ(rows[35].lunar, "2016年 2月 初6");
    for (std::size_t k = 1; k < r.matches.size(); ++k)
        EXPECT_GT(r.matches[k - 1].moment, r.matches[k].moment);
}

TEST(RunQuery, TheHourBranchPicksOneMomentADay) {
    const QueryResult r = runQuery(formWith(kMarch16, GroupId::branch, {"亥", "时支", "非0"}));
    ASSERT_EQ(r.matchCount(), 3);
    const auto rows = rowsOf(r);
    EXPECT_EQ(rows[0].gregorian, "2016年3月16日22时");
    EXPECT_EQ(rows[1].gregorian, "2016年3月15日22时");
    EXPECT_EQ(rows[2].gregorian, "2016年3月14日22时");
    EXPECT_EQ(summaryText(r.conditionCount, r.matchCount()), "条件数：1  符合数：3");
}

TEST(RunQuery, RowsOfDifferentGroupsAreAnded) {
    FormState form(kMarch16);
    setRow(form, GroupId::branch, 1, {"亥", "时支", "非0"});
    setRow(form, GroupId::stem, 2, {"丁", "日干", "非0"}); // 2016-03-16 is 丁酉
    const QueryResult r = runQuery(form);
    EXPECT_EQ(r.conditionCount, 2);
    ASSERT_EQ(r.matchCount(), 1);
    EXPECT_EQ(resultRowOf(r.matches[0]).chart, "丙申 辛卯 丁酉 辛亥");
}

TEST(RunQuery, ContradictoryRowsFindNothing) {
    // The form's conflict example: 金 revealed (八字, 透干) and not revealed (藏干, 不透).
    FormState form(kMarch16);
    setRow(form, GroupId::elementChart, 1, {"金", "不固定", "非0", "透干"});
    setRow(form, GroupId::elementHidden, 1, {"金", "不固定", "非0", "ticked"});
    const QueryResult r = runQuery(form);
    EXPECT_EQ(r.matchCount(), 0);
    EXPECT_EQ(outcomeMessage(r.outcome), "指定时间内没有找到符合条件的八字或条件冲突！");
    EXPECT_NE(r.outcome, QueryOutcome::matches);
    EXPECT_TRUE(r.matches.empty());
}

TEST(RunQuery, ASpiritStarRowCountsAsACondition) {
    // A star stands at no more than four pillars, so count "5" can never hold.
    FormState form(kMarch16);
    setRow(form, GroupId::branch, 1, {"不指定", "不固定", "0"});
    form.select("组合框_神煞1", 1);
    form.select("组合框_神煞数1", 5);
    const QueryResult r = runQuery(form);
    EXPECT_EQ(r.conditionCount, 2);
    EXPECT_EQ(r.matchCount(), 0);
    EXPECT_EQ(summaryText(r.conditionCount, r.matchCount()), "条件数：2  符合数：0");
    EXPECT_EQ(outcomeMessage(r.outcome), "指定时间内没有找到符合条件的八字或条件冲突！");
}

TEST(RunQuery, TheSwapBoxChangesTenGodsOfTheSwappedBranches) {
    // The day stem is 丁 (yin fire) on 03-16 only. To 丁 a yang water branch is
    // 正官, a yin one 偏官: 子 is yang and 亥 yin, the other way round when
    // "亥子巳午阴阳置换" is ticked.
    const auto hourOfMatches = [](const FormState& form) {
        std::vector<std::string> out;
        for (const QueryMatch& match : runQuery(form).matches)
            out.push_back(resultRowOf(match).gregorian);
        return out;
    };
    using Texts = std::vector<std::string>;
    FormState form(kMarch16);
    setRow(form, GroupId::stem, 1, {"丁", "日干", "非0"});
    setRow(form, GroupId::tenGodChart, 1, {"偏官", "时支", "非0"});
    EXPECT_EQ(hourOfMatches(form), Texts{"2016年3月16日22时"});
    form.setChecked(std::string(kSwapCheckBox), true);
    EXPECT_EQ(hourOfMatches(form), Texts{"2016年3月16日"});
    setRow(form, GroupId::tenGodChart, 1, {"正官", "时支", "非0"});
    EXPECT_EQ(hourOfMatches(form), Texts{"2016年3月16日22时"});
}

TEST(RunQuery, ReferenceDatesWhoseWindowLeavesTheCalendarAreRefused) {
    const struct {
        CivilDate date;
        bool runs;
        const char* note;
    } cases[] = {
        {{1800, 1, 3}, true, "first date: the window starts 1800-01-01 00:00"},
        {{1800, 1, 2}, false, "the window would start 1799-12-31"},
        {{1799, 6, 1}, false, "before the calendar"},
        {{1901, 2, 20}, true, "1901-02-20: the window reaches into lunar 1900"},
        {{2200, 12, 31}, true, "last date"},
        {{2201, 1, 1}, false, "after the calendar"},
        {{2023, 2, 30}, false, "not a real day"},
        {{}, false, "no date at all"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        const FormState form = formWith(c.date, GroupId::branch, {"不指定", "不固定", "0"});
        if (c.runs) {
            const QueryResult r = runQuery(form);
            EXPECT_EQ(r.matchCount(), 36);
            for (const ResultRow& row : rowsOf(r))
                EXPECT_EQ(row.chart.size(), std::string("丙申 辛卯 丁酉 辛亥").size());
        } else {
            EXPECT_THROW((void)runQuery(form), std::out_of_range);
        }
    }
}

} // namespace

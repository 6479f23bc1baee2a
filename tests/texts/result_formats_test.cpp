// The result's file formats, shared by `bazi-seek query --json/--csv` and the
// window's export.
#include "texts/result_formats.h"

#include "calendar/four_pillars.h"

#include <gtest/gtest.h>

namespace {

using namespace bazi;

QueryMatch matchAt(CivilDateTime t) {
    return QueryMatch{t, pillarIndices(t), toLunar(t.date).value_or(LunarDate{})};
}

TEST(ResultFormats, JsonIsOneLineWithTheGridsTexts) {
    QueryResult result;
    result.conditionCount = 1;
    result.matches = {matchAt({{2016, 3, 16}, 22, 0, 0}), matchAt({{2016, 3, 16}, 0, 0, 0})};
    result.outcome = QueryOutcome::matches;
    EXPECT_EQ(
        queryResultJson(result),
        R"({"conditions":1,"matches":2,"status":"查询列表完毕！","summary":"条件数：1  符合数：2",)"
        R"("message":null,"page":"查询结果","rows":[)"
        R"({"moment":"2016-03-16T22:00:00","gregorian":"2016年3月16日22时","lunar":"2016年 2月 初8","chart":"丙申 辛卯 丁酉 辛亥"},)"
        R"({"moment":"2016-03-16T00:00:00","gregorian":"2016年3月16日","lunar":"2016年 2月 初8","chart":"丙申 辛卯 丁酉 庚子"}]})"
        "\n");

    QueryResult none;
    none.outcome = QueryOutcome::noCondition;
    EXPECT_EQ(
        queryResultJson(none),
        R"({"conditions":0,"matches":0,"status":"查询列表完毕！","summary":"条件数：0  符合数：0",)"
        R"("message":"未设置条件！","page":null,"rows":[]})"
        "\n");
}

TEST(ResultFormats, CsvHasAHeaderAndOneLinePerMatch) {
    QueryResult result;
    result.conditionCount = 2;
    result.matches = {matchAt({{2020, 6, 1}, 4, 0, 0})};
    result.outcome = QueryOutcome::matches;
    EXPECT_EQ(queryResultCsv(result), "moment,gregorian,lunar,chart\n"
                                      "2020-06-01T04:00:00,2020年6月1日4时,2020年 闰4月 初10,"
                                      "庚子 辛巳 乙亥 戊寅\n");
    EXPECT_EQ(queryResultCsv(QueryResult{}), "moment,gregorian,lunar,chart\n");
}

TEST(ResultFormats, CsvFieldsAreQuotedOnlyWhenTheyMustBe) {
    EXPECT_EQ(csvField("丙申 辛卯"), "丙申 辛卯");
    EXPECT_EQ(csvField("a,b"), "\"a,b\"");
    EXPECT_EQ(csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csvField("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(isoMomentText({{1901, 2, 19}, 0, 0, 0}), "1901-02-19T00:00:00");
}

} // namespace

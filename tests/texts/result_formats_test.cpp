// The result's file formats, shared by `bazi-seek query --json/--csv` and the
// window's export.
#include "texts/result_formats.h"
#include "texts/span_formats.h"

#include "calendar/four_pillars.h"
#include "search/span_walker.h"

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

// Shanghai's clocks went from 02:00 (+08:00) to 03:00 (+09:00) on 1988-04-17;
// the pillars follow standard time, so 04:00 of the clock is the 寅 hour's cut.
TEST(ResultFormats, UnderABasisEachRowAddsItsOffsetAndTheCutsNearIt) {
    TimeBasis basis;
    basis.zone = ClockZone::fromName("Asia/Shanghai").zone;
    const BasisWindow window = basisWindowOf({1988, 4, 17}, basis);
    QueryResult result;
    result.conditionCount = 1;
    result.outcome = QueryOutcome::matches;
    for (const CivilDateTime m :
         {CivilDateTime{{1988, 4, 17}, 4, 0, 0}, CivilDateTime{{1988, 4, 16}, 4, 0, 0}})
        result.matches.push_back(*windowChartSourceOf(window)(m));
    EXPECT_EQ(queryResultCsv(result, &window),
              "moment,gregorian,lunar,chart,utcOffset,near\n"
              "1988-04-17T04:00:00,1988年4月17日4时,1988年 3月 初2,戊辰 丙辰 壬寅 壬寅,+09:00,"
              "时辰交接 1988-04-17T04:00:00+09:00\n"
              "1988-04-16T04:00:00,1988年4月16日4时,1988年 3月 初1,戊辰 丙辰 辛丑 庚寅,+08:00,\n");
    const std::string json = queryResultJson(result, &window);
    EXPECT_NE(
        json.find(R"("chart":"戊辰 丙辰 壬寅 壬寅","utcOffset":"+09:00","near":[{"cut":"时辰交接",)"
                  R"("at":"1988-04-17T04:00:00","utcOffset":"+09:00","side":"before",)"
                  R"("seconds":0,"pillars":["戊辰","丙辰","壬寅","辛丑"]}]})"),
        std::string::npos)
        << json;
    EXPECT_EQ(json.find("solarTime"), std::string::npos);
}

// A span across the change: its ends on the clock, each with its offset.
TEST(ResultFormats, UnderABasisASpanIsWrittenOnItsClock) {
    TimeBasis basis;
    basis.zone = ClockZone::fromName("Asia/Shanghai").zone;
    const Span span{
        civilSecondsOf({{1988, 4, 17}, 1, 0, 0}), civilSecondsOf({{1988, 4, 17}, 3, 0, 0}),
        pillarIndices({{1988, 4, 17}, 1, 0, 0}), CutReason::hourChange, CutReason::hourChange};
    EXPECT_EQ(spanCsvHeader(&basis),
              "start,end,pillars,lunar,startCut,endCut,utcOffset,endUtcOffset\n");
    EXPECT_EQ(spanCsvLine(span, &basis),
              "1988-04-17T01:00:00,1988-04-17T04:00:00,戊辰 丙辰 壬寅 辛丑,龙年(戊辰)三月初二,"
              "时辰交接,时辰交接,+08:00,+09:00\n");
    EXPECT_EQ(
        spanJsonLine(span, &basis),
        R"({"start": "1988-04-17T01:00:00", "end": "1988-04-17T04:00:00", "pillars": )"
        R"(["戊辰", "丙辰", "壬寅", "辛丑"], "lunar": {"year": 1988, "month": 3, "day": 2, )"
        R"("leap": false}, "startCut": "时辰交接", "endCut": "时辰交接", "utcOffset": "+08:00", )"
        R"("endUtcOffset": "+09:00"})"
        "\n");
    // Without a basis, the calendar's clock and nothing added.
    EXPECT_EQ(spanCsvLine(span, nullptr),
              "1988-04-17T01:00:00,1988-04-17T03:00:00,戊辰 丙辰 壬寅 辛丑,龙年(戊辰)三月初二,"
              "时辰交接,时辰交接\n");
}

} // namespace

// The chart tables as the command line prints them: JSON keys and order, and
// the text table's alignment.
#include "cli/chart_tables_output.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(ChartTablesOutput, JsonOfAWholeChart) {
    const bazi::ChartTable chart = bazi::fillChartTable("丙申 辛卯 丁酉 辛亥", 1);
    const bazi::HiddenStemTable hidden = bazi::fillHiddenStemTable(chart, 1);
    const nlohmann::ordered_json json = bazi::cli::chartTablesJson(chart, hidden);
    ASSERT_EQ(json["cells"].size(), 8u);
    ASSERT_EQ(json["hiddenStems"].size(), 12u);
    EXPECT_EQ(json["cells"][0].dump(),
              R"({"position":"年干","character":"丙","element":"火","tenGod":"劫财","ordinal":3})");
    EXPECT_EQ(
        json["cells"][7].dump(),
        R"({"position":"时支","character":"亥","element":"水","tenGod":"偏官","ordinal":12})");
    EXPECT_EQ(
        json["hiddenStems"][2].dump(),
        R"({"branch":"年支","slot":3,"character":"戊","element":"土","tenGod":"伤官","ordinal":5})");
    EXPECT_EQ(json["hiddenStems"][4].dump(),
              R"({"branch":"月支","slot":2,"character":"","element":"","tenGod":"","ordinal":0})");
    EXPECT_EQ(json["hiddenStems"][11]["branch"], "时支");
    EXPECT_EQ(json["hiddenStems"][11]["slot"], 3);
}

TEST(ChartTablesOutput, TextTable) {
    const bazi::ChartTable chart = bazi::fillChartTable("丙申辛卯丁酉辛亥", 0);
    const bazi::HiddenStemTable hidden = bazi::fillHiddenStemTable(chart, 0);
    std::ostringstream out;
    bazi::cli::printChartTables(out, chart, hidden, false);
    EXPECT_EQ(out.str(), "八字  年干 年支 月干 月支 日干 日支 时干 时支\n"
                         "字    丙   申   辛   卯   丁   酉   辛   亥\n"
                         "五行  火   金   金   木   火   金   金   水\n"
                         "十神  劫财 正财 偏财 偏印 比肩 偏财 偏财 正官\n"
                         "序数  3    9    8    4    4    10   8    12\n"
                         "藏干  年支           月支           日支           时支\n"
                         "字    庚   壬   戊   乙   -    -    辛   -    -    壬   甲   -\n"
                         "五行  金   水   土   木   -    -    金   -    -    水   木   -\n"
                         "十神  正财 正官 伤官 偏印 -    -    偏财 -    -    正官 正印 -\n"
                         "序数  7    9    5    2    0    0    8    0    0    9    1    0\n");
    std::ostringstream json;
    bazi::cli::printChartTables(json, chart, hidden, true);
    EXPECT_EQ(json.str(), bazi::cli::chartTablesJson(chart, hidden).dump() + "\n");
}

} // namespace

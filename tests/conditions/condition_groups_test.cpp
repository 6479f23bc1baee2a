// The seven condition groups, row by row, on charts worked out by hand from the
// traditional tables (elements, hidden stems, ten-gods to the day stem).
//
// Chart A, 丙申 辛卯 丁酉 辛亥 (2016-03-16 22:00), day stem 丁 (yin fire):
//   elements   火 金 | 金 木 | 火 金 | 金 水      eight: 金4 火2 木1 水1 土0
//   hidden     申 庚壬戊 | 卯 乙 | 酉 辛 | 亥 壬甲  twelve slots: 金2 水2 木2 土1 火0
//   ten-gods   劫财 正财 | 偏财 偏印 | 比肩 偏财 | 偏财 偏官 (亥 正官 when swapped)
//   hidden     正财 正官 伤官 | 偏印 | 偏财 | 正官 正印
#include "conditions/branch_group.h"
#include "conditions/element_chart_group.h"
#include "conditions/element_hidden_group.h"
#include "conditions/hidden_stem_group.h"
#include "conditions/stem_group.h"
#include "conditions/ten_god_chart_group.h"
#include "conditions/ten_god_hidden_group.h"

#include "row_builder.h"

#include <gtest/gtest.h>

namespace {

using namespace bazi;
using rowtest::RowText;

constexpr const char* kChartA = "丙申辛卯丁酉辛亥";

struct RowCase {
    const char* chart;
    RowText row;
    bool want;
    const char* note;
    bool swapTicked = false;
};

template <class Group> void checkCases(GroupId id, std::initializer_list<RowCase> cases) {
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.note);
        const ConditionRow row = rowtest::rowOf(id, c.row, c.swapTicked);
        const ChartFacts facts = rowtest::factsOf(c.chart);
        EXPECT_EQ(rowSatisfiedBy<Group>(row, facts), c.want);
        EXPECT_EQ(evaluateRowOf<Group>(row, facts).satisfied, c.want);
    }
}

// The candidate at which CountTest stops.
template <class Group> std::string soughtOf(GroupId id, const char* chart, const RowText& row) {
    const auto found = Group::countTest(rowtest::rowOf(id, row), rowtest::factsOf(chart));
    return found ? std::string(soughtItemText(*found)) : std::string("(none)");
}

TEST(ElementChartGroup, Rows) {
    checkCases<ElementChartGroup>(
        GroupId::elementChart,
        {
            // The form's example: 金 on a stem and on exactly three of the eight.
            {"庚午戊寅丙申乙酉",
             {"金", "天干", "3"},
             true,
             "金 on 庚 and on 申 酉: three, one on a stem"},
            {"甲申丙申丙午戊酉", {"金", "天干", "3"}, false, "three 金 but all on branches"},
            {kChartA, {"金", "天干", "3"}, false, "four 金: the count fails"},
            {kChartA, {"金", "天干", "4"}, true, "four 金, two on stems"},
            {kChartA, {"金", "地支", ">=2"}, true, "申 酉 are 金 branches"},
            {kChartA, {"金", "年支", "非0"}, true, "year branch 申 is 金"},
            {kChartA, {"金", "月支", "非0"}, false, "month branch 卯 is 木"},
            {kChartA,
             {"土", "不固定", "0"},
             true,
             "no 土 among the eight (the hidden 戊 does not count)"},
            // The form's example: any element exactly once.
            {kChartA, {"不指定", "不固定", "1"}, true, "水 and 木 stand once"},
            {"甲子丙午丙午庚申",
             {"不指定", "不固定", "1", "透干"},
             false,
             "水 (子) is the first element standing once; 木 (甲) would pass 透干 but is not "
             "tried"},
            {"甲子丙午丙午庚申", {"不指定", "不固定", "1", "不透"}, true, "水 is on no stem"},
            {kChartA, {"不指定", "天干", "非0"}, false, "不指定 with 天干 never passes"},
            {kChartA, {"不指定", "地支", ">=2"}, false, "不指定 with 地支 never passes"},
            {kChartA, {"不指定", "日干", "非0"}, true, "the day stem's element is always there"},
            {kChartA, {"不指定", "日干", "非0", "不透"}, false, "and it always stands on a stem"},
            {kChartA, {"不指定", "日干", "非0", "透干"}, true, "透干 for the day stem's element"},
            {kChartA, {"不指定", "日支", "4"}, true, "日支 酉 is 金, four 金"},
            {"丙午甲午丙寅戊戌",
             {"水", "不固定", "0", "虚浮"},
             true,
             "no 水 anywhere, hidden stems included"},
            {"丙午甲午丙辰戊戌", {"水", "不固定", "0", "虚浮"}, false, "辰 hides 癸: 水 is rooted"},
            {"丙午甲午丙辰戊戌", {"水", "不固定", "0", "通根"}, true, "通根 through 辰's 癸"},
            {kChartA,
             {"火", "不固定", "2", "通根"},
             false,
             "火 on 丙 丁 but no branch hides 丙 or 丁"},
            {kChartA, {"火", "不固定", "2", "虚浮"}, true, "火 only on the stems"},
            {kChartA, {"木", "不固定", "1", "透干"}, false, "木 only on the branch 卯"},
            {kChartA, {"金", "不固定", "4", "none"}, false, "no reveal option checked"},
            {kChartA, {"金", "不固定", "<=3"}, false, "<=3 with four 金"},
            {kChartA, {"金", "不固定", "非8"}, true, "非8"},
        });
}

TEST(ElementChartGroup, TheFirstCandidateMeetingTheCountIsTheOneJudged) {
    EXPECT_EQ(
        soughtOf<ElementChartGroup>(GroupId::elementChart, kChartA, {"不指定", "不固定", "1"}),
        "水");
    EXPECT_EQ(
        soughtOf<ElementChartGroup>(GroupId::elementChart, kChartA, {"不指定", "不固定", "0"}),
        "土");
    EXPECT_EQ(soughtOf<ElementChartGroup>(GroupId::elementChart, kChartA, {"不指定", "年干", "2"}),
              "火");
}

TEST(ElementHiddenGroup, Rows) {
    checkCases<ElementHiddenGroup>(
        GroupId::elementHidden,
        {
            {kChartA,
             {"金", "不固定", "2"},
             true,
             "the form's example: 庚 辛 are the two 金 slots"},
            {kChartA, {"金", "不固定", "1"}, false, "two 金 slots, not one"},
            // The form's example: 水 twice, one in the hour branch, on no stem.
            {kChartA, {"水", "时柱", "2", "ticked"}, true, "壬 in 申 and 亥, no 水 stem"},
            {"壬申辛卯丁酉辛亥", {"水", "时柱", "2", "ticked"}, false, "壬 on the year stem"},
            {kChartA, {"水", "月柱", "2"}, false, "卯 hides only 乙"},
            {kChartA, {"火", "不固定", "0"}, true, "no hidden 火"},
            {kChartA,
             {"不指定", "年柱", "1"},
             true,
             "申's 金 2 and 水 2 fail, 土 (戊) once passes"},
            {kChartA, {"不指定", "年柱", "1", "ticked"}, true, "土 on no stem"},
            {kChartA, {"不指定", "不固定", "非0"}, true, "金 is hidden"},
            {kChartA,
             {"不指定", "不固定", "<=1"},
             true,
             "火, hidden nowhere, is the first at most once"},
            {kChartA,
             {"不指定", "不固定", "0", "ticked"},
             false,
             "火 is the one missing, and 丙 丁 are 火"},
            {kChartA, {"不指定", "时柱", "4"}, false, "亥's 水 and 木 are each hidden twice"},
            // An unfilled slot is no element: it must not satisfy a row.
            {kChartA,
             {"不指定", "月柱", ">=3"},
             false,
             "卯: 木 twice; its two empty slots are no candidates"},
            {kChartA,
             {"不指定", "日柱", ">=3"},
             false,
             "酉: 金 twice; its two empty slots are no candidates"},
        });
}

TEST(ElementHiddenGroup, NotRevealedJudgesTheCandidateTheCountStoppedAt) {
    // Chart 甲寅 庚申 庚申 庚申: the year branch 寅 hides 甲丙戊; with count "1"
    // 木 (甲, once) is found first and stands on the year stem 甲, so 不透 fails,
    // although 火 (丙, once, on no stem) would have passed.
    EXPECT_EQ(soughtOf<ElementHiddenGroup>(GroupId::elementHidden, "甲寅庚申庚申庚申",
                                           {"不指定", "年柱", "1"}),
              "木");
    checkCases<ElementHiddenGroup>(
        GroupId::elementHidden,
        {
            {"甲寅庚申庚申庚申", {"不指定", "年柱", "1", "ticked"}, false, "木 is on a stem"},
        });
}

TEST(StemGroup, Rows) {
    checkCases<StemGroup>(
        GroupId::stem,
        {
            {"甲子丙寅戊辰壬子", {"甲", "年干", "1"}, true, "甲 on the year stem only"},
            {"甲子丙寅戊辰壬子",
             {"甲", "年干", "0"},
             false,
             "a fixed position and count 0 conflict"},
            {"甲子甲寅戊辰壬子", {"甲", "年干", "1"}, false, "甲 also on the month stem"},
            {kChartA, {"甲", "年干", "非0"}, false, "year stem 丙"},
            {kChartA, {"辛", "时干", "2"}, true, "辛 on month and hour stems"},
            {kChartA, {"不指定", "不固定", "2"}, true, "辛 twice"},
            {kChartA, {"不指定", "不固定", "2", "ticked"}, false, "辛 is hidden in 酉"},
            {"辛卯辛卯丙午丙午",
             {"不指定", "不固定", "2", "ticked"},
             true,
             "丙 comes first and no branch hides it"},
            {"丙寅丙午辛卯辛卯",
             {"不指定", "不固定", "2", "ticked"},
             false,
             "丙 comes first and 寅 hides it; 辛 would have passed"},
            {kChartA, {"不指定", "日干", ">=2"}, false, "丁 once"},
            {"辛卯辛卯丙午丙午",
             {"不指定", "日干", ">=2"},
             true,
             "the day stem 丙 again on the hour"},
            {kChartA, {"庚", "不固定", "0", "ticked"}, false, "no 庚 stem, but 申 hides 庚"},
            {kChartA, {"甲", "不固定", "0", "ticked"}, false, "亥 hides 甲"},
            {kChartA, {"癸", "不固定", "0", "ticked"}, true, "癸 nowhere"},
        });
}

TEST(BranchGroup, Rows) {
    checkCases<BranchGroup>(
        GroupId::branch,
        {
            {kChartA, {"不指定", "不固定", "0"}, true, "子 is missing"},
            {kChartA, {"不指定", "不固定", ">=0"}, true, ">=0"},
            {kChartA, {"不指定", "不固定", "非4"}, true, "非4"},
            {kChartA, {"不指定", "不固定", "<=3"}, true, "<=3"},
            {kChartA, {"不指定", "不固定", "2"}, false, "no branch twice"},
            {kChartA,
             {"不指定", "年支", "0"},
             false,
             "the pillar's own branch is there at least once"},
            {kChartA, {"不指定", "年支", "1"}, true, "申 only on the year"},
            {"甲申丙子庚申戊寅", {"不指定", "年支", "1"}, false, "申 on year and day"},
            {kChartA, {"亥", "时支", "1"}, true, "亥 on the hour and nowhere else"},
            {kChartA, {"亥", "年支", "非0"}, false, "亥 is not the year branch"},
            {kChartA, {"子", "不固定", "0"}, true, "子 absent"},
            {"丙申辛卯丁酉庚子", {"子", "不固定", "0"}, false, "子 on the hour"},
        });
}

TEST(HiddenStemGroup, Rows) {
    checkCases<HiddenStemGroup>(
        GroupId::hiddenStem,
        {
            {kChartA, {"壬", "时柱", "2", "ticked"}, true, "壬 in 申 and 亥, on no stem"},
            {kChartA, {"乙", "月柱", "1"}, true, "卯 hides 乙"},
            {kChartA,
             {"丁", "月柱", ">=0"},
             false,
             "卯 hides only 乙; its empty slots equal no stem"},
            {kChartA, {"不指定", "不固定", "0"}, true, "丙 is the first stem no branch hides"},
            {kChartA, {"不指定", "不固定", "0", "ticked"}, false, "and 丙 is the year stem"},
            {kChartA, {"不指定", "年柱", "1", "ticked"}, true, "庚 once, on no stem"},
            {"丙申庚卯丁酉辛亥",
             {"不指定", "年柱", "1", "ticked"},
             false,
             "庚 once but on the month stem; 戊 (once, on no stem) is not tried"},
            // An unfilled slot is no stem: it must not satisfy a row (as written, the
            // phantom slot's count of 0 satisfied "0").
            {kChartA,
             {"不指定", "月柱", "0"},
             false,
             "卯: 乙 once; the empty slots are no candidates"},
            {kChartA, {"不指定", "日柱", "0"}, false, "酉: 辛 once"},
            {kChartA, {"不指定", "时柱", "2"}, true, "亥: 壬 twice"},
        });
}

TEST(TenGodChartGroup, Rows) {
    checkCases<TenGodChartGroup>(
        GroupId::tenGodChart,
        {
            {kChartA,
             {"比肩", "不固定", "0"},
             true,
             "比肩 only on the day stem, which is not counted"},
            {kChartA, {"比肩", "不固定", "1"}, false, "the day stem is not counted"},
            {kChartA, {"偏财", "不固定", "3", "透干"}, true, "辛 辛 酉; two on stems"},
            {kChartA, {"偏财", "时干", "3"}, true, "hour stem 辛 is 偏财"},
            {kChartA, {"偏财", "日支", "3"}, true, "place 5 is the day branch 酉"},
            {kChartA, {"偏财", "月支", "3"}, false, "month branch 卯 is 偏印"},
            {kChartA, {"正官", "月干", "非0"}, false, "month stem 辛 is 偏财"},
            {kChartA, {"偏官", "时支", "1"}, true, "亥 is 偏官 for 丁"},
            {kChartA, {"偏官", "时支", "1"}, false, "with 亥子巳午 swapped 亥 is 正官", true},
            {kChartA, {"正官", "时支", "1"}, true, "swapped", true},
            {kChartA, {"不指定", "天干", "1", "透干"}, true, "劫财 (year stem) once, on a stem"},
            {kChartA,
             {"不指定", "天干", "0", "透干"},
             false,
             "the day stem's 比肩 counts 0: found, not on a counted stem"},
            {kChartA, {"不指定", "天干", "0", "不透"}, true, "比肩 on no counted stem"},
            {kChartA, {"不指定", "地支", "非0"}, false, "不指定 with 地支 never passes"},
            {kChartA,
             {"不指定", "不固定", "0", "通根"},
             true,
             "正印 is first missing and 亥 hides 甲"},
            {kChartA, {"不指定", "不固定", "0", "虚浮"}, false, "so it is not floating"},
            {kChartA, {"正官", "不固定", "0", "通根"}, true, "正官 only hidden (壬 twice)"},
            {kChartA, {"劫财", "天干", "1", "不透"}, false, "劫财 on the year stem"},
            {kChartA, {"偏印", "月支", "1", "透干"}, false, "偏印 only on 卯"},
            {kChartA, {"偏印", "月支", "1", "none"}, false, "no option checked"},
        });
}

TEST(TenGodChartGroup, NotSpecifiedWithStemsTriesTheFourStemsInPillarOrder) {
    EXPECT_EQ(soughtOf<TenGodChartGroup>(GroupId::tenGodChart, kChartA, {"不指定", "天干", "1"}),
              "劫财");
    EXPECT_EQ(soughtOf<TenGodChartGroup>(GroupId::tenGodChart, kChartA, {"不指定", "天干", "3"}),
              "偏财");
    EXPECT_EQ(soughtOf<TenGodChartGroup>(GroupId::tenGodChart, kChartA, {"不指定", "天干", "0"}),
              "比肩");
    EXPECT_EQ(soughtOf<TenGodChartGroup>(GroupId::tenGodChart, kChartA, {"不指定", "不固定", "0"}),
              "正印");
}

TEST(TenGodHiddenGroup, Rows) {
    checkCases<TenGodHiddenGroup>(
        GroupId::tenGodHidden,
        {
            {kChartA, {"正官", "时柱", "2", "ticked"}, true, "壬 in 申 and 亥; no stem bears 正官"},
            {kChartA,
             {"正官", "月柱", ">=0"},
             false,
             "卯 hides only 偏印; empty slots bear no name"},
            {kChartA, {"偏印", "月柱", "1"}, true, "卯's 乙"},
            {kChartA, {"不指定", "年柱", "0"}, true, "the year stem's 劫财 is hidden nowhere"},
            {kChartA, {"不指定", "年柱", "1"}, false, "劫财 is hidden nowhere"},
            {kChartA, {"不指定", "日柱", "0"}, true, "the day stem's own 比肩 is hidden nowhere"},
            {kChartA,
             {"不指定", "月柱", "1"},
             true,
             "the month stem's 偏财 is hidden once (酉's 辛)"},
            {kChartA,
             {"比肩", "不固定", "0", "ticked"},
             false,
             "the day stem bears 比肩 and counts here"},
            {kChartA,
             {"不指定", "不固定", ">=1", "ticked"},
             true,
             "正印 (亥's 甲) first, on no stem"},
            {kChartA, {"偏财", "不固定", "1", "ticked"}, false, "辛 stems bear 偏财"},
        });
}

} // namespace

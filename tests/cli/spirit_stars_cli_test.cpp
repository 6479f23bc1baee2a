// Golden tests of the spirit stars on the command line: the stars of `chart`
// with and without --female, and 神煞 rows set in `query`.
#include "cli_run.h"

#include <gtest/gtest.h>

#include <string>

namespace bazi::test {
namespace {

struct GoldenCase {
    const char* note;
    const char* arguments;
    const char* out;
};

// 癸卯 己未 甲戌 庚午, worked by hand: 咸池 at the year (from the day 戌), 天乙 (甲→未)
// and 华盖 (卯→未) at the month, 天德 and 月德 (未→甲) at the day stem, 天医 (未→午),
// 将星 (戌→午) and 童子 (纳音 金 → 午) at the hour; 元辰 of the yin 卯 year is 申 for
// a man (absent) and 戌 for a woman (the day).
TEST(SpiritStarsCli, ChartGoldenOutput) {
    const GoldenCase cases[] = {
        {"text", "chart \"2023-07-15 12:00\"",
         "2023-07-15 12:00:00  八字 癸卯 己未 甲戌 庚午  农历 2023年 5月 初28  节气 小暑 "
         "2023-07-07 16:30:22"
         "  神煞  年柱 咸池  月柱 天乙贵人、华盖  日柱 天德贵人、月德贵人  时柱 "
         "天医、将星、童子\n"},
        {"text, read for a woman", "chart \"2023-07-15 12:00\" --female",
         "2023-07-15 12:00:00  八字 癸卯 己未 甲戌 庚午  农历 2023年 5月 初28  节气 小暑 "
         "2023-07-07 16:30:22"
         "  神煞  年柱 咸池  月柱 天乙贵人、华盖  日柱 天德贵人、月德贵人、元辰  时柱 "
         "天医、将星、童子\n"},
        {"JSON, read for a woman", "chart \"2023-07-15 12:00\" --female --json",
         R"({"moment": "2023-07-15T12:00:00", "pillars": ["癸卯", "己未", "甲戌", "庚午"], "lunar": {"year": 2023, "month": 5, "day": 28, "leap": false}, "lunarText": "2023年 5月 初28", "term": {"year": 2023, "n": 13, "name": "小暑", "moment": "2023-07-07T16:30:22"}, "stars": {"年柱": ["咸池"], "月柱": ["天乙贵人", "华盖"], "日柱": ["天德贵人", "月德贵人", "元辰"], "时柱": ["天医", "将星", "童子"]}})"
         "\n"},
    };
    for (const GoldenCase& c : cases) {
        SCOPED_TRACE(std::string(c.note) + ": bazi-seek " + c.arguments);
        const CliResult r = runBaziSeek(c.arguments);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, "");
    }
}

TEST(SpiritStarsCli, QueryWithSpiritStarRows) {
    const GoldenCase cases[] = {
        {"元辰 at the day pillar, male: the 壬申 day",
         "query --date 2023-07-14 --set 组合框_神煞1=元辰 --set 组合框_位置神煞1=日柱 "
         "--set 组合框_神煞数1=非0 --csv",
         "moment,gregorian,lunar,chart\n"
         "2023-07-13T22:00:00,2023年7月13日22时,2023年 5月 初26,癸卯 己未 壬申 辛亥\n"
         "2023-07-13T20:00:00,2023年7月13日20时,2023年 5月 初26,癸卯 己未 壬申 庚戌\n"
         "2023-07-13T18:00:00,2023年7月13日18时,2023年 5月 初26,癸卯 己未 壬申 己酉\n"
         "2023-07-13T16:00:00,2023年7月13日16时,2023年 5月 初26,癸卯 己未 壬申 戊申\n"
         "2023-07-13T14:00:00,2023年7月13日14时,2023年 5月 初26,癸卯 己未 壬申 丁未\n"
         "2023-07-13T12:00:00,2023年7月13日12时,2023年 5月 初26,癸卯 己未 壬申 丙午\n"
         "2023-07-13T10:00:00,2023年7月13日10时,2023年 5月 初26,癸卯 己未 壬申 乙巳\n"
         "2023-07-13T08:00:00,2023年7月13日8时,2023年 5月 初26,癸卯 己未 壬申 甲辰\n"
         "2023-07-13T06:00:00,2023年7月13日6时,2023年 5月 初26,癸卯 己未 壬申 癸卯\n"
         "2023-07-13T04:00:00,2023年7月13日4时,2023年 5月 初26,癸卯 己未 壬申 壬寅\n"
         "2023-07-13T02:00:00,2023年7月13日2时,2023年 5月 初26,癸卯 己未 壬申 辛丑\n"
         "2023-07-13T00:00:00,2023年7月13日,2023年 5月 初26,癸卯 己未 壬申 庚子\n"},
        {"the same for a woman finds nothing",
         "query --date 2023-07-14 --set 组合框_神煞1=元辰 --set 组合框_位置神煞1=日柱 "
         "--set 组合框_神煞数1=非0 --set 选择框_女命=true --csv",
         "moment,gregorian,lunar,chart\n"},
    };
    for (const GoldenCase& c : cases) {
        SCOPED_TRACE(std::string(c.note) + ": bazi-seek " + c.arguments);
        const CliResult r = runBaziSeek(c.arguments);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out, c.out);
    }
}

} // namespace
} // namespace bazi::test

// Golden tests of the calendar commands: chart, lunar, terms. Each case runs the
// real executable and checks its exit status, its whole stdout (or the lines it
// must hold) and what stderr says.

#include "cli_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace bazi::test {
namespace {

struct GoldenCase {
    const char* note;
    const char* arguments;
    const char* out; // the whole of stdout
};

void expectGolden(const GoldenCase& c) {
    SCOPED_TRACE(std::string(c.note) + ": bazi-seek " + c.arguments);
    const CliResult r = runBaziSeek(c.arguments);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.err, "");
}

TEST(CliChart, GoldenOutput) {
    const GoldenCase cases[] = {
        {"one moment as text", "chart \"2016-03-16 22:00\"",
         "2016-03-16 22:00:00  八字 丙申 辛卯 丁酉 辛亥  农历 2016年 2月 初8  节气 惊蛰 2016-03-05 "
         "11:43:23  神煞  年柱 天德贵人  月柱 元辰  日柱 天乙贵人、咸池、童子  时柱 "
         "天乙贵人、驿马\n"},
        {"the date and the time unquoted, two words", "chart 2016-03-16 22:00",
         "2016-03-16 22:00:00  八字 丙申 辛卯 丁酉 辛亥  农历 2016年 2月 初8  节气 惊蛰 2016-03-05 "
         "11:43:23  神煞  年柱 天德贵人  月柱 元辰  日柱 天乙贵人、咸池、童子  时柱 "
         "天乙贵人、驿马\n"},
        {"one moment as JSON", "chart \"2016-03-16 22:00\" --json",
         R"({"moment": "2016-03-16T22:00:00", "pillars": ["丙申", "辛卯", "丁酉", "辛亥"], "lunar": {"year": 2016, "month": 2, "day": 8, "leap": false}, "lunarText": "2016年 2月 初8", "term": {"year": 2016, "n": 5, "name": "惊蛰", "moment": "2016-03-05T11:43:23"}, "stars": {"年柱": ["天德贵人"], "月柱": ["元辰"], "日柱": ["天乙贵人", "咸池", "童子"], "时柱": ["天乙贵人", "驿马"]}})"
         "\n"},
        {"before 小寒 the previous year's 冬至 is in force", "chart 2016-01-03T12:00 --json",
         R"({"moment": "2016-01-03T12:00:00", "pillars": ["乙未", "戊子", "甲申", "庚午"], "lunar": {"year": 2015, "month": 11, "day": 24, "leap": false}, "lunarText": "2015年 11月 初24", "term": {"year": 2015, "n": 24, "name": "冬至", "moment": "2015-12-22T12:47:48"}, "stars": {"年柱": ["天乙贵人", "空亡"], "月柱": ["咸池", "将星", "元辰"], "日柱": [], "时柱": ["童子", "空亡"]}})"
         "\n"},
        {"first moment of the range", "chart \"1901-02-19 00:00\" --json",
         R"({"moment": "1901-02-19T00:00:00", "pillars": ["辛丑", "庚寅", "戊辰", "壬子"], "lunar": {"year": 1901, "month": 1, "day": 1, "leap": false, "reckoned": true}, "lunarText": "1901年 1月 初1", "term": {"year": 1901, "n": 3, "name": "立春", "moment": "1901-02-04T19:39:59"}, "stars": {"年柱": ["天乙贵人", "天医"], "月柱": ["驿马"], "日柱": ["童子"], "时柱": ["将星", "童子"]}})"
         "\n"},
        {"last second of the range", "chart \"2048-12-31 23:59:59\"",
         "2048-12-31 23:59:59  八字 戊辰 甲子 丙子 戊子  农历 2048年 11月 初27  节气 冬至 "
         "2048-12-21 13:01:23  神煞  年柱 华盖  月柱 将星  日柱 将星  时柱 将星\n"},
        {"the calendar's first moment: a reckoned lunar date, marked", "chart \"1800-01-01 00:00\"",
         "1800-01-01 00:00:00  八字 己未 丙子 庚寅 丙子  农历 1799年 12月 初7 推算  节气 冬至 "
         "1799-12-22 02:32:01  神煞  年柱 天乙贵人、空亡  月柱 咸池、元辰  日柱 -  时柱 "
         "咸池、元辰\n"},
        {"the calendar's first moment as JSON", "chart \"1800-01-01 00:00\" --json",
         R"({"moment": "1800-01-01T00:00:00", "pillars": ["己未", "丙子", "庚寅", "丙子"], "lunar": {"year": 1799, "month": 12, "day": 7, "leap": false, "reckoned": true}, "lunarText": "1799年 12月 初7", "term": {"year": 1799, "n": 24, "name": "冬至", "moment": "1799-12-22T02:32:01"}, "stars": {"年柱": ["天乙贵人", "空亡"], "月柱": ["咸池", "元辰"], "日柱": [], "时柱": ["咸池", "元辰"]}})"
         "\n"},
        {"the calendar's last second: lunar 2200, reckoned by today's rules, unmarked",
         "chart \"2200-12-31 23:59:59\"",
         "2200-12-31 23:59:59  八字 庚子 戊子 壬辰 庚子  农历 2200年 11月 初25  节气 冬至 "
         "2200-12-22 10:26:32  神煞  年柱 将星  月柱 将星  日柱 月德贵人、华盖、童子  时柱 将星\n"},
        {"a series in two-hour steps", "chart \"2016-03-14 00:00\" --to \"2016-03-14 04:00\"",
         "2016-03-14 00:00:00  八字 丙申 辛卯 乙未 丙子  农历 2016年 2月 初6  节气 惊蛰 2016-03-05 "
         "11:43:23  神煞  年柱 天乙贵人、天德贵人  月柱 将星、元辰  日柱 -  时柱 "
         "天乙贵人、咸池、将星、童子\n"
         "2016-03-14 02:00:00  八字 丙申 辛卯 乙未 丁丑  农历 2016年 2月 初6  节气 惊蛰 2016-03-05 "
         "11:43:23  神煞  年柱 天乙贵人、天德贵人  月柱 将星、元辰  日柱 -  时柱 -\n"
         "2016-03-14 04:00:00  八字 丙申 辛卯 乙未 戊寅  农历 2016年 2月 初6  节气 惊蛰 2016-03-05 "
         "11:43:23  神煞  年柱 天乙贵人、天德贵人  月柱 将星、元辰  日柱 -  时柱 "
         "天医、驿马、童子\n"},
        {"the second before 立春 and 立春's second",
         "chart \"2016-02-04 16:45:53\" --to \"2016-02-04 17:45:53\" --step-hours 1",
         "2016-02-04 16:45:53  八字 乙未 己丑 丙辰 丙申  农历 2015年 12月 初26  节气 大寒 "
         "2016-01-20 23:26:57  神煞  年柱 -  月柱 空亡  日柱 童子、卷舌  时柱 指背\n"
         "2016-02-04 17:45:53  八字 丙申 庚寅 丙辰 丁酉  农历 2015年 12月 初26  节气 立春 "
         "2016-02-04 17:45:53  神煞  年柱 月德贵人、指背  月柱 驿马  日柱 月德贵人、华盖  时柱 "
         "天乙贵人、天德贵人、咸池、童子\n"},
    };
    for (const GoldenCase& c : cases)
        expectGolden(c);
}

TEST(CliLunar, GoldenOutput) {
    const GoldenCase cases[] = {
        {"one date", "lunar 2016-03-16", "猴年(丙申)二月初八 2016-3-16\n"},
        {"one date as JSON", "lunar 2016-03-16 --json",
         R"({"date": "2016-03-16", "year": 2016, "month": 2, "day": 8, "leap": false, "text": "猴年(丙申)二月初八 2016-3-16"})"
         "\n"},
        {"into a leap month", "lunar 2023-03-21 --to 2023-03-22 --json",
         R"({"date": "2023-03-21", "year": 2023, "month": 2, "day": 30, "leap": false, "text": "兔年(癸卯)二月三十 2023-3-21"})"
         "\n"
         R"({"date": "2023-03-22", "year": 2023, "month": 2, "day": 1, "leap": true, "text": "兔年(癸卯)闰二月初一 2023-3-22"})"
         "\n"},
        {"立春 changes the animal, not the month", "lunar 2016-02-03 --to 2016-02-04",
         "羊年(乙未)腊月廿五 2016-2-3\n猴年(丙申)腊月廿六 2016-2-4\n"},
        {"a format of one's own", "lunar 2016-03-28 --format \"%S年 %M%D\"", "丙申年 二月二十\n"},
        {"quotes in a format are escaped in JSON", "lunar 2016-03-16 --format 'say \"%D\"' --json",
         R"({"date": "2016-03-16", "year": 2016, "month": 2, "day": 8, "leap": false, "text": "say \"初八\""})"
         "\n"},
        {"invalid UTF-8 in a format becomes U+FFFD in JSON",
         "lunar 2016-03-16 --format \"$(printf '%%d\\377')\" --json",
         R"({"date": "2016-03-16", "year": 2016, "month": 2, "day": 8, "leap": false, "text": "16�"})"
         "\n"},
    };
    for (const GoldenCase& c : cases)
        expectGolden(c);
}

TEST(CliTerms, GoldenOutput) {
    const CliResult text = runBaziSeek("terms 2016");
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_EQ(std::count(text.out.begin(), text.out.end(), '\n'), 24);
    EXPECT_EQ(text.out.substr(0, text.out.find('\n', text.out.find('\n') + 1) + 1),
              "2016  1 小寒 2016-01-06 06:08:14\n2016  2 大寒 2016-01-20 23:26:57\n");
    EXPECT_NE(text.out.find("2016 24 冬至 2016-12-21 18:44:00\n"), std::string::npos);

    const CliResult json = runBaziSeek("terms 2016 --json");
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_EQ(json.out.substr(0, json.out.find('\n') + 1),
              R"({"year": 2016, "n": 1, "name": "小寒", "moment": "2016-01-06T06:08:14"})"
              "\n");

    const CliResult range = runBaziSeek("terms 1880 --to 2079");
    EXPECT_EQ(range.exitCode, 0);
    EXPECT_EQ(std::count(range.out.begin(), range.out.end(), '\n'), 200 * 24);

    const CliResult table = runBaziSeek("terms 1799 --to 2200");
    EXPECT_EQ(table.exitCode, 0);
    EXPECT_EQ(std::count(table.out.begin(), table.out.end(), '\n'), 402 * 24);
    EXPECT_EQ(table.out.substr(0, table.out.find('\n') + 1), "1799  1 小寒 1799-01-05 13:53:43\n");
}

TEST(CliLunar, ReckonedDatesAreMarked) {
    const CliResult text = runBaziSeek("lunar 1911-12-31 --to 1912-01-01");
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_EQ(text.out, "猪年(辛亥)冬月十二 1911-12-31 推算\n猪年(辛亥)冬月十三 1912-1-1\n");
    const CliResult printed = runBaziSeek("lunar 1901-02-18 --to 1901-02-19");
    EXPECT_EQ(printed.out, "牛年(辛丑)腊月三十 1901-2-18 推算\n牛年(辛丑)正月初一 1901-2-19 推算\n");
    const CliResult format = runBaziSeek("lunar 1800-01-01 --format \"%S年 %M%D\"");
    EXPECT_EQ(format.out, "己未年 腊月初七 推算\n");
    const CliResult json = runBaziSeek("lunar 1800-05-24 --json");
    EXPECT_EQ(
        json.out,
        R"({"date": "1800-05-24", "year": 1800, "month": 4, "day": 1, "leap": true, "reckoned": true, "text": "猴年(庚申)闰四月初一 1800-5-24"})"
        "\n");
    const CliResult after = runBaziSeek("lunar 2200-12-31");
    EXPECT_EQ(after.out, "鼠年(庚子)冬月廿五 2200-12-31\n");
}

TEST(CliLunar, TheWholeCalendar) {
    const CliResult r = runBaziSeek("lunar 1800-01-01 --to 2200-12-31 --json");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 146462);
    // Every day before 1912, and no other, is marked.
    std::size_t marked = 0;
    for (std::size_t at = r.out.find("\"reckoned\": true"); at != std::string::npos;
         at = r.out.find("\"reckoned\": true", at + 1))
        ++marked;
    EXPECT_EQ(marked, 40906U);
    EXPECT_EQ(r.out.rfind("\"reckoned\""), r.out.find("1911-12-31") + 66);
}

TEST(CliLunar, WholeRange) {
    const CliResult r = runBaziSeek("lunar 1901-02-19 --to 2048-12-31 --json");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 54008);
    EXPECT_NE(
        r.out.find(
            R"({"date": "2048-12-31", "year": 2048, "month": 11, "day": 27, "leap": false, "text": "龙年(戊辰)冬月廿七 2048-12-31"})"
            "\n"),
        std::string::npos);
}

struct ErrorCase {
    const char* note;
    const char* arguments;
    const char* says; // a part of the message on stderr
};

TEST(CliErrors, RefusedWithStatus2AndAMessage) {
    const ErrorCase cases[] = {
        {"chart before the range", "chart \"1799-12-31 23:59:59\"",
         "from 1800-01-01 00:00:00 to 2200-12-31 23:59:59"},
        {"chart after the range", "chart \"2201-01-01 00:00\"",
         "from 1800-01-01 00:00:00 to 2200-12-31 23:59:59"},
        {"--to after the range", "chart \"2200-12-31 22:00\" --to \"2201-01-01 00:00\"",
         "outside the calendar's range"},
        {"impossible day", "chart \"2023-02-30 10:00\"", "does not exist"},
        {"impossible hour", "chart \"2016-03-16 25:00\"", "does not exist"},
        {"impossible minute", "chart \"2016-03-16 12:60\"", "does not exist"},
        {"malformed moment", "chart yesterday", "write it as \"YYYY-MM-DD HH:MM\""},
        {"a date is not a moment", "chart 2016-03-16", "is not a moment"},
        {"--to before the start", "chart \"2016-03-16 22:00\" --to \"2016-03-16 20:00\"",
         "is before MOMENT"},
        {"--step-hours 0", "chart \"2016-03-16 00:00\" --to \"2016-03-16 22:00\" --step-hours 0",
         "--step-hours"},
        {"--step-hours without --to", "chart \"2016-03-16 00:00\" --step-hours 2", "requires --to"},
        {"missing moment", "chart", "MOMENT"},
        {"lunar before the range", "lunar 1799-12-31", "from 1800-01-01 to 2200-12-31"},
        {"lunar after the range", "lunar 2201-01-01", "from 1800-01-01 to 2200-12-31"},
        {"lunar impossible date", "lunar 2023-02-29", "does not exist"},
        {"lunar malformed date", "lunar 16.3.2016", "write it as \"YYYY-MM-DD\""},
        {"lunar --to before the start", "lunar 2016-03-16 --to 2016-03-15", "is before DATE"},
        {"terms before the table", "terms 1798", "from 1799 to 2200"},
        {"terms after the table", "terms 2201", "from 1799 to 2200"},
        {"terms --to before the start", "terms 2016 --to 2015", "is before YEAR"},
        {"terms not a number", "terms abc", "YEAR"},
        {"no command", "", "subcommand"},
        {"unknown option", "chart \"2016-03-16 22:00\" --bogus", "--bogus"},
    };
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(std::string(c.note) + ": bazi-seek " + c.arguments);
        const CliResult r = runBaziSeek(c.arguments);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    }
}

TEST(CliHelp, EveryCommandHasHelpWithExamples) {
    for (const char* command : {"chart", "lunar", "terms"}) {
        SCOPED_TRACE(command);
        const CliResult r = runBaziSeek(std::string(command) + " --help");
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_NE(r.out.find("Examples:"), std::string::npos);
        EXPECT_NE(r.out.find(std::string("bazi-seek ") + command), std::string::npos);
    }
    const CliResult top = runBaziSeek("--help");
    EXPECT_EQ(top.exitCode, 0);
    EXPECT_NE(top.out.find("chart"), std::string::npos);
}

} // namespace
} // namespace bazi::test

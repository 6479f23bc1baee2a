// bazi-seek search as a user runs it: each output format on the term second of
// 2016's 立春, --explain and --limit, and every kind of refused argument.
#include "cli_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using bazi::test::CliResult;
using bazi::test::runBaziSeek;

// 酉 anywhere among the branches, from noon to 20:00 of 2016-02-04: the hour
// branch is 酉 from 17:00 to 19:00, and 立春 at 17:45:53 cuts that block in two.
const std::string kYouAroundLiChun =
    "search --set 组合框_支1=酉 --set 组合框_支数量1=非0 --from \"2016-02-04 12:00\" "
    "--to \"2016-02-04 20:00\"";

TEST(CliSearch, TextJsonAndCsv) {
    const CliResult text = runBaziSeek(kYouAroundLiChun);
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_EQ(text.out,
              "2016-02-04 17:00:00  2016-02-04 17:45:53  乙未 己丑 丙辰 丁酉  猴年(丙申)腊月廿六  "
              "时辰交接  节气交接\n"
              "2016-02-04 17:45:53  2016-02-04 19:00:00  丙申 庚寅 丙辰 丁酉  猴年(丙申)腊月廿六  "
              "节气交接  时辰交接\n"
              "条件数：1  符合时段数：2\n");
    const CliResult json = runBaziSeek(kYouAroundLiChun + " --json");
    EXPECT_EQ(
        json.out.substr(0, json.out.find('\n')),
        R"({"start": "2016-02-04T17:00:00", "end": "2016-02-04T17:45:53", "pillars": ["乙未", "己丑", "丙辰", "丁酉"], "lunar": {"year": 2015, "month": 12, "day": 26, "leap": false}, "startCut": "时辰交接", "endCut": "节气交接"})");
    EXPECT_EQ(std::count(json.out.begin(), json.out.end(), '\n'), 2);
    const CliResult csv = runBaziSeek(kYouAroundLiChun + " --csv");
    EXPECT_EQ(csv.out,
              "start,end,pillars,lunar,startCut,endCut\n"
              "2016-02-04T17:00:00,2016-02-04T17:45:53,乙未 己丑 丙辰 丁酉,猴年(丙申)腊月廿六,"
              "时辰交接,节气交接\n"
              "2016-02-04T17:45:53,2016-02-04T19:00:00,丙申 庚寅 丙辰 丁酉,猴年(丙申)腊月廿六,"
              "节气交接,时辰交接\n");
}

TEST(CliSearch, ExplainAndLimit) {
    const CliResult r =
        runBaziSeek("search --set 组合框_支1=酉 --set 组合框_位置支1=时支 --set 组合框_支数量1=非0 "
                    "--from \"2016-02-04 12:00\" --to 2016-02-04T20:00 --json --explain --limit 1");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(
        r.out.find(
            R"("why": [{"control": "组合框_支1", "value": "酉", "position": "时支", "found": "酉", "count": 1, "places": ["时支"]}])"),
        std::string::npos)
        << r.out;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1);
    EXPECT_EQ(r.err, "bazi-seek: stopped after 1 span (--limit 1); the range holds more\n");
}

TEST(CliSearch, RefusedArguments) {
    const struct {
        const char* args;
        const char* message;
        const char* note;
    } cases[] = {
        {"search --from 2016-01-01 --to 2016-01-02", "未设置条件！", "no set row"},
        {"search --set 组合框_支1=酉 --from 2016-01-02 --to 2016-01-01",
         "--to \"2016-01-01\" is not after --from \"2016-01-02\"", "B before A"},
        {"search --set 组合框_支1=酉 --from 1700-01-02 --to 2016-01-01",
         "--from \"1700-01-02\" is outside the calendar's range; give times from 1800-01-01 "
         "00:00:00 "
         "to 2200-12-31 23:59:59",
         "outside the calendar"},
        {"search --set 组合框_支1=酉 --from 2016-01-02 --to 2201-01-01",
         "--to \"2201-01-01\" is outside", "end past the calendar"},
        {"search --set 组合框_支1=酉 --from 2016-01-02 --to 2016-01-03 --hours ''",
         "--hours is empty", "empty hours"},
        {"search --set 组合框_支1=酉 --from 2016-01-02 --to 2016-01-03 --hours 18-8",
         "ends before it starts", "a window backwards"},
        {"search --set 组合框_支1=酉 --from 2016-01-02 --to 2016-01-03 --hours 8-25",
         "\"8-25\" is not an hour range", "an hour past 24"},
        {"search --set 组合框_支1=酉 --from 2016-02-30 --to 2016-03-03", "does not exist",
         "no such date"},
        {"search --set 组合框_支9=酉 --from 2016-01-02 --to 2016-01-03", "unknown control",
         "no such control"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        const CliResult r = runBaziSeek(c.args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.out.empty());
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

TEST(CliSearch, TheLastSecondOfTheCalendar) {
    const CliResult r = runBaziSeek("search --set 组合框_支1=不指定 --set 组合框_支数量1='>=0' "
                                    "--from \"2200-12-31 23:59:59\" --to 2200-12-31 --json");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.rfind(R"({"start": "2200-12-31T23:59:59", "end": "2201-01-01T00:00:00", )", 0),
              0u)
        << r.out;
}

} // namespace

namespace {

TEST(CliSearch, OnAClockWithSummerTime) {
    const CliResult r =
        runBaziSeek("search --set 组合框_支1=丑 --set 组合框_位置支1=时支 --set 组合框_支数量1=非0 "
                    "--from 1988-04-17 --to 1988-04-17 --tz Asia/Shanghai --json");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(
        r.out,
        R"({"start": "1988-04-17T01:00:00", "end": "1988-04-17T04:00:00", "pillars": ["戊辰", "丙辰", "壬寅", "辛丑"], "lunar": {"year": 1988, "month": 3, "day": 2, "leap": false}, "startCut": "时辰交接", "endCut": "时辰交接", "utcOffset": "+08:00", "endUtcOffset": "+09:00"})"
        "\n");
    const CliResult near =
        runBaziSeek("search --set 组合框_支1=丑 --from 2016-01-01 --to 2016-01-02 "
                    "--tz Asia/Shanghai --near 5");
    EXPECT_EQ(near.exitCode, 2);
    EXPECT_NE(near.err.find("--near warns of the cuts near one moment"), std::string::npos);
}

TEST(CliFind, TheSameDayLateZiAcceptsTheNextDaysZiHourThereOnly) {
    const CliResult plain = runBaziSeek("find \"丙申 辛卯 丁酉 壬子\"");
    EXPECT_EQ(plain.exitCode, 2);
    const CliResult sameDay = runBaziSeek(
        "find \"丙申 辛卯 丁酉 壬子\" --late-zi same-day --from 2016-01-01 --to 2016-12-31");
    EXPECT_EQ(sameDay.exitCode, 0);
    EXPECT_EQ(sameDay.out,
              "时间基准：时区 UTC+8（固定，无夏令时）；日柱、时柱按钟表时；晚子时算当日\n"
              "2016-03-16 23:00:00 +08:00  2016-03-17 00:00:00 +08:00  丙申 辛卯 丁酉 壬子  "
              "猴年(丙申)二月初八  时辰交接  子时换日\n"
              "符合时段数：1\n");
}

} // namespace

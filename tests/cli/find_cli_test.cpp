// bazi-seek find as a user runs it: one chart in each format, a partial chart, a
// range that misses the chart, a batch with a bad line, and the refusals that
// name the rule a chart breaks.
#include "cli_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace {

using bazi::test::CliResult;
using bazi::test::runBaziSeek;

TEST(CliFind, OneChartOverTheWholeCalendar) {
    const CliResult r = runBaziSeek("find \"丙申 辛卯 丁酉 辛亥\"");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out,
              "1956-03-31 21:00:00  1956-03-31 23:00:00  丙申 辛卯 丁酉 辛亥  猴年(丙申)二月二十  "
              "时辰交接  子时换日\n"
              "2016-03-16 21:00:00  2016-03-16 23:00:00  丙申 辛卯 丁酉 辛亥  猴年(丙申)二月初八  "
              "时辰交接  子时换日\n"
              "2196-04-01 21:00:00  2196-04-01 23:00:00  丙申 辛卯 丁酉 辛亥  猴年(丙申)三月初三  "
              "时辰交接  子时换日\n"
              "符合时段数：3\n");
    // Written together, the same chart; JSON in the span format of search.
    const CliResult json =
        runBaziSeek("find 丙申辛卯丁酉辛亥 --json --from 2016-01-01 --to 2016-12-31");
    EXPECT_EQ(
        json.out,
        R"({"start": "2016-03-16T21:00:00", "end": "2016-03-16T23:00:00", "pillars": ["丙申", "辛卯", "丁酉", "辛亥"], "lunar": {"year": 2016, "month": 2, "day": 8, "leap": false}, "startCut": "时辰交接", "endCut": "子时换日"})"
        "\n");
    // Unquoted, the shell hands over four words: still the one chart.
    EXPECT_EQ(runBaziSeek("find 丙申 辛卯 丁酉 辛亥 --json --from 2016-01-01 --to 2016-12-31").out,
              json.out);
    const CliResult five = runBaziSeek("find 丙申 辛卯 丁酉 辛亥 辛亥");
    EXPECT_EQ(five.exitCode, 2);
    EXPECT_NE(five.err.find("is not four pillars"), std::string::npos);
}

TEST(CliFind, AnUnknownHourGivesTheTwelveHoursOfTheDay) {
    const CliResult r =
        runBaziSeek("find \"丙申 辛卯 丁酉 *\" --csv --from 2016-01-01 --to 2016-12-31");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 13); // the header and 12 hours
    EXPECT_EQ(r.out.substr(r.out.find('\n') + 1, 46),
              "2016-03-15T23:00:00,2016-03-16T01:00:00,丙申");
}

TEST(CliFind, NothingInTheRangeSaysSoWithTheNearestOccurrences) {
    const CliResult r =
        runBaziSeek("find \"丙申 辛卯 丁酉 辛亥\" --from 2000-01-01 --to 2010-12-31");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "符合时段数：0\n");
    EXPECT_EQ(r.err, "bazi-seek: 丙申 辛卯 丁酉 辛亥 does not occur from 2000-01-01 00:00:00 to "
                     "2010-12-31 23:59:59; nearest before: 1956-03-31 21:00:00 .. 1956-03-31 "
                     "23:00:00; after: 2016-03-16 21:00:00 .. 2016-03-16 23:00:00\n");
}

TEST(CliFind, TheNearestOccurrencesAreOnTheChosenClock) {
    // New York reads the chart on Eastern Standard Time: the 亥 hour, 21:00-23:00
    // EST, shows as 22:00-24:00 on the summer clock of March 2016, but as
    // 21:00-23:00 in March 1956, before that year's summer time began.
    const CliResult r =
        runBaziSeek("find \"丙申 辛卯 丁酉 辛亥\" --from 2000-01-01 --to 2010-12-31 "
                    "--tz America/New_York");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err,
              "bazi-seek: 丙申 辛卯 丁酉 辛亥 does not occur from 2000-01-01 00:00:00 -05:00 "
              "to 2010-12-31 23:59:59 -05:00; nearest before: 1956-03-31 21:00:00 -05:00 "
              ".. 1956-03-31 23:00:00 -05:00; after: 2016-03-16 22:00:00 -04:00 .. "
              "2016-03-17 00:00:00 -04:00\n");
}

TEST(CliFind, RefusedChartsNameTheRule) {
    const struct {
        const char* chart;
        const char* message;
    } cases[] = {
        {"丙丑 辛卯 丁酉 辛亥", "\"丙丑\" is not one of the sixty pillars"},
        {"丙申 己卯 丁酉 辛亥", "the month pillar 己卯 cannot stand in a 丙 year: the month stem "
                                "follows the year stem (丙辛必定寻庚起); 丙年的卯月只能是辛卯"},
        {"丙申 辛卯 丁酉 甲子",
         "the hour pillar 甲子 cannot stand on a 丁 day: the hour stem follows the day stem "
         "(丁壬庚子居); 丁日的时柱只能是 庚子 辛丑 壬寅 癸卯 甲辰 乙巳 丙午 丁未 戊申 己酉 庚戌 "
         "辛亥"},
        {"丙申 辛卯", "is not four pillars"},
        {"丙申 辛卯 丁酉 辛亥 甲子", "is not four pillars"},
        {"丙申 辛卯 丁酉 x辛", "is not a pillar"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chart);
        const CliResult r = runBaziSeek(std::string("find \"") + c.chart + "\"");
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.out.empty());
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

TEST(CliFind, ABatchGoesOnPastABadLine) {
    const auto file = std::filesystem::temp_directory_path() /
                      ("bazi_find_batch." + std::to_string(getpid()) + ".txt");
    std::ofstream(file) << "丙申  辛卯丁酉 辛亥\n"
                           "\n"
                           "丙丑 辛卯 丁酉 辛亥\r\n"
                           "丙申 辛卯 丁酉 *";
    const CliResult r =
        runBaziSeek("find --batch '" + file.string() + "' --from 2016-01-01 --to 2016-12-31");
    std::filesystem::remove(file);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 13);
    EXPECT_EQ(r.out.rfind(R"({"chart": "丙申 辛卯 丁酉 辛亥", "start": "2016-03-16T21:00:00")", 0),
              0u);
    EXPECT_NE(r.out.find(R"({"chart": "丙申 辛卯 丁酉 *", "start": "2016-03-15T23:00:00")"),
              std::string::npos);
    EXPECT_NE(r.err.find("bazi-seek: line 3: \"丙丑\" is not one of the sixty pillars"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("1 line of the batch could not be read"), std::string::npos);
}

} // namespace

// Golden tests of the time-basis options on chart and query, and of the places
// command: output with the basis stated, and refusals with exit status 2 and a
// message naming the problem. (Without any basis option the outputs are those
// of the other golden tests, unchanged.)

#include "cli_run.h"

#include <gtest/gtest.h>

#include <string>

namespace bazi::test {
namespace {

struct Case {
    const char* note;
    std::string arguments;
    const char* out;
};

// An example form state of the source tree, quoted for the shell.
std::string example(const char* name) {
    return std::string("'") + BAZI_SOURCE_DIR + "/examples/" + name + "'";
}

void expectOutput(const Case& c) {
    SCOPED_TRACE(std::string(c.note) + ": bazi-seek " + c.arguments);
    const CliResult r = runBaziSeek(c.arguments);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.err, "");
}

struct Refusal {
    const char* note;
    const char* arguments;
    const char* message; // the whole of stderr after "bazi-seek: ", without the line feed
};

void expectRefusal(const Refusal& c) {
    SCOPED_TRACE(std::string(c.note) + ": bazi-seek " + c.arguments);
    const CliResult r = runBaziSeek(c.arguments);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, std::string("bazi-seek: ") + c.message + "\n");
}

TEST(CliBasis, ChartOnAChosenBasis) {
    const Case cases[] = {
        {"Shanghai summer time: read on 11:00 UTC+8, the 午 hour starting that second",
         "chart \"1988-07-15 12:00\" --tz Asia/Shanghai --json",
         R"({"moment": "1988-07-15T12:00:00", "utcOffset": "+09:00", "pillars": ["戊辰", "己未", "辛未", "甲午"], "lunar": {"year": 1988, "month": 6, "day": 2, "leap": false}, "lunarText": "1988年 6月 初2", "term": {"year": 1988, "n": 13, "name": "小暑", "moment": "1988-07-07T06:32:55", "utcOffset": "+09:00"}, "stars": {"年柱": [], "月柱": ["华盖"], "日柱": ["童子"], "时柱": ["天乙贵人", "天德贵人", "月德贵人", "天医", "童子"]}, "near": [{"cut": "时辰交接", "at": "1988-07-15T12:00:00", "utcOffset": "+09:00", "side": "before", "seconds": 0, "pillars": ["戊辰", "己未", "辛未", "癸巳"]}]})"
         "\n"},
        {"Urumqi, true solar time: 12:00 Beijing time is 09:42:55, the 巳 hour",
         "chart \"2000-03-20 12:00\" --place 乌鲁木齐 --solar-time true",
         "时间基准：时区 Asia/Shanghai；日柱、时柱按真太阳时（乌鲁木齐，东经 "
         "87.60°）；晚子时算次日\n"
         "2000-03-20 12:00:00 +08:00  真太阳时 2000-03-20 09:42:55  八字 庚辰 己卯 丁丑 乙巳  农历 "
         "2000年 2月 初15  节气 惊蛰 2000-03-05 14:42:39 +08:00  神煞  年柱 -  月柱 -  日柱 卷舌  "
         "时柱 指背\n"},
        {"Urumqi by longitude, mean solar time 09:50:24",
         "chart \"2000-03-20 12:00\" --longitude 87.60046 --solar-time mean --json",
         R"({"moment": "2000-03-20T12:00:00", "utcOffset": "+08:00", "solarTime": "2000-03-20T09:50:24", "pillars": ["庚辰", "己卯", "丁丑", "乙巳"], "lunar": {"year": 2000, "month": 2, "day": 15, "leap": false}, "lunarText": "2000年 2月 初15", "term": {"year": 2000, "n": 5, "name": "惊蛰", "moment": "2000-03-05T14:42:39", "utcOffset": "+08:00"}, "stars": {"年柱": [], "月柱": [], "日柱": ["卷舌"], "时柱": ["指背"]}, "near": []})"
         "\n"},
        {"Harbin, true solar time in the late 子 hour, same-day rule",
         "chart \"1995-06-10 22:45\" --place 哈尔滨 --solar-time true --late-zi same-day",
         "时间基准：时区 Asia/Shanghai；日柱、时柱按真太阳时（哈尔滨，东经 "
         "126.65°）；晚子时算当日\n"
         "1995-06-10 22:45:00 +08:00  真太阳时 1995-06-10 23:12:14  八字 乙亥 壬午 壬申 壬子  农历 "
         "1995年 5月 初13  节气 芒种 1995-06-06 11:42:30 +08:00  神煞  年柱 天德贵人、空亡  月柱 - "
         " "
         "日柱 卷舌  时柱 咸池、将星\n"},
        {"five minutes before 23:00: the day change and the chart after it",
         "chart \"2016-03-16 22:55\" --near 10 --json",
         R"({"moment": "2016-03-16T22:55:00", "utcOffset": "+08:00", "pillars": ["丙申", "辛卯", "丁酉", "辛亥"], "lunar": {"year": 2016, "month": 2, "day": 8, "leap": false}, "lunarText": "2016年 2月 初8", "term": {"year": 2016, "n": 5, "name": "惊蛰", "moment": "2016-03-05T11:43:23", "utcOffset": "+08:00"}, "stars": {"年柱": ["天德贵人"], "月柱": ["元辰"], "日柱": ["天乙贵人", "咸池", "童子"], "时柱": ["天乙贵人", "驿马"]}, "near": [{"cut": "子时换日", "at": "2016-03-16T23:00:00", "utcOffset": "+08:00", "side": "after", "seconds": 300, "pillars": ["丙申", "辛卯", "戊戌", "壬子"]}]})"
         "\n"},
        {"four minutes after 立春: the chart before it", "chart \"2016-02-04 17:50\" --near 10",
         "时间基准：时区 UTC+8（固定，无夏令时）；日柱、时柱按钟表时；晚子时算次日\n"
         "2016-02-04 17:50:00 +08:00  八字 丙申 庚寅 丙辰 丁酉  农历 2015年 12月 初26  节气 立春 "
         "2016-02-04 17:45:53 +08:00  神煞  年柱 月德贵人、指背  月柱 驿马  日柱 月德贵人、华盖  "
         "时柱 "
         "天乙贵人、天德贵人、咸池、童子\n"
         "  临界 节气交接 2016-02-04 17:45:53 +08:00，4分7秒前；另一侧八字 乙未 己丑 丙辰 丁酉\n"},
        {"the doubled hour read as the earlier, summer-time reading: 00:30 standard, 子",
         "chart \"1988-09-11 01:30\" --tz Asia/Shanghai --fold earlier --json",
         R"({"moment": "1988-09-11T01:30:00", "utcOffset": "+09:00", "pillars": ["戊辰", "辛酉", "己巳", "甲子"], "lunar": {"year": 1988, "month": 8, "day": 1, "leap": false}, "lunarText": "1988年 8月 初1", "term": {"year": 1988, "n": 17, "name": "白露", "moment": "1988-09-07T19:11:32", "utcOffset": "+09:00"}, "stars": {"年柱": [], "月柱": ["咸池", "将星"], "日柱": [], "时柱": ["天乙贵人", "将星", "童子"]}, "near": []})"
         "\n"},
        {"New York on Eastern Standard Time, terms on the New York clock",
         "chart \"2016-07-04 09:30\" --place \"New York\"",
         "时间基准：时区 America/New_York；日柱、时柱按标准时（夏令时不计）；晚子时算次日\n"
         "2016-07-04 09:30:00 -04:00  标准时 2016-07-04 08:30:00  八字 丙申 甲午 丁亥 甲辰  农历 "
         "2016年 6月 初1  节气 夏至 2016-06-20 18:34:02 -04:00  神煞  年柱 月德贵人  月柱 空亡  "
         "日柱 "
         "天乙贵人、天德贵人  时柱 华盖、童子\n"},
        {"a series across the spring change steps along the timeline",
         "chart \"1988-04-17 00:00\" --to \"1988-04-17 06:00\" --tz Asia/Shanghai",
         "时间基准：时区 Asia/Shanghai；日柱、时柱按标准时（夏令时不计）；晚子时算次日\n"
         "1988-04-17 00:00:00 +08:00  八字 戊辰 丙辰 壬寅 庚子  农历 1988年 3月 初2  节气 清明 "
         "1988-04-04 21:39:05 +08:00  神煞  年柱 空亡  月柱 华盖、空亡  日柱 "
         "天德贵人、月德贵人、驿马、"
         "童子  时柱 将星、童子\n"
         "1988-04-17 03:00:00 +09:00  标准时 1988-04-17 02:00:00  八字 戊辰 丙辰 壬寅 辛丑  农历 "
         "1988年 3月 初2  节气 清明 1988-04-04 21:39:05 +08:00  神煞  年柱 空亡  月柱 华盖、空亡  "
         "日柱 "
         "天德贵人、月德贵人、驿马、童子  时柱 卷舌\n"
         "1988-04-17 05:00:00 +09:00  标准时 1988-04-17 04:00:00  八字 戊辰 丙辰 壬寅 壬寅  农历 "
         "1988年 3月 初2  节气 清明 1988-04-04 21:39:05 +08:00  神煞  年柱 空亡  月柱 华盖、空亡  "
         "日柱 "
         "天德贵人、月德贵人、驿马、童子  时柱 天德贵人、月德贵人、驿马、童子、指背\n"},
    };
    for (const Case& c : cases)
        expectOutput(c);
}

TEST(CliBasis, RefusedWithTheProblemNamed) {
    const Refusal cases[] = {
        {"the skipped hour", "chart \"1988-04-17 02:30\" --tz Asia/Shanghai",
         "MOMENT 1988-04-17 02:30:00 does not exist in Asia/Shanghai: on 1988-04-17 clocks went "
         "from 02:00:00 (+08:00) straight to 03:00:00 (+09:00), skipping 02:00:00 to 02:59:59; "
         "give a time outside that stretch"},
        {"the doubled hour without --fold", "chart \"1988-09-11 01:30\" --tz Asia/Shanghai",
         "MOMENT 1988-09-11 01:30:00 happened twice in Asia/Shanghai, when clocks were put back: "
         "first at +09:00 (summer time, 1988-09-10 16:30:00 UTC), then at +08:00 (1988-09-10 "
         "17:30:00 UTC); choose one with --fold earlier or --fold later"},
        {"the skipped hour of 1986 as --to",
         "chart \"1986-05-04 00:00\" --to \"1986-05-04 02:00\" --tz Asia/Shanghai",
         "--to 1986-05-04 02:00:00 does not exist in Asia/Shanghai: on 1986-05-04 clocks went "
         "from 02:00:00 (+08:00) straight to 03:00:00 (+09:00), skipping 02:00:00 to 02:59:59; "
         "give a time outside that stretch"},
        {"an unknown zone", "chart \"2016-03-16 22:00\" --tz Asia/Nowhere",
         "--tz \"Asia/Nowhere\" is not a zone of the tz database; give an IANA name such as "
         "Asia/Shanghai or America/New_York (bazi-seek places NAME shows the zone of a place)"},
        {"a zone whose later rule cannot be read", "chart \"2016-03-16 22:00\" --tz America/Nuuk",
         "--tz \"America/Nuuk\": the tz database writes this zone's rule after 2037 in a form that "
         "cannot be read here; choose a neighbouring zone"},
        {"control characters quoted back escaped",
         "chart \"2016-03-16 22:00\" --tz \"$(printf 'a\\tb')\"",
         "--tz \"a\\tb\" is not a zone of the tz database; give an IANA name such as Asia/Shanghai "
         "or "
         "America/New_York (bazi-seek places NAME shows the zone of a place)"},
        {"a longitude outside -180..180",
         "chart \"2016-03-16 22:00\" --longitude 200 --solar-time true",
         "--longitude 200 is outside -180..180; give degrees east positive, e.g. 87.6 for Urumqi "
         "or -74.0 for New York"},
        {"not a number", "chart \"2016-03-16 22:00\" --longitude nan --solar-time true",
         "--longitude nan is outside -180..180; give degrees east positive, e.g. 87.6 for Urumqi "
         "or -74.0 for New York"},
        {"solar time without a place", "chart \"2016-03-16 22:00\" --solar-time true",
         "--solar-time true needs the birth place: give --longitude DEG (east positive) or "
         "--place NAME"},
        {"a longitude without solar time", "chart \"2016-03-16 22:00\" --longitude 100",
         "--longitude is read only with --solar-time mean or --solar-time true; add one of them"},
        {"an unknown place", "chart \"2016-03-16 22:00\" --place Qqqxzzy",
         "--place \"Qqqxzzy\": no place of that name in the gazetteer; bazi-seek places NAME lists "
         "the places a name finds (Chinese or English names)"},
        {"outside the range on the chosen clock",
         "chart \"2200-12-31 20:00\" --tz America/New_York",
         "MOMENT 2200-12-31 20:00:00 (America/New_York) is outside the calendar's range: it is "
         "2201-01-01 09:00:00 on the calendar's clock (UTC+8); give a moment from 1800-01-01 "
         "00:00:00 to 2200-12-31 23:59:59 UTC+8"},
        {"a doubled moment in the query's window",
         "query --date 1988-09-26 --set 组合框_行1=木 --tz Europe/Berlin",
         "the query's moment 1988-09-25 02:00:00 happened twice in Europe/Berlin, when clocks were "
         "put back: first at +02:00 (summer time, 1988-09-25 00:00:00 UTC), then at +01:00 "
         "(1988-09-25 01:00:00 UTC); choose one with --fold earlier or --fold later"},
    };
    for (const Refusal& c : cases)
        expectRefusal(c);
}

TEST(CliBasis, UsageErrorsOfTheOptions) {
    for (const char* arguments :
         {"chart \"2016-03-16 22:00\" --solar-time sometimes",
          "chart \"2016-03-16 22:00\" --late-zi tomorrow",
          "chart \"2016-03-16 22:00\" --fold middle",
          "chart \"2016-03-16 22:00\" --place 成都 --longitude 104 --solar-time true",
          "chart \"2016-03-16 22:00\" --longitude abc --solar-time true",
          "chart \"2016-03-16 22:00\" --near -1"}) {
        SCOPED_TRACE(arguments);
        const CliResult r = runBaziSeek(arguments);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err, "");
    }
}

// The window's 1988-04-17 02:00 never showed on a Shanghai clock: a condition
// every moment meets lists 35 moments, not 36, and each row states its offset.
TEST(CliBasis, QueryOnAChosenBasis) {
    const std::string everyMoment = "query --date 1988-04-17 --set 组合框_行1=木 --set "
                                    "组合框_位置行1=不固定 --set 组合框_行数量1=非8 --json";
    const CliResult calendar = runBaziSeek(everyMoment);
    ASSERT_EQ(calendar.exitCode, 0) << calendar.err;
    EXPECT_NE(calendar.out.find("\"matches\":36,"), std::string::npos);
    EXPECT_EQ(calendar.out.find("utcOffset"), std::string::npos);
    EXPECT_NE(calendar.out.find("\"moment\":\"1988-04-17T02:00:00\""), std::string::npos);

    const CliResult shanghai = runBaziSeek(everyMoment + " --tz Asia/Shanghai");
    ASSERT_EQ(shanghai.exitCode, 0) << shanghai.err;
    EXPECT_NE(shanghai.out.find("\"matches\":35,"), std::string::npos);
    EXPECT_EQ(shanghai.out.find("\"moment\":\"1988-04-17T02:00:00\""), std::string::npos);
    EXPECT_NE(
        shanghai.out.find("\"moment\":\"1988-04-17T04:00:00\",\"gregorian\":\"1988年4月17日4时\","
                          "\"lunar\":\"1988年 3月 初2\",\"chart\":\"戊辰 丙辰 壬寅 壬寅\","
                          "\"utcOffset\":\"+09:00\",\"near\":[{\"cut\":\"时辰交接\",\"at\":"
                          "\"1988-04-17T04:00:00\""),
        std::string::npos)
        << shanghai.out;

    const Case text = {
        "the grid states the basis and each row its offset and solar time",
        "query " + example("metal-three-with-stem.json") +
            " --place 成都 --solar-time true --near 1",
        "时间基准：时区 Asia/Shanghai；日柱、时柱按真太阳时（成都，东经 104.07°）；晚子时算次日\n"
        "公历时间          农历时间        八字\n"
        "2021年9月8日20时  2021年 8月 初2  辛丑 丁酉 己未 癸酉 +08:00  真太阳时 2021-09-08 "
        "18:58:40\n"
        "2021年9月8日18时  2021年 8月 初2  辛丑 丁酉 己未 壬申 +08:00  真太阳时 2021-09-08 "
        "16:58:38\n"
        "2021年9月8日16时  2021年 8月 初2  辛丑 丁酉 己未 辛未 +08:00  真太阳时 2021-09-08 "
        "14:58:37\n"
        "2021年9月8日14时  2021年 8月 初2  辛丑 丁酉 己未 庚午 +08:00  真太阳时 2021-09-08 "
        "12:58:35\n"
        "查询列表完毕！\n"
        "条件数：1  符合数：4\n"};
    expectOutput(text);

    const Case csv = {
        "CSV adds the offset, the solar time and the cuts near",
        "query " + example("metal-three-with-stem.json") + " --place 成都 --solar-time mean --csv",
        "moment,gregorian,lunar,chart,utcOffset,solarTime,near\n"
        "2021-09-08T20:00:00,2021年9月8日20时,2021年 8月 初2,辛丑 丁酉 己未 癸酉,+08:00,"
        "2021-09-08T18:56:16,时辰交接 2021-09-08T20:03:44+08:00\n"
        "2021-09-08T18:00:00,2021年9月8日18时,2021年 8月 初2,辛丑 丁酉 己未 壬申,+08:00,"
        "2021-09-08T16:56:16,时辰交接 2021-09-08T18:03:44+08:00\n"
        "2021-09-08T16:00:00,2021年9月8日16时,2021年 8月 初2,辛丑 丁酉 己未 辛未,+08:00,"
        "2021-09-08T14:56:16,时辰交接 2021-09-08T16:03:44+08:00\n"
        "2021-09-08T14:00:00,2021年9月8日14时,2021年 8月 初2,辛丑 丁酉 己未 庚午,+08:00,"
        "2021-09-08T12:56:16,时辰交接 2021-09-08T14:03:44+08:00\n"};
    expectOutput(csv);
}

TEST(CliPlaces, ListsMatchesWithLongitudeAndZone) {
    const Case cases[] = {
        {"a Chinese name", "places 乌鲁木齐",
         "乌鲁木齐 · 新疆 · 中国  东经 87.6005°  北纬 43.8010°  时区 Asia/Urumqi（钟表按 "
         "Asia/Shanghai）\n"},
        {"an English name as JSON", "places \"New York\" --json --limit 1",
         R"({"name": "紐約市", "state": "纽约州", "country": "美国", "countryCode": "US", "longitude": -74.00597, "latitude": 40.71427, "zone": "America/New_York", "clockZone": "America/New_York", "population": 8804190})"
         "\n"},
        {"west and south", "places Sydney --limit 1",
         "悉尼 · New South Wales · 澳大利亚  东经 151.2073°  南纬 33.8678°  时区 "
         "Australia/Sydney\n"},
    };
    for (const Case& c : cases)
        expectOutput(c);
    const CliResult none = runBaziSeek("places Qqqxzzy");
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, "bazi-seek: no place in the gazetteer matches that name; try the city's "
                        "Chinese or English name (成都, Chengdu)\n");
}

TEST(CliBasis, HelpListsTheOptionsAndThePlacesCommand) {
    for (const char* command : {"chart", "query"}) {
        SCOPED_TRACE(command);
        const CliResult r = runBaziSeek(std::string(command) + " --help");
        EXPECT_EQ(r.exitCode, 0);
        for (const char* option : {"Time basis", "--tz", "--longitude", "--place", "--solar-time",
                                   "--late-zi", "--fold", "--near"})
            EXPECT_NE(r.out.find(option), std::string::npos) << option;
    }
    const CliResult places = runBaziSeek("places --help");
    EXPECT_EQ(places.exitCode, 0);
    EXPECT_NE(places.out.find("Examples:"), std::string::npos);
    EXPECT_NE(places.out.find("bazi-seek places"), std::string::npos);
    EXPECT_NE(runBaziSeek("--help").out.find("places"), std::string::npos);
}

} // namespace
} // namespace bazi::test

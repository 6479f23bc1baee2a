// Typed dates: every form the date box accepts, and every kind of refusal.
#include "ui/date_entry.h"

#include <gtest/gtest.h>

namespace bazi::ui {
namespace {

const QDate kMin(1901, 2, 21);
const QDate kMax(2048, 12, 31);

DateEntry parse(const char* text) {
    return parseDateEntry(QString::fromUtf8(text), kMin, kMax);
}

TEST(DateEntry, AcceptsGregorianAndLunarForms) {
    struct Case {
        const char* note;
        const char* text;
        QDate date;
        bool lunar;
    };
    const Case cases[] = {
        {"ISO", "2016-03-16", {2016, 3, 16}, false},
        {"no leading zeros", "2016-3-16", {2016, 3, 16}, false},
        {"slashes", "2016/3/16", {2016, 3, 16}, false},
        {"dots", "2016.03.16", {2016, 3, 16}, false},
        {"eight digits", "20160316", {2016, 3, 16}, false},
        {"Chinese units", "2016年3月16日", {2016, 3, 16}, false},
        {"Chinese units without 日", "2016年3月16", {2016, 3, 16}, false},
        {"full-width digits and blanks", " ２０１６－０３－１６ ", {2016, 3, 16}, false},
        {"lunar with names", "农历2016年二月初八", {2016, 3, 16}, true},
        {"lunar names imply lunar", "2016年二月初八", {2016, 3, 16}, true},
        {"lunar numbers with marker after", "2016-2-8农历", {2016, 3, 16}, true},
        {"lunar numbers with marker before", "农历2016-2-8", {2016, 3, 16}, true},
        {"lunar, traditional script", "農曆2016年二月初八", {2016, 3, 16}, true},
        {"lunar leap month", "农历2023年闰二月初一", {2023, 3, 22}, true},
        {"lunar leap month, traditional", "農曆2023年閏二月初一", {2023, 3, 22}, true},
        {"lunar leap month in numbers", "2023-闰2-1农历", {2023, 3, 22}, true},
        {"regular month of a leap year", "农历2023年二月初一", {2023, 2, 20}, true},
        {"正月初一", "农历2016年正月初一", {2016, 2, 8}, true},
        {"腊月三十", "农历2015年腊月廿九", {2016, 2, 7}, true},
        {"冬月 and 十一月 agree", "农历2016年冬月十五", {2016, 12, 13}, true},
        {"十一月", "农历2016年十一月十五", {2016, 12, 13}, true},
        {"lunar days in numbers", "农历2016年2月8日", {2016, 3, 16}, true},
        {"first day of the range", "1901-02-21", kMin, false},
        {"last day of the range", "2048-12-31", kMax, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        const DateEntry e = parse(c.text);
        EXPECT_EQ(e.status, DateEntryStatus::acceptable);
        EXPECT_EQ(e.date, c.date);
        EXPECT_EQ(e.lunarInput, c.lunar);
        EXPECT_TRUE(dateEntryProblemText(e, kMin, kMax).isEmpty());
    }
}

TEST(DateEntry, NeverGuessesAtAnIncompleteOrAmbiguousDate) {
    struct Case {
        const char* note;
        const char* text;
        DateEntryStatus status;
        DateProblem problem;
    };
    const Case cases[] = {
        {"nothing", "", DateEntryStatus::empty, DateProblem::none},
        {"blanks only", "   ", DateEntryStatus::empty, DateProblem::none},
        {"seven digits are not 2016-12-06", "2016316", DateEntryStatus::incomplete,
         DateProblem::incomplete},
        {"a year alone", "2016", DateEntryStatus::incomplete, DateProblem::incomplete},
        {"half a date", "2016-03-", DateEntryStatus::incomplete, DateProblem::incomplete},
        {"lunar marker alone", "农", DateEntryStatus::incomplete, DateProblem::incomplete},
        {"lunar month without day", "农历2016年二月", DateEntryStatus::incomplete,
         DateProblem::incomplete},
        {"lunar numbers without a marker are Gregorian-looking but unfinished", "2016-闰2-1",
         DateEntryStatus::incomplete, DateProblem::incomplete},
        {"letters", "abc", DateEntryStatus::refused, DateProblem::unrecognised},
        {"nine digits", "201603161", DateEntryStatus::refused, DateProblem::unrecognised},
        {"two-digit year", "16-3-16", DateEntryStatus::refused, DateProblem::unrecognised},
        {"a sign", "+2016-03-16", DateEntryStatus::refused, DateProblem::unrecognised},
        {"30 February", "2023-02-30", DateEntryStatus::refused, DateProblem::noSuchGregorianDay},
        {"month 13", "20161316", DateEntryStatus::refused, DateProblem::noSuchGregorianDay},
        {"day 0", "2016-03-00", DateEntryStatus::refused, DateProblem::noSuchGregorianDay},
        {"2016 has no leap month", "农历2016年闰二月初一", DateEntryStatus::refused,
         DateProblem::noSuchLeapMonth},
        {"2023 leaps the second month, not the third", "农历2023年闰三月初一",
         DateEntryStatus::refused, DateProblem::noSuchLeapMonth},
        {"a 29-day month has no 三十", "农历2016年二月三十", DateEntryStatus::refused,
         DateProblem::lunarDayTooLarge},
        {"lunar month 13", "2016-13-1农历", DateEntryStatus::refused,
         DateProblem::noSuchLunarMonth},
        {"lunar year before the tables", "农历1700年正月初一", DateEntryStatus::refused,
         DateProblem::lunarYearOutOfRange},
        {"before the range", "1900-01-01", DateEntryStatus::refused, DateProblem::outOfRange},
        {"a day before the range", "1901-02-20", DateEntryStatus::refused, DateProblem::outOfRange},
        {"after the range", "2049-01-01", DateEntryStatus::refused, DateProblem::outOfRange},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        const DateEntry e = parse(c.text);
        EXPECT_EQ(e.status, c.status);
        EXPECT_EQ(e.problem, c.problem);
        EXPECT_FALSE(e.ok());
        EXPECT_EQ(dateEntryProblemText(e, kMin, kMax).isEmpty(), c.problem == DateProblem::none);
    }
}

TEST(DateEntry, RefusalsNameWhatIsWrong) {
    EXPECT_EQ(dateEntryProblemText(parse("2023-02-30"), kMin, kMax),
              QStringLiteral("没有这一天：2023年2月30日"));
    EXPECT_EQ(dateEntryProblemText(parse("农历2023年闰三月初一"), kMin, kMax),
              QStringLiteral("农历2023年没有闰3月（该年闰2月）"));
    EXPECT_EQ(dateEntryProblemText(parse("农历2016年闰二月初一"), kMin, kMax),
              QStringLiteral("农历2016年没有闰月"));
    EXPECT_EQ(dateEntryProblemText(parse("农历2016年二月三十"), kMin, kMax),
              QStringLiteral("农历2016年2月只有29天"));
    EXPECT_EQ(dateEntryProblemText(parse("1900-01-01"), kMin, kMax),
              QStringLiteral("1900-01-01 超出可查询的范围（1901-02-21 至 2048-12-31）"));
}

TEST(DateEntry, EveryLunarDayOfAYearRoundTrips) {
    // Every day of lunar 2020 (with its leap fourth month), typed by its names.
    const QStringList months = {"正", "二", "三", "四", "五", "六",
                                "七", "八", "九", "十", "冬", "腊"};
    const QStringList days = {"初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八",
                              "初九", "初十", "十一", "十二", "十三", "十四", "十五", "十六",
                              "十七", "十八", "十九", "二十", "廿一", "廿二", "廿三", "廿四",
                              "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
    QDate expected(2020, 1, 25); // 正月初一
    int seen = 0;
    for (int m = 1; m <= 12; ++m) {
        for (const bool leap : {false, true}) {
            const LunarMonthDays length = lunarMonthDays(2020, m);
            const int n = leap ? length.leap : length.regular;
            for (int d = 1; d <= n; ++d) {
                const QString text = QStringLiteral("农历2020年") + (leap ? "闰" : "") +
                                     months[m - 1] + "月" + days[d - 1];
                const DateEntry e = parseDateEntry(text, kMin, kMax);
                ASSERT_EQ(e.date, expected) << text.toStdString();
                expected = expected.addDays(1);
                ++seen;
            }
        }
    }
    EXPECT_EQ(seen, lunarYearDays(2020));
}

} // namespace
} // namespace bazi::ui

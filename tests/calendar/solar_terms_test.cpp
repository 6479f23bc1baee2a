#include "calendar/solar_terms.h"

#include <gtest/gtest.h>

namespace bazi {
namespace {

TEST(SolarTerms, TellingRows) {
    struct Case {
        const char* note;
        int year, n;
        CivilDateTime expected;
    } const cases[] = {
        {"1901 立春", 1901, 3, {{1901, 2, 4}, 19, 39, 59}},
        {"2016 小寒", 2016, 1, {{2016, 1, 6}, 6, 8, 14}},
        {"2016 立春", 2016, 3, {{2016, 2, 4}, 17, 45, 53}},
        {"2016 冬至", 2016, 24, {{2016, 12, 21}, 18, 44, 0}},
        {"2048 立春", 2048, 3, {{2048, 2, 4}, 12, 3, 45}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(termMoment(c.year, c.n), c.expected);
    }
}

TEST(SolarTerms, TermMomentOutsideTheTableIsZero) {
    EXPECT_EQ(termMoment(1798, 24), CivilDateTime{});
    EXPECT_EQ(termMoment(2201, 1), CivilDateTime{});
    EXPECT_EQ(termMoment(2016, 0), CivilDateTime{});
    EXPECT_EQ(termMoment(2016, 25), CivilDateTime{});
}

TEST(SolarTerms, Names) {
    EXPECT_EQ(solarTermName(1), "小寒");
    EXPECT_EQ(solarTermName(3), "立春");
    EXPECT_EQ(solarTermName(5), "惊蛰");
    EXPECT_EQ(solarTermName(24), "冬至");
    EXPECT_EQ(solarTermName(0), "");
    EXPECT_EQ(solarTermName(25), "");
}

TEST(SolarTerms, TermOnDate) {
    struct Case {
        const char* note;
        CivilDate date;
        int expected;
    } const cases[] = {
        {"立春 day", {2016, 2, 4}, 3},           {"day after 立春", {2016, 2, 5}, 0},
        {"冬至 day", {2016, 12, 21}, 24},        {"小寒 day", {2016, 1, 6}, 1},
        {"1880 小寒", {1880, 1, 6}, 1},          {"first year", {1799, 1, 5}, 1},
        {"before the table", {1798, 12, 22}, 0}, {"last term", {2200, 12, 22}, 24},
        {"after the table", {2201, 1, 5}, 0},    {"month 13", {2016, 13, 1}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(termOnDate(c.date), c.expected);
    }
}

// Every record of the table: a valid moment in its own year, later than the one
// before, found again by termOnDate from its date alone.
TEST(SolarTerms, EveryRecordIsFoundOnItsDay) {
    CivilDateTime previous{};
    for (int year = kSolarTermFirstYear; year <= kSolarTermLastYear; ++year) {
        for (int n = 1; n <= 24; ++n) {
            const CivilDateTime t = termMoment(year, n);
            ASSERT_TRUE(t.ok()) << year << " term " << n;
            ASSERT_EQ(t.date.year, year);
            ASSERT_LT(previous, t) << year << " term " << n;
            ASSERT_EQ(termOnDate(t.date), n) << year << " term " << n;
            previous = t;
        }
    }
}

TEST(SolarTerms, TermInForce) {
    struct Case {
        const char* note;
        CivilDateTime moment;
        std::optional<TermRef> expected;
    } const cases[] = {
        {"at 立春's second", {{2016, 2, 4}, 17, 45, 53}, TermRef{2016, 3}},
        {"a second before 立春", {{2016, 2, 4}, 17, 45, 52}, TermRef{2016, 2}},
        {"before 小寒: last year's 冬至", {{2016, 1, 3}, 12, 0, 0}, TermRef{2015, 24}},
        {"after 冬至", {{2016, 12, 31}, 23, 59, 59}, TermRef{2016, 24}},
        {"惊蛰 in force", {{2016, 3, 16}, 22, 0, 0}, TermRef{2016, 5}},
        {"first day of the calendar: 1799's 冬至", {{1800, 1, 1}, 0, 0, 0}, TermRef{1799, 24}},
        {"last second of the calendar", {{2200, 12, 31}, 23, 59, 59}, TermRef{2200, 24}},
        {"before the table's first term", {{1799, 1, 1}, 0, 0, 0}, std::nullopt},
        {"after the table", {{2201, 6, 1}, 0, 0, 0}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(termInForce(c.moment), c.expected);
    }
}

} // namespace
} // namespace bazi

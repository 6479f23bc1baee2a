// The committed solar-term table: its pinned rows and the shape of all 9,648
// records.

#include "solar_term_table.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using bazi::CivilDate;
using bazi::CivilDateTime;
using bazi::kSolarTermTable;

const bazi::SolarTermRecord& record(int year, int n) {
    return kSolarTermTable[static_cast<std::size_t>((year - bazi::kSolarTermFirstYear) * 24 +
                                                    (n - 1))];
}

CivilDateTime momentOf(int year, int n) {
    const auto& r = record(year, n);
    return {{year, r.month, r.day}, r.hour, r.minute, r.second};
}

TEST(SolarTermTable, PinnedRows) {
    struct Case {
        const char* note;
        int year, n;
        CivilDateTime expected;
    };
    const Case cases[] = {
        {"1901 立春", 1901, 3, {{1901, 2, 4}, 19, 39, 59}},
        {"2016 小寒", 2016, 1, {{2016, 1, 6}, 6, 8, 14}},
        {"2016 立春", 2016, 3, {{2016, 2, 4}, 17, 45, 53}},
        {"2016 冬至", 2016, 24, {{2016, 12, 21}, 18, 44, 0}},
        {"2048 立春", 2048, 3, {{2048, 2, 4}, 12, 3, 45}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(momentOf(c.year, c.n), c.expected);
    }
}

TEST(SolarTermTable, EveryRecordIsARealMomentInItsYear) {
    for (int year = bazi::kSolarTermFirstYear; year <= bazi::kSolarTermLastYear; ++year) {
        for (int n = 1; n <= 24; ++n) {
            SCOPED_TRACE(std::to_string(year) + " term " + std::to_string(n));
            EXPECT_TRUE(momentOf(year, n).ok());
        }
    }
}

// Terms follow one another 14 to 16 days apart (the sun moves 15° in 14.7
// days at perihelion, 15.7 at aphelion), so months never decrease, each
// month holds two terms, and term n sits in month (n + 1) / 2.
TEST(SolarTermTable, TermsAdvanceAboutFifteenDaysAndTwoAMonth) {
    for (int year = bazi::kSolarTermFirstYear; year <= bazi::kSolarTermLastYear; ++year) {
        for (int n = 1; n <= 24; ++n) {
            SCOPED_TRACE(std::to_string(year) + " term " + std::to_string(n));
            EXPECT_EQ(record(year, n).month, (n + 1) / 2);
            if (n > 1) {
                const auto days =
                    bazi::dayDifference(momentOf(year, n).date, momentOf(year, n - 1).date);
                EXPECT_GE(days, 14);
                EXPECT_LE(days, 16);
                EXPECT_GE(record(year, n).month, record(year, n - 1).month);
            }
        }
        if (year > bazi::kSolarTermFirstYear) { // 冬至 to the next 小寒
            const auto days =
                bazi::dayDifference(momentOf(year, 1).date, momentOf(year - 1, 24).date);
            EXPECT_GE(days, 14);
            EXPECT_LE(days, 16);
        }
    }
}

} // namespace

#include "basis/equation_of_time.h"

#include "equation_of_time_table.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace bazi {
namespace {

Instant utc(int y, int mo, int d, int h = 0, int mi = 0) {
    return instantFromLocal(CivilDateTime{{y, mo, d}, h, mi, 0}, 0);
}

// The year's extremes and zero crossings, as every almanac prints them (to a
// few seconds; they shift by a day or so over the centuries).
TEST(EquationOfTime, ShapeOfTheYear) {
    struct Case {
        const char* note;
        Instant at;
        double lowSeconds, highSeconds;
    } const cases[] = {
        {"mid-February minimum, about -14 min 13 s", utc(2016, 2, 11), -860, -845},
        {"early-November maximum, about +16 min 25 s", utc(2016, 11, 3), 975, 990},
        {"mid-May, about +3 min 39 s", utc(2016, 5, 14), 210, 225},
        {"late July, about -6 min 32 s", utc(2016, 7, 26), -400, -385},
        {"mid-April zero", utc(2016, 4, 15, 12), -30, 30},
        {"mid-June zero", utc(2016, 6, 13, 12), -30, 30},
        {"1 September zero", utc(2016, 9, 1, 12), -30, 30},
        {"Christmas zero", utc(2016, 12, 25, 0), -30, 30},
        // The perihelion moves on: the February minimum shrinks by about 25 s a
        // century around 2000 (-14 min 38 s in 1800, -13 min 51 s in 2200).
        {"1800, the table's first year", utc(1800, 2, 11), -885, -870},
        {"2200, its last", utc(2200, 2, 11), -840, -825},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        const double e = static_cast<double>(equationOfTimeMs(c.at)) / 1000;
        EXPECT_GE(e, c.lowSeconds);
        EXPECT_LE(e, c.highSeconds);
    }
}

// Meeus, Astronomical Algorithms, example 28.b: 1992 October 13.0 TD, E = +13 min
// 42.56 s. The book takes the mean sun at TD; the clocks' mean sun runs on UT,
// 59 s behind TD then, so the table's E at that instant is 0.16 s less
// (0.9856°/day × 59 s × 240 s/°).
TEST(EquationOfTime, MeeusExample28b) {
    const double e = static_cast<double>(equationOfTimeMs(utc(1992, 10, 13) - 59)) / 1000;
    EXPECT_NEAR(e, 13 * 60 + 42.564 - 0.162, 0.03);
}

// On the table's grid the interpolation returns the table; between grid points
// it never steps by more than the equation of time can change in a second
// (under 0.4 ms), so solar time runs forward at every second.
TEST(EquationOfTime, InterpolationMeetsTheGridAndIsSmooth) {
    for (std::size_t k = 1; k + 2 < kEquationOfTimeTable.size(); k += 997) {
        const Instant t{
            (kEquationOfTimeFirstDay + static_cast<std::int64_t>(k) * kEquationOfTimeStepDays) *
            kSecondsPerDay};
        ASSERT_EQ(equationOfTimeMs(t), kEquationOfTimeTable[k]) << k;
    }
    for (int year = 1800; year <= 2200; year += 25) {
        const Instant start = utc(year, 3, 1);
        for (std::int64_t s = 0; s < 9 * kSecondsPerDay; s += 61) {
            const std::int64_t step = equationOfTimeMs(start + s + 1) - equationOfTimeMs(start + s);
            ASSERT_LE(std::llabs(step), 1) << year << " +" << s;
        }
    }
}

TEST(EquationOfTime, RangeAndClamping) {
    EXPECT_LE(equationOfTimeFirstInstant(), utc(1800, 1, 1) - 8 * 3600);
    EXPECT_GE(equationOfTimeLastInstant(), utc(2200, 12, 31, 23, 59) + 14 * 3600);
    EXPECT_EQ(equationOfTimeMs(equationOfTimeFirstInstant() - 1'000'000),
              equationOfTimeMs(equationOfTimeFirstInstant()));
    EXPECT_EQ(equationOfTimeMs(equationOfTimeLastInstant() + 1'000'000),
              equationOfTimeMs(equationOfTimeLastInstant()));
}

} // namespace
} // namespace bazi

// The equation-of-time generator against a textbook value, and the committed
// table (as the engine interpolates it) against ERFA over 1800..2200. (That the
// header is the generator's output byte for byte is checked by running the
// generator: regenerate.cmake.)

#include "basis/equation_of_time.h"
#include "equation_of_time.h"
#include "erfa_equation_of_time.h"
#include "julian_day.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>

namespace {

using namespace bazi::ephem;

const std::filesystem::path kData = std::filesystem::path(BAZI_SOURCE_DIR) / "data/solar_terms";

const SolarEphemeris& ephemeris() {
    static const SolarEphemeris e{Vsop87Earth::load(kData / "vsop87d_earth.txt"),
                                  Nutation1980::load(kData / "nutation_iau1980.txt"),
                                  DeltaTModel::load(kData / "delta_t_yearly.txt")};
    return e;
}

// Meeus, Astronomical Algorithms, example 28.b: 1992 October 13.0 TD, E =
// 3.427351° = +13 min 42.564 s, with the mean sun taken at TD as the book does.
TEST(EquationOfTimeGenerator, MeeusExample28b) {
    const double jd = julianDateFromGregorian(1992, 10, 13);
    EXPECT_NEAR(equationOfTime(ephemeris(), jd, 0.0), 822.564, 0.03);
}

TEST(EquationOfTimeGenerator, RefusesATableOfTheWrongSize) {
    EXPECT_THROW((void)equationOfTimeTableHeader(std::vector<std::int32_t>(10)),
                 std::invalid_argument);
}

// The interpolated table against the generator's own theory between grid
// points: the table's interpolation error.
TEST(EquationOfTimeGenerator, InterpolationStaysWithinFifteenMilliseconds) {
    double worst = 0;
    for (int year = 1800; year <= 2200; year += 50) {
        const double first = julianDateFromGregorian(year, 1, 1);
        for (double day = 0.3; day < 366; day += 1.7) {
            const double jd = first + day;
            const bazi::Instant t{std::llround((jd - 2440587.5) * 86400)};
            const double table = static_cast<double>(bazi::equationOfTimeMs(t)) / 1000;
            worst = std::max(worst, std::abs(table - equationOfTimeUT(ephemeris(), jd)));
        }
    }
    std::printf("[ interpolation ] worst %.4f s against the theory\n", worst);
    EXPECT_LT(worst, 0.015);
}

// The independent check: ERFA's GAST - α + 12 h - UT1 (IAU 2000 Earth rotation,
// eraEpv00 sun, IAU 2000B nutation) with the same ΔT, every 1.37 days over
// 1800..2200, against what the engine interpolates from the committed table.
TEST(EquationOfTimeCrossCheck, ErfaAgreesWithinAFifthOfASecondOver1800To2200) {
    const double first = julianDateFromGregorian(1800, 1, 1);
    const double last = julianDateFromGregorian(2201, 1, 1);
    struct Worst {
        double seconds = 0, jd = 0;
    };
    Worst worst[4]; // 1800-1899, 1900-1999, 2000-2099, 2100-2200
    int samples = 0;
    for (double jd = first; jd < last; jd += 1.37) {
        const bazi::Instant t{std::llround((jd - 2440587.5) * 86400)};
        const double table = static_cast<double>(bazi::equationOfTimeMs(t)) / 1000;
        const double erfa = erfaEquationOfTime(jd, tableDeltaT(ephemeris().deltaT, jd));
        const double diff = std::abs(table - erfa);
        const int century = std::min(3, static_cast<int>((jd - first) / 36524.25));
        if (diff > worst[century].seconds)
            worst[century] = Worst{diff, jd};
        ++samples;
    }
    std::printf("[ ERFA ] %d instants compared\n", samples);
    for (int c = 0; c < 4; ++c) {
        const CalendarSecond at = calendarSecondFromJulianDate(worst[c].jd);
        std::printf("[ ERFA ]   %d-%d: worst %.3f s (%04d-%02d-%02d)\n", 1800 + 100 * c,
                    c == 3 ? 2200 : 1899 + 100 * c, worst[c].seconds, at.year, at.month, at.day);
        EXPECT_LT(worst[c].seconds, 0.2);
    }
}

} // namespace

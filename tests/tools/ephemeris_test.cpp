// The generator's astronomy against published check values and ERFA.

#include "erfa_sun.h"
#include "solar_longitude.h"

#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace bazi::ephem;

const std::filesystem::path kData = std::filesystem::path(BAZI_SOURCE_DIR) / "data/solar_terms";

const SolarEphemeris& ephemeris() {
    static const SolarEphemeris e{Vsop87Earth::load(kData / "vsop87d_earth.txt"),
                                  Nutation1980::load(kData / "nutation_iau1980.txt"),
                                  DeltaTModel::load(kData / "delta_t_yearly.txt")};
    return e;
}

TEST(Vsop87Earth, HoldsTheFullSeriesAndMatchesTheCheckValue) {
    EXPECT_EQ(ephemeris().earth.termCount(), 2425u);
    // VSOP87D Earth at J2000.0, from the check file vsop87.chk of the
    // VSOP87 distribution (Bretagnon & Francou).
    const HeliocentricPosition p = ephemeris().earth.position(0.0);
    EXPECT_NEAR(p.longitude, 1.7519238681, 1e-10);
    EXPECT_NEAR(p.latitude, -0.0000039656, 1e-10);
    EXPECT_NEAR(p.radius, 0.9833276819, 1e-10);
}

// Every coefficient of the 106-term file against ERFA's own table: a typing
// slip in any term shows within a few dates.
TEST(Nutation1980, AgreesWithErfaOverTheTableYears) {
    double worst = 0;
    for (double jd = 2407700.5; jd < 2481000.5; jd += 9.7) {
        const NutationAngles n = ephemeris().nutation.at((jd - kJ2000) / 36525);
        double dpsi = 0, deps = 0;
        eraNut80(kJ2000, jd - kJ2000, &dpsi, &deps);
        worst = std::max({worst, std::abs(n.longitude - dpsi / ERFA_DAS2R),
                          std::abs(n.obliquity - deps / ERFA_DAS2R)});
    }
    EXPECT_LT(worst, 1e-9); // arcseconds
}

TEST(Nutation1980, RefusesATruncatedSeries) {
    const auto path = std::filesystem::temp_directory_path() / "bazi_nutation_short.txt";
    std::ofstream(path) << " 0  0  0  0  1 -171996.0 -174.2  92025.0  8.9\n";
    EXPECT_THROW((void)Nutation1980::load(path), std::runtime_error);
}

TEST(Vsop87Earth, RefusesAMalformedLine) {
    const auto path = std::filesystem::temp_directory_path() / "bazi_vsop_bad.txt";
    std::ofstream(path) << "L 0 1.75347045673 0 0\nX 0 1 2 3\n";
    EXPECT_THROW((void)Vsop87Earth::load(path), std::runtime_error);
    EXPECT_THROW((void)Vsop87Earth::load(kData / "no_such_file.txt"), std::runtime_error);
}

// The apparent longitude from VSOP87D + FK5 + nutation + aberration against
// ERFA's DE405-based ephemeris with full light time and aberration: they
// agree to a small fraction of an arcsecond (1″ is 24 s of the sun's motion).
TEST(ApparentSolarLongitude, AgreesWithErfaToATenthOfAnArcsecond) {
    double worst = 0;
    for (double jd = 2407700.5; jd < 2481000.5; jd += 23.3) {
        double d =
            (apparentSolarLongitude(ephemeris(), jd) - erfaApparentSolarLongitude(jd)) * 3600;
        d = std::remainder(d, 360.0 * 3600);
        worst = std::max(worst, std::abs(d));
    }
    RecordProperty("worst_arcsec", std::to_string(worst));
    std::printf("worst |VSOP87D − ERFA| apparent longitude 1880..2080: %.3f″\n", worst);
    EXPECT_LT(worst, 0.1);
}

// The same over the table's whole span: ERFA's Earth (eraEpv00) is fitted to
// 1900..2100 and drifts slowly outside it, so the bound is wider.
TEST(ApparentSolarLongitude, AgreesWithErfaFrom1799To2201) {
    double worst = 0;
    for (double jd = 2378131.5; jd < 2525000.5; jd += 23.3) {
        double d =
            (apparentSolarLongitude(ephemeris(), jd) - erfaApparentSolarLongitude(jd)) * 3600;
        d = std::remainder(d, 360.0 * 3600);
        worst = std::max(worst, std::abs(d));
    }
    RecordProperty("worst_arcsec", std::to_string(worst));
    std::printf("worst |VSOP87D − ERFA| apparent longitude 1799..2201: %.3f″\n", worst);
    EXPECT_LT(worst, 0.15);
}

TEST(TermMoment, LandsOnTheTermLongitude) {
    struct Case {
        const char* note;
        int year, n;
    };
    const Case cases[] = {{"小寒 1880", 1880, 1},  {"立春 1901", 1901, 3},  {"春分 2016", 2016, 6},
                          {"冬至 2016", 2016, 24}, {"夏至 2079", 2079, 12}, {"冬至 1799", 1799, 24},
                          {"冬至 2200", 2200, 24}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        const double jd = termMomentTT(ephemeris(), c.year, c.n);
        const double lambda = apparentSolarLongitude(ephemeris(), jd);
        EXPECT_NEAR(std::remainder(lambda - termLongitude(c.n), 360.0), 0.0, 1e-7); // 0.0004″
        EXPECT_EQ(calendarSecondFromJulianDate(jd).year, c.year);
    }
}

TEST(TermMoment, TermLongitudes) {
    EXPECT_EQ(termLongitude(1), 285.0);
    EXPECT_EQ(termLongitude(3), 315.0);
    EXPECT_EQ(termLongitude(6), 0.0);
    EXPECT_EQ(termLongitude(24), 270.0);
    EXPECT_THROW((void)termLongitude(0), std::out_of_range);
    EXPECT_THROW((void)termLongitude(25), std::out_of_range);
}

} // namespace

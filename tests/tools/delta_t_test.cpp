// The ΔT model: its interpolation, tidal correction and forecast.

#include "delta_t.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace bazi::ephem;

const std::filesystem::path kData = std::filesystem::path(BAZI_SOURCE_DIR) / "data/solar_terms";

std::filesystem::path writeTemp(const std::string& name, const std::string& text) {
    const auto path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path) << text;
    return path;
}

// The values the pinned table rows call for: about −2 s in 1901, 76 s in
// 2016 and 125–126 s in 2048.
TEST(DeltaT, MatchesTheValuesThePinnedRowsNeed) {
    const DeltaTModel model = DeltaTModel::load(kData / "delta_t_yearly.txt");
    struct Case {
        const char* note;
        double year, low, high;
    };
    const Case cases[] = {
        {"1901 立春", 1901.09, -2.1, -1.7},
        {"2016 小寒", 2016.01, 76.2, 76.6},
        {"2048 立春", 2048.09, 125.8, 126.8},
        // Published yearly values, corrected only before 1955.
        {"1880, −5.36 s corrected by −0.0001916 × 75² s", 1880.0, -5.36 - 1.078 - 0.01,
         -5.36 - 1.078 + 0.01},
        {"1955, no correction", 1955.0, 31.06, 31.08},
        {"2000, IERS", 2000.0, 63.82, 63.84},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        const double v = model.at(c.year);
        EXPECT_GE(v, c.low);
        EXPECT_LE(v, c.high);
    }
}

TEST(DeltaT, IsContinuousWhereTheTableHandsOverToTheForecast) {
    const DeltaTModel model = DeltaTModel::load(kData / "delta_t_yearly.txt");
    struct Case {
        const char* note;
        double year;
    };
    const Case cases[] = {
        {"end of the table", 2005.0}, {"the knot", 2009.0}, {"end of the blend", 2109.0}};
    // The forecast starts from 64.7 s, the IERS 64.69 s of 2005 rounded.
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_NEAR(model.at(c.year - 1e-6), model.at(c.year + 1e-6), 0.015);
    }
    // The blend ends on the parabola.
    const double u = (2120.0 - 1820) / 100;
    EXPECT_NEAR(model.at(2120.0), -20 + 31 * u * u, 1e-9);
}

TEST(DeltaT, TidalCorrectionVanishesAt1955AndGrowsBothWays) {
    EXPECT_EQ(tidalCorrection(1955.0), 0.0);
    EXPECT_NEAR(tidalCorrection(1901.0), -0.000091 * 2.1054 * 54 * 54, 1e-9);
    EXPECT_LT(tidalCorrection(1880.0), tidalCorrection(1900.0));
}

// Bessel's formula to fourth differences is exact for a quartic: a wrong
// coefficient or difference shows at once.
TEST(DeltaT, BesselInterpolationIsExactForAQuartic) {
    auto quartic = [](double y) {
        const double x = (y - 1990) / 10;
        return 50 + 3 * x - 2 * x * x + 0.5 * x * x * x + 0.25 * x * x * x * x;
    };
    std::string text = "# quartic test values\n";
    for (int y = 1960; y <= 2005; ++y)
        text += std::to_string(y) + " " + std::to_string(quartic(y)) + "\n";
    // std::to_string keeps six decimals; compare with that precision.
    const DeltaTModel model = DeltaTModel::load(writeTemp("bazi_delta_t_quartic.txt", text));
    for (double y = 1963.0; y <= 2001.0; y += 0.37) {
        SCOPED_TRACE(y);
        EXPECT_NEAR(model.at(y), quartic(y), 2e-6);
    }
}

TEST(DeltaT, RefusesBadTables) {
    struct Case {
        const char* note;
        std::string text;
    };
    const Case cases[] = {
        {"a year missing",
         "2000 63.8\n2001 64.1\n2003 64.5\n2004 64.6\n2005 64.7\n2006 64.8\n2007 65\n"},
        {"not a number", "2000 63.8\n2001 sixty\n"},
        {"too short", "2000 63.8\n2001 64.1\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_THROW((void)DeltaTModel::load(writeTemp("bazi_delta_t_bad.txt", c.text)),
                     std::runtime_error);
    }
    EXPECT_THROW((void)DeltaTModel::load(kData / "no_such_file.txt"), std::runtime_error);
}

} // namespace

// The committed table is exactly what the generator writes from the data,
// and ERFA puts every term on the same civil date.

#include "cross_check.h"
#include "solar_longitude.h"
#include "table_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

using namespace bazi::ephem;

const std::filesystem::path kSource = BAZI_SOURCE_DIR;
const std::filesystem::path kData = kSource / "data/solar_terms";

TEST(SolarTermGenerator, RegeneratesTheCommittedHeaderByteForByte) {
    const SolarEphemeris ephemeris{Vsop87Earth::load(kData / "vsop87d_earth.txt"),
                                   Nutation1980::load(kData / "nutation_iau1980.txt"),
                                   DeltaTModel::load(kData / "delta_t_yearly.txt")};
    const std::string generated = solarTermTableHeader(computeSolarTermTable(ephemeris));
    std::ifstream in(kSource / "src/query/solar_term_table.h", std::ios::binary);
    ASSERT_TRUE(in) << "cannot read src/query/solar_term_table.h";
    std::ostringstream committed;
    committed << in.rdbuf();
    // On a difference, regenerate with generate_solar_terms (see the header).
    EXPECT_TRUE(generated == committed.str()) << "src/query/solar_term_table.h is not the generator's output";
}

TEST(SolarTermGenerator, RefusesATableOfTheWrongSize) {
    EXPECT_THROW((void)solarTermTableHeader(std::vector<CalendarSecond>(24)), std::invalid_argument);
}

TEST(SolarTermCrossCheck, ErfaAgreesOnEveryDateAndWithinSecondsOnEveryMoment) {
    const CrossCheckReport report = crossCheckSolarTermTable(DeltaTModel::load(kData / "delta_t_yearly.txt"));
    printCrossCheck(std::cout, report);
    EXPECT_EQ(report.differentDates, 0);
    for (const EraAgreement& a : report.eras) {
        SCOPED_TRACE(std::to_string(a.era.firstYear) + "-" + std::to_string(a.era.lastYear));
        EXPECT_EQ(a.records, (a.era.lastYear - a.era.firstYear + 1) * 24);
        EXPECT_LT(a.worstSeconds, 3.0);
    }
}

} // namespace

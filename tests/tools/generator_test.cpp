// The table writer, and ERFA's agreement with the committed table: every
// term on the same civil date. (That the committed header is the generator's
// output byte for byte is checked by running the generator: regenerate.cmake.)

#include "cross_check.h"
#include "solar_longitude.h"
#include "table_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>

namespace {

using namespace bazi::ephem;

const std::filesystem::path kData = std::filesystem::path(BAZI_SOURCE_DIR) / "data/solar_terms";

TEST(SolarTermGenerator, RefusesATableOfTheWrongSize) {
    EXPECT_THROW((void)solarTermTableHeader(std::vector<CalendarSecond>(24)),
                 std::invalid_argument);
}

TEST(SolarTermCrossCheck, ErfaAgreesOnEveryDateAndWithinSecondsOnEveryMoment) {
    const CrossCheckReport report =
        crossCheckSolarTermTable(DeltaTModel::load(kData / "delta_t_yearly.txt"));
    printCrossCheck(std::cout, report);
    EXPECT_EQ(report.differentDates, 0);
    for (const EraAgreement& a : report.eras) {
        SCOPED_TRACE(std::to_string(a.era.firstYear) + "-" + std::to_string(a.era.lastYear));
        EXPECT_EQ(a.records, (a.era.lastYear - a.era.firstYear + 1) * 24);
        EXPECT_LT(a.worstSeconds, 3.0);
    }
}

} // namespace

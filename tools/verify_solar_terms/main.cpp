// verify_solar_terms: recomputes every record of the committed solar-term
// table with ERFA (an ephemeris independent of VSOP87D) and the same ΔT, and
// prints the worst difference by era.
//
//   verify_solar_terms <data dir>
//
// <data dir> is data/solar_terms (for delta_t_yearly.txt). Exit 0 when every
// record's date agrees, 1 when one does not or the data cannot be read, 2 on
// wrong arguments.

#include "cross_check.h"

#include <exception>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: verify_solar_terms <data dir>\n"
                     "  <data dir>: the folder data/solar_terms of the source tree\n";
        return 2;
    }
    try {
        using namespace bazi::ephem;
        const DeltaTModel deltaT =
            DeltaTModel::load(std::filesystem::path(argv[1]) / "delta_t_yearly.txt");
        const CrossCheckReport report = crossCheckSolarTermTable(deltaT);
        printCrossCheck(std::cout, report);
        return report.differentDates == 0 ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << "verify_solar_terms: " << e.what() << "\n";
        return 1;
    }
}

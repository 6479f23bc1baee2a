// generate_solar_terms: computes the solar-term table and writes it as the
// C++ header src/calendar/solar_term_table.h.
//
//   generate_solar_terms <data dir> [<output header>]
//
// <data dir> holds vsop87d_earth.txt, nutation_iau1980.txt and
// delta_t_yearly.txt; without an output path the header goes to stdout.
// Exit 0 on success, 1 when a data file or the output cannot be used, 2 on
// wrong arguments.
//
// Sources: VSOP87D (Bretagnon & Francou 1988) via npm astronomia 4.3.0; the
// IAU 1980 nutation series (Seidelmann 1982, Explanatory Supplement 1992);
// ΔT from USNO / the Astronomical Almanac and IERS via npm astronomia 4.3.0;
// the method of J. Meeus, Astronomical Algorithms (1998), ch. 25 and 27.

#include "solar_longitude.h"
#include "table_writer.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: generate_solar_terms <data dir> [<output header>]\n"
                     "  <data dir>: the folder data/solar_terms of the source tree\n";
        return 2;
    }
    try {
        using namespace bazi::ephem;
        const std::filesystem::path data = argv[1];
        const SolarEphemeris ephemeris{Vsop87Earth::load(data / "vsop87d_earth.txt"),
                                       Nutation1980::load(data / "nutation_iau1980.txt"),
                                       DeltaTModel::load(data / "delta_t_yearly.txt")};
        const std::string header = solarTermTableHeader(computeSolarTermTable(ephemeris));
        if (argc == 3) {
            std::ofstream out(argv[2], std::ios::binary);
            if (!(out << header) || !out.flush()) {
                std::cerr << "generate_solar_terms: cannot write " << argv[2] << "\n";
                return 1;
            }
        } else {
            std::cout << header;
        }
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "generate_solar_terms: " << e.what() << "\n";
        return 1;
    }
}

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

#include "generator_main.h"
#include "table_writer.h"

int main(int argc, char** argv) {
    using namespace bazi::ephem;
    return runSolarTableGenerator(argc, argv, "generate_solar_terms", [](const SolarEphemeris& e) {
        return solarTermTableHeader(computeSolarTermTable(e));
    });
}

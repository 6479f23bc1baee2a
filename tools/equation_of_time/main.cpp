// generate_equation_of_time: computes the equation-of-time table and writes it
// as the C++ header src/basis/equation_of_time_table.h.
//
//   generate_equation_of_time <data dir> [<output header>]
//
// <data dir> is data/solar_terms (the solar theory and ΔT of the solar-term
// table); without an output path the header goes to stdout. Exit 0 on success,
// 1 when a data file or the output cannot be used, 2 on wrong arguments.

#include "equation_of_time.h"
#include "generator_main.h"

int main(int argc, char** argv) {
    using namespace bazi::ephem;
    return runSolarTableGenerator(
        argc, argv, "generate_equation_of_time", [](const SolarEphemeris& e) {
            return equationOfTimeTableHeader(computeEquationOfTimeTable(e));
        });
}

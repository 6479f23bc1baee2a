// generate_equation_of_time: computes the equation-of-time table and writes it
// as the C++ header src/basis/equation_of_time_table.h.
//
//   generate_equation_of_time <data dir> [<output header>]
//
// <data dir> is data/solar_terms (the solar theory and ΔT of the solar-term
// table); without an output path the header goes to stdout. Exit 0 on success,
// 1 when a data file or the output cannot be used, 2 on wrong arguments.

#include "equation_of_time.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: generate_equation_of_time <data dir> [<output header>]\n"
                     "  <data dir>: the folder data/solar_terms of the source tree\n";
        return 2;
    }
    try {
        using namespace bazi::ephem;
        const std::filesystem::path data = argv[1];
        const SolarEphemeris ephemeris{Vsop87Earth::load(data / "vsop87d_earth.txt"),
                                       Nutation1980::load(data / "nutation_iau1980.txt"),
                                       DeltaTModel::load(data / "delta_t_yearly.txt")};
        const std::string header = equationOfTimeTableHeader(computeEquationOfTimeTable(ephemeris));
        if (argc == 3) {
            std::ofstream out(argv[2], std::ios::binary);
            if (!(out << header) || !out.flush()) {
                std::cerr << "generate_equation_of_time: cannot write " << argv[2] << "\n";
                return 1;
            }
        } else {
            std::cout << header;
        }
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "generate_equation_of_time: " << e.what() << "\n";
        return 1;
    }
}

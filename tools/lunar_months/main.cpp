// generate_lunar_months: reckons the lunar months from new moons and principal
// terms and writes the lunar years outside the printed tables as the C++
// header src/calendar/lunar_reckoned_tables.h.
//
//   generate_lunar_months <solar data dir> <lunar data dir> [<output header>] [--months <file>]
//
// <solar data dir> is data/solar_terms (VSOP87D, nutation, ΔT), <lunar data
// dir> data/lunar_months (ELP/MPP02). Without an output path the header goes
// to stdout. --months also writes every month start 1798-11 .. 2201 with its
// new moon (for the comparisons with the printed tables and PyEphem).
// Exit 0 on success, 1 when a data file or an output cannot be used or the
// reckoning breaks a rule, 2 on wrong arguments.

#include "generator_main.h"
#include "reckoned_table.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string monthsFile;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--months") {
            if (i + 1 == args.size()) {
                std::cerr << "generate_lunar_months: --months needs a file\n";
                return 2;
            }
            monthsFile = args[i + 1];
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                       args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
            break;
        }
    }
    if (args.size() < 2 || args.size() > 3) {
        std::cerr << "usage: generate_lunar_months <solar data dir> <lunar data dir> "
                     "[<output header>] [--months <file>]\n"
                     "  the folders data/solar_terms and data/lunar_months of the source tree\n";
        return 2;
    }
    try {
        using namespace bazi::ephem;
        const SolarEphemeris ephemeris = loadSolarEphemeris(args[0]);
        const ElpMpp02Moon moon =
            ElpMpp02Moon::load(std::filesystem::path(args[1]) / "elp_mpp02_de405.txt");
        const LunarReckoning reckoning = reckonLunarMonths(moon, ephemeris);
        const std::string header = reckonedTableHeader(
            packLunarYears(reckoning.months, kReckonedFirstYear, kPrintedFirstYear - 1),
            packLunarYears(reckoning.months, kPrintedLastYear + 1, kReckonedLastYear));
        if (args.size() == 3) {
            if (!writeTextFile(args[2], header)) {
                std::cerr << "generate_lunar_months: cannot write " << args[2] << "\n";
                return 1;
            }
        } else {
            std::cout << header;
        }
        if (!monthsFile.empty() && !writeTextFile(monthsFile, monthListText(reckoning))) {
            std::cerr << "generate_lunar_months: cannot write " << monthsFile << "\n";
            return 1;
        }
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "generate_lunar_months: " << e.what() << "\n";
        return 1;
    }
}

#include "generator_main.h"

#include <exception>
#include <fstream>
#include <iostream>

namespace bazi::ephem {

SolarEphemeris loadSolarEphemeris(const std::filesystem::path& data) {
    return SolarEphemeris{Vsop87Earth::load(data / "vsop87d_earth.txt"),
                          Nutation1980::load(data / "nutation_iau1980.txt"),
                          DeltaTModel::load(data / "delta_t_yearly.txt")};
}

bool writeTextFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    return static_cast<bool>(out << text) && static_cast<bool>(out.flush());
}

int runSolarTableGenerator(int argc, char** argv, std::string_view name,
                           std::string (*headerOf)(const SolarEphemeris&)) {
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: " << name << " <data dir> [<output header>]\n"
                  << "  <data dir>: the folder data/solar_terms of the source tree\n";
        return 2;
    }
    try {
        const std::string header = headerOf(loadSolarEphemeris(argv[1]));
        if (argc == 2) {
            std::cout << header;
            return 0;
        }
        if (!writeTextFile(argv[2], header)) {
            std::cerr << name << ": cannot write " << argv[2] << "\n";
            return 1;
        }
        return 0;
    } catch (const std::exception& e) {
        std::cerr << name << ": " << e.what() << "\n";
        return 1;
    }
}

} // namespace bazi::ephem

#pragma once
// What the table generators over the solar theory share: loading the data
// folder, writing the header, and the main() of a generator whose table
// depends on the solar data alone.

#include "solar_longitude.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace bazi::ephem {

/// The solar theory and ΔT of a data folder (data/solar_terms: vsop87d_earth.txt,
/// nutation_iau1980.txt, delta_t_yearly.txt). Throws std::runtime_error when a
/// file cannot be read.
[[nodiscard]] SolarEphemeris loadSolarEphemeris(const std::filesystem::path& data);

/// Writes `text` to `path` byte for byte; false when it cannot.
[[nodiscard]] bool writeTextFile(const std::filesystem::path& path, const std::string& text);

/// The whole of `<name> <data dir> [<output header>]`: loads the data, forms the
/// header with `headerOf` and writes it to the file or to stdout. Exit status 0,
/// 1 when a data file or the output cannot be used, 2 on wrong arguments.
int runSolarTableGenerator(int argc, char** argv, std::string_view name,
                           std::string (*headerOf)(const SolarEphemeris&));

} // namespace bazi::ephem

#pragma once
// Writes the solar-term table as the C++ header src/calendar/solar_term_table.h.

#include "julian_day.h"

#include <string>
#include <vector>

namespace bazi::ephem {

struct SolarEphemeris;

// 1799 holds the 大雪 and 冬至 in force on the first days of 1800.
inline constexpr int kTableFirstYear = 1799;
inline constexpr int kTableLastYear = 2200;
inline constexpr int kTermsPerYear = 24;

/// The moments of all terms, year by year from kTableFirstYear, term 1..24.
[[nodiscard]] std::vector<CalendarSecond> computeSolarTermTable(const SolarEphemeris& ephemeris);

/// The complete header text for `records` (24 per year from kTableFirstYear,
/// one line per year). Throws std::invalid_argument when the count is not
/// 24 × the years of the table.
[[nodiscard]] std::string solarTermTableHeader(const std::vector<CalendarSecond>& records);

} // namespace bazi::ephem

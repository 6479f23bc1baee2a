#pragma once
// The equation of time from the project's solar theory (VSOP87D Earth, IAU
// 1980 nutation, the ΔT model of tools/solar_terms), and the table the engine
// interpolates at run time.

#include "solar_longitude.h"

#include <cstdint>
#include <string>
#include <vector>

namespace bazi::ephem {

/// The equation of time in seconds at Julian date `jdUT` (UT), TT being UT +
/// `deltaT` seconds: apparent minus mean solar time, E = L0 − 0.0057183° − α +
/// Δψ cos ε. L0 is the sun's mean longitude (VSOP87, mean equinox of date)
/// taken at UT, because mean solar time is UT: the mean sun of the clocks
/// moves with the Earth's rotation, not with TT (at ΔT = 400 s the difference
/// is 1.1 s). α is the sun's apparent right ascension at TT (VSOP87D with the
/// FK5 corrections, IAU 1980 nutation, aberration −20.4898″/R, true
/// obliquity), Δψ cos ε the equation of the equinoxes. Positive when a sundial
/// is ahead of the mean sun (early November, about +16 min).
/// Reference: J. Meeus, Astronomical Algorithms, 2nd ed. (1998), ch. 28
/// (eq. 28.2, 28.3, there with ΔT neglected), ch. 25 (higher accuracy), ch. 22.
[[nodiscard]] double equationOfTime(const SolarEphemeris& ephemeris, double jdUT, double deltaT);

/// ΔT in seconds as the equation-of-time table uses it: the model's value, and
/// before the model's first tabulated year the value of that year (ΔT was
/// within ±10 s of it through the 19th century; E moves by under 0.004 s).
[[nodiscard]] double tableDeltaT(const DeltaTModel& deltaT, double jdUT);

/// The equation of time in seconds at Julian date `jdUT` (UT), with tableDeltaT.
[[nodiscard]] double equationOfTimeUT(const SolarEphemeris& ephemeris, double jdUT);

/// The table's grid: one value at 0h UT every kEotStepDays days from
/// kEotFirstDate, kEotCount values, covering 1800-01-01 .. 2200-12-31 with two
/// values to spare at each end for four-point interpolation.
inline constexpr int kEotFirstYear = 1799, kEotFirstMonth = 12, kEotFirstDay = 24;
inline constexpr int kEotStepDays = 4;
inline constexpr int kEotCount = 36'620;

/// Every value of the table, in milliseconds, rounded to the nearest.
[[nodiscard]] std::vector<std::int32_t> computeEquationOfTimeTable(const SolarEphemeris& ephemeris);

/// The complete header src/basis/equation_of_time_table.h for `values`.
/// Throws std::invalid_argument when there are not kEotCount values.
[[nodiscard]] std::string equationOfTimeTableHeader(const std::vector<std::int32_t>& values);

} // namespace bazi::ephem

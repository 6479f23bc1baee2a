#pragma once
// The sun's apparent geocentric longitude and the moments of the solar terms.

#include "delta_t.h"
#include "julian_day.h"
#include "nutation.h"
#include "vsop87.h"

namespace bazi::ephem {

/// The inputs of the computation: the Earth's series, nutation and ΔT.
struct SolarEphemeris {
    Vsop87Earth earth;
    Nutation1980 nutation;
    DeltaTModel deltaT;
};

/// FK5 correction to VSOP87 longitudes and the constant of aberration.
inline constexpr double kFk5LongitudeCorrection = -0.09033; // arcseconds
inline constexpr double kAberration = -20.4898;             // arcseconds × au

/// UTC offset of the table's civil time (China standard time).
inline constexpr double kCivilOffsetHours = 8.0;

/// The sun's apparent geocentric ecliptic longitude, true equinox of date, in
/// degrees [0, 360), at Julian date `jdTT` (TT): VSOP87D Earth reversed, the
/// FK5 correction, IAU 1980 nutation in longitude and annual aberration
/// −20.4898″/R.
/// Reference: J. Meeus, Astronomical Algorithms, 2nd ed. (1998), ch. 25
/// ("higher accuracy") and ch. 22.
[[nodiscard]] double apparentSolarLongitude(const SolarEphemeris& ephemeris, double jdTT);

/// Longitude in degrees of solar term n (1..24): 285° for n = 1 (小寒), then
/// 15° a term, so 315° for 立春 (3) and 270° for 冬至 (24).
[[nodiscard]] double termLongitude(int n);

/// Julian date (TT) at which the sun's apparent longitude reaches that of
/// term n (1..24) of Gregorian year `year`, solved to better than 1e-8 day
/// (under a millisecond).
[[nodiscard]] double termMomentTT(const SolarEphemeris& ephemeris, int year, int n);

/// The moment of term n of `year` in civil time UTC+8, rounded to the
/// nearest second: TT − ΔT + 8 h.
[[nodiscard]] CalendarSecond termMomentCivil(const SolarEphemeris& ephemeris, int year, int n);

/// Converts a TT Julian date to UTC+8 civil time with the model's ΔT.
[[nodiscard]] double civilJulianDateFromTT(const DeltaTModel& deltaT, double jdTT);

} // namespace bazi::ephem

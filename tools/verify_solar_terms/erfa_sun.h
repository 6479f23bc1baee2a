#pragma once
// The sun's apparent longitude and the solar terms from ERFA, an ephemeris
// independent of VSOP87D: the cross-check of the generated table.

#include "delta_t.h"

namespace bazi::ephem {

/// The sun's apparent direction from the Earth's centre, a unit vector in the
/// GCRS, at TT (taken as TDB) date1 + date2: ERFA's Earth ephemeris (eraEpv00),
/// the sun's light time and stellar aberration from the Earth's barycentric
/// velocity (eraAb). Shared by the solar-term and equation-of-time checks.
void erfaApparentSunDirection(double date1, double date2, double apparent[3]);

/// The sun's apparent geocentric ecliptic longitude, true equinox and
/// ecliptic of date, degrees [0, 360), at Julian date `jdTT` (TT, taken as
/// TDB): ERFA's Earth ephemeris (eraEpv00, a fit to JPL DE405 in the ICRS),
/// the sun's light time, stellar aberration from the Earth's barycentric
/// velocity (eraAb), frame bias, IAU 1976 precession and IAU 1980 nutation
/// (eraBi00, eraPnm80) and the true obliquity of date (eraObl80 + Δε).
/// Reference: ERFA 2.0 / IAU SOFA; Explanatory Supplement (1992) ch. 3.
[[nodiscard]] double erfaApparentSolarLongitude(double jdTT);

/// Julian date (TT) at which that longitude reaches that of term n (1..24)
/// of Gregorian `year`, solved to under a millisecond.
[[nodiscard]] double erfaTermMomentTT(int year, int n);

} // namespace bazi::ephem

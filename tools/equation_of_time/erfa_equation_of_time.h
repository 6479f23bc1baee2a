#pragma once
// The equation of time from ERFA, independent of the VSOP87D theory, the IAU
// 1980 nutation and the mean-longitude formula of the generator: the
// cross-check of the committed table.

namespace bazi::ephem {

/// Apparent minus mean solar time in seconds at UT1 Julian date `jdUT1`, with
/// TT = UT1 + `deltaT` seconds: E = GAST − α + 12 h − UT1, the hour angle of
/// the true sun at Greenwich less that of the mean sun. GAST from eraGst00b
/// (IAU 2000 Earth rotation angle and the IAU 2000B equation of the
/// equinoxes); α the sun's apparent right ascension, true equator and equinox
/// of date: eraEpv00 (a fit to JPL DE405), light time, aberration (eraAb),
/// bias-precession-nutation IAU 2000B (eraPnm00b).
/// Reference: ERFA 2.0 / IAU SOFA; Explanatory Supplement (1992) ch. 2.
[[nodiscard]] double erfaEquationOfTime(double jdUT1, double deltaT);

} // namespace bazi::ephem

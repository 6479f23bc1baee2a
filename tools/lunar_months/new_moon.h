#pragma once
// New moons: the moments the Moon's apparent geocentric longitude of date
// equals the Sun's.

#include "elp_mpp02.h"
#include "solar_longitude.h"

namespace bazi::ephem {

/// General precession in longitude, IAU 1976 (Lieske et al. 1977), arcseconds
/// at `t` Julian centuries TT from J2000.0: the equinox of date that VSOP87D's
/// longitudes are referred to, so the Moon is put on the same one.
[[nodiscard]] double generalPrecession1976(double t);

/// The Moon's apparent geocentric longitude of date, degrees [0, 360), at
/// Julian date `jdTT`: ELP/MPP02 at the time the light left it (light time
/// from its distance), on the equinox of date of IAU 1976 precession, plus IAU
/// 1980 nutation in longitude (the same as the Sun's, so it cancels in a
/// conjunction).
[[nodiscard]] double apparentLunarLongitude(const ElpMpp02Moon& moon,
                                            const SolarEphemeris& ephemeris, double jdTT);

/// Julian date (TT) of new moon number k, counted from the new moon of
/// 2000-01-06 (k = 0), solved to better than 1e-8 day.
/// Reference: J. Meeus, Astronomical Algorithms, 2nd ed. (1998), ch. 49 (the
/// mean phase that starts the search).
[[nodiscard]] double newMoonTT(const ElpMpp02Moon& moon, const SolarEphemeris& ephemeris, int k);

/// The number k of the first new moon whose mean phase is at or after `jdTT`.
[[nodiscard]] int newMoonNumberAfter(double jdTT);

} // namespace bazi::ephem

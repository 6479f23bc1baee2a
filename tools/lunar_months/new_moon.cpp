#include "new_moon.h"

#include "angles.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace bazi::ephem {

namespace {

constexpr double kLightKilometresPerDay = 299792.458 * kSecondsPerDay;
// Mean phase of new moon k (Meeus 49.1, first two terms).
constexpr double kNewMoon2000 = 2451550.09766;
constexpr double kSynodicMonth = 29.530588861;

} // namespace

double generalPrecession1976(double t) {
    return (5029.0966 + (1.11113 - 0.000006 * t) * t) * t;
}

double apparentLunarLongitude(const ElpMpp02Moon& moon, const SolarEphemeris& ephemeris,
                              double jdTT) {
    const double t = (jdTT - kJ2000) / (kDaysPerJulianYear * 100);
    const double lightTime = moon.distance(t) / kLightKilometresPerDay; // days, about 1.3 s
    const double tEmitted = t - lightTime / (kDaysPerJulianYear * 100);
    const double nutation = ephemeris.nutation.at(t).longitude;
    double lambda = std::fmod(moon.longitude(tEmitted) * kRadToDeg +
                                  (generalPrecession1976(t) + nutation) / 3600.0,
                              360.0);
    if (lambda < 0)
        lambda += 360;
    return lambda;
}

int newMoonNumberAfter(double jdTT) {
    return static_cast<int>(std::ceil((jdTT - kNewMoon2000) / kSynodicMonth));
}

double newMoonTT(const ElpMpp02Moon& moon, const SolarEphemeris& ephemeris, int k) {
    double jd = kNewMoon2000 + kSynodicMonth * k;
    // Newton steps with the mean rate of the elongation; the true rate varies
    // by about ±20 %, so each step gains a factor of five or more.
    constexpr double kMeanDegreesPerDay = 360.0 / kSynodicMonth;
    for (int i = 0; i < 40; ++i) {
        const double elongation = signedDegrees(apparentLunarLongitude(moon, ephemeris, jd) -
                                                apparentSolarLongitude(ephemeris, jd));
        const double step = -elongation / kMeanDegreesPerDay;
        jd += step;
        if (std::abs(step) < 1e-9)
            return jd;
    }
    throw std::runtime_error("new moon iteration did not converge");
}

} // namespace bazi::ephem

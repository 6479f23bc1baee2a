#include "solar_longitude.h"

#include "angles.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace bazi::ephem {

double apparentSolarLongitude(const SolarEphemeris& ephemeris, double jdTT) {
    const double tau = (jdTT - kJ2000) / (kDaysPerJulianYear * 1000); // Julian millennia
    const HeliocentricPosition earth = ephemeris.earth.position(tau);
    const NutationAngles nutation = ephemeris.nutation.at(tau * 10);
    // Geometric longitude of the sun: opposite the Earth.
    const double geometric = earth.longitude * kRadToDeg + 180.0;
    const double corrections =
        kFk5LongitudeCorrection + nutation.longitude + kAberration / earth.radius;
    double lambda = std::fmod(geometric + corrections / 3600.0, 360.0);
    if (lambda < 0)
        lambda += 360;
    return lambda;
}

double termLongitude(int n) {
    if (n < 1 || n > 24)
        throw std::out_of_range("solar term number outside 1..24");
    return std::fmod(285.0 + 15.0 * (n - 1), 360.0);
}

double termMomentTT(const SolarEphemeris& ephemeris, int year, int n) {
    const double target = termLongitude(n);
    // Term 1 falls about 5 January; the terms follow about 15.2 days apart.
    double jd = julianDateFromGregorian(year, 1, 6) + 15.22 * (n - 1);
    // Newton steps with the sun's mean rate; it varies by ±3 %, so each step
    // gains over a factor of 30 and eight steps pass 1e-8 day from any start
    // within a few days.
    constexpr double kMeanDegreesPerDay = 360.0 / 365.2422;
    for (int i = 0; i < 20; ++i) {
        const double step =
            signedDegrees(target - apparentSolarLongitude(ephemeris, jd)) / kMeanDegreesPerDay;
        jd += step;
        if (std::abs(step) < 1e-9)
            return jd;
    }
    throw std::runtime_error("solar term iteration did not converge");
}

double civilJulianDateFromTT(const DeltaTModel& deltaT, double jdTT) {
    const double ut = jdTT - deltaT.at(decimalYearFromJulianDate(jdTT)) / kSecondsPerDay;
    return ut + kCivilOffsetHours / 24.0;
}

CalendarSecond termMomentCivil(const SolarEphemeris& ephemeris, int year, int n) {
    return calendarSecondFromJulianDate(
        civilJulianDateFromTT(ephemeris.deltaT, termMomentTT(ephemeris, year, n)));
}

} // namespace bazi::ephem

#include "erfa_sun.h"

#include "angles.h"
#include "julian_day.h"
#include "solar_longitude.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace bazi::ephem {

namespace {

double norm(const double v[3]) {
    return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
}

// Frame bias ICRS → mean equator and equinox of J2000.0 (as eraBp00 forms it).
void frameBias(double rb[3][3]) {
    double dpsibi = 0, depsbi = 0, dra0 = 0;
    eraBi00(&dpsibi, &depsbi, &dra0);
    const double eps0 = 84381.448 * ERFA_DAS2R;
    eraIr(rb);
    eraRz(dra0, rb);
    eraRy(dpsibi * std::sin(eps0), rb);
    eraRx(-depsbi, rb);
}

} // namespace

void erfaApparentSunDirection(double date1, double date2, double apparent[3]) {
    double pvh[2][3], pvb[2][3];
    eraEpv00(date1, date2, pvh, pvb); // status 1 (outside 1900..2100) only warns

    // Sun relative to the Earth, at the time its light left it.
    double sunBary[3], sunVel[3], toSun[3];
    for (int i = 0; i < 3; ++i) {
        sunBary[i] = pvb[0][i] - pvh[0][i];
        sunVel[i] = pvb[1][i] - pvh[1][i];
        toSun[i] = sunBary[i] - pvb[0][i];
    }
    const double lightTime = norm(toSun) * ERFA_AULT / ERFA_DAYSEC; // days
    for (int i = 0; i < 3; ++i)
        toSun[i] -= sunVel[i] * lightTime;
    const double distance = norm(toSun);
    double direction[3];
    for (int i = 0; i < 3; ++i)
        direction[i] = toSun[i] / distance;

    // Aberration by the Earth's barycentric velocity (in units of c).
    double v[3];
    for (int i = 0; i < 3; ++i)
        v[i] = pvb[1][i] * ERFA_AULT / ERFA_DAYSEC;
    const double v2 = v[0] * v[0] + v[1] * v[1] + v[2] * v[2];
    eraAb(direction, v, norm(pvh[0]), std::sqrt(1 - v2), apparent);
}

double erfaApparentSolarLongitude(double jdTT) {
    const double date1 = kJ2000, date2 = jdTT - kJ2000;
    double apparent[3];
    erfaApparentSunDirection(date1, date2, apparent);

    // ICRS → true equator and equinox of date → true ecliptic of date.
    double rb[3][3], rpn[3][3], r[3][3];
    frameBias(rb);
    eraPnm80(date1, date2, rpn);
    eraRxr(rpn, rb, r);
    double dpsi = 0, deps = 0;
    eraNut80(date1, date2, &dpsi, &deps);
    eraRx(eraObl80(date1, date2) + deps, r);
    double ecliptic[3];
    eraRxp(r, apparent, ecliptic);
    return eraAnp(std::atan2(ecliptic[1], ecliptic[0])) * kRadToDeg;
}

double erfaTermMomentTT(int year, int n) {
    const double target = termLongitude(n);
    double jd = julianDateFromGregorian(year, 1, 6) + 15.22 * (n - 1);
    constexpr double kMeanDegreesPerDay = 360.0 / 365.2422;
    for (int i = 0; i < 20; ++i) {
        const double delta = signedDegrees(target - erfaApparentSolarLongitude(jd));
        const double step = delta / kMeanDegreesPerDay;
        jd += step;
        if (std::abs(step) < 1e-9)
            return jd;
    }
    throw std::runtime_error("solar term iteration (ERFA) did not converge");
}

} // namespace bazi::ephem

#include "erfa_equation_of_time.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace bazi::ephem {

namespace {

double norm(const double v[3]) {
    return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
}

// The sun's apparent direction from the Earth's centre, GCRS, at TT (as TDB).
void apparentSunDirection(double tt1, double tt2, double apparent[3]) {
    double pvh[2][3], pvb[2][3];
    eraEpv00(tt1, tt2, pvh, pvb); // status 1 (outside 1900..2100) only warns
    double toSun[3], sunVel[3];
    for (int i = 0; i < 3; ++i) {
        toSun[i] = -pvh[0][i];
        sunVel[i] = pvb[1][i] - pvh[1][i];
    }
    const double lightTime = norm(toSun) * ERFA_AULT / ERFA_DAYSEC; // days
    for (int i = 0; i < 3; ++i)
        toSun[i] -= sunVel[i] * lightTime;
    const double distance = norm(toSun);
    double direction[3];
    for (int i = 0; i < 3; ++i)
        direction[i] = toSun[i] / distance;
    double v[3];
    for (int i = 0; i < 3; ++i)
        v[i] = pvb[1][i] * ERFA_AULT / ERFA_DAYSEC;
    const double v2 = v[0] * v[0] + v[1] * v[1] + v[2] * v[2];
    eraAb(direction, v, norm(pvh[0]), std::sqrt(1 - v2), apparent);
}

} // namespace

double erfaEquationOfTime(double jdUT1, double deltaT) {
    constexpr double kJ2000 = 2451545.0;
    const double ut2 = jdUT1 - kJ2000;
    const double tt2 = ut2 + deltaT / ERFA_DAYSEC;

    double gcrs[3];
    apparentSunDirection(kJ2000, tt2, gcrs);
    double npb[3][3];
    eraPnm00b(kJ2000, tt2, npb);
    double ofDate[3];
    eraRxp(npb, gcrs, ofDate);
    const double alpha = std::atan2(ofDate[1], ofDate[0]);

    const double gast = eraGst00b(kJ2000, ut2);
    // Hour angle of the true sun, plus 12 h, less UT1 (as an angle); the mean
    // sun is on the meridian at 12h UT1.
    const double dayFraction = jdUT1 + 0.5 - std::floor(jdUT1 + 0.5);
    const double angle = eraAnpm(gast - alpha + ERFA_DPI - dayFraction * ERFA_D2PI);
    return angle / ERFA_D2PI * ERFA_DAYSEC;
}

} // namespace bazi::ephem

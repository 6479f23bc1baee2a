#include "erfa_equation_of_time.h"

#include "erfa_sun.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace bazi::ephem {

double erfaEquationOfTime(double jdUT1, double deltaT) {
    constexpr double kJ2000 = 2451545.0;
    const double ut2 = jdUT1 - kJ2000;
    const double tt2 = ut2 + deltaT / ERFA_DAYSEC;

    double gcrs[3];
    erfaApparentSunDirection(kJ2000, tt2, gcrs);
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

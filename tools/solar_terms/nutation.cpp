#include "nutation.h"

#include "angles.h"
#include "data_lines.h"

#include <cmath>
#include <numbers>
#include <sstream>
#include <stdexcept>
#include <string>

namespace bazi::ephem {

namespace {

constexpr std::size_t kTermCount = 106;

// An angle given as arcseconds plus whole revolutions times t, in radians
// reduced to [0, 2π); keeps the large rates exact before the trigonometry.
double fundamentalArgument(double arcsec, double revolutionsPerCentury, double t) {
    const double turns = std::fmod(revolutionsPerCentury * t, 1.0);
    return std::remainder(arcsec * kArcsecToRad + turns * 2 * std::numbers::pi,
                          2 * std::numbers::pi);
}

} // namespace

Nutation1980 Nutation1980::load(const std::filesystem::path& file) {
    Nutation1980 nutation;
    forEachDataLine(file, "nutation series",
                    [&](std::istringstream& fields, const std::string& where) {
                        NutationTerm t;
                        if (!(fields >> t.l >> t.lp >> t.f >> t.d >> t.om >> t.sinLongitude >>
                              t.sinLongitudeRate >> t.cosObliquity >> t.cosObliquityRate))
                            throw std::runtime_error(where + ": expected nine numbers");
                        nutation.m_terms.push_back(t);
                    });
    if (nutation.m_terms.size() != kTermCount)
        throw std::runtime_error(file.string() + ": expected " + std::to_string(kTermCount) +
                                 " terms, read " + std::to_string(nutation.m_terms.size()));
    return nutation;
}

NutationAngles Nutation1980::at(double t) const {
    // Delaunay arguments of the IAU 1980 theory.
    const double l =
        fundamentalArgument(485866.733 + (715922.633 + (31.310 + 0.064 * t) * t) * t, 1325.0, t);
    const double lp =
        fundamentalArgument(1287099.804 + (1292581.224 + (-0.577 - 0.012 * t) * t) * t, 99.0, t);
    const double f =
        fundamentalArgument(335778.877 + (295263.137 + (-13.257 + 0.011 * t) * t) * t, 1342.0, t);
    const double d =
        fundamentalArgument(1072261.307 + (1105601.328 + (-6.891 + 0.019 * t) * t) * t, 1236.0, t);
    const double om =
        fundamentalArgument(450160.280 + (-482890.539 + (7.455 + 0.008 * t) * t) * t, -5.0, t);

    // Smallest terms first, for a better rounded sum.
    double dpsi = 0, deps = 0;
    for (auto it = m_terms.rbegin(); it != m_terms.rend(); ++it) {
        const double arg = it->l * l + it->lp * lp + it->f * f + it->d * d + it->om * om;
        dpsi += (it->sinLongitude + it->sinLongitudeRate * t) * std::sin(arg);
        deps += (it->cosObliquity + it->cosObliquityRate * t) * std::cos(arg);
    }
    return {dpsi * 1e-4, deps * 1e-4};
}

} // namespace bazi::ephem

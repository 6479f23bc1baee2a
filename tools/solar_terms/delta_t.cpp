#include "delta_t.h"

#include "data_lines.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <stdexcept>
#include <string>

namespace bazi::ephem {

double tidalCorrection(double year) {
    const double b = year - kAtomicTimeYear;
    return -0.000091 * (kTargetTidalAcceleration - kTableTidalAcceleration) * b * b;
}

DeltaTModel DeltaTModel::load(const std::filesystem::path& file) {
    DeltaTModel model;
    forEachDataLine(file, "ΔT table", [&](std::istringstream& fields, const std::string& where) {
        int year = 0;
        double value = 0;
        if (!(fields >> year >> value))
            throw std::runtime_error(where + ": expected \"year ΔT\"");
        if (model.m_values.empty())
            model.m_firstYear = year;
        else if (year != model.m_lastTabulated + 1)
            throw std::runtime_error(where + ": years must follow one another");
        model.m_lastTabulated = year;
        if (year < kAtomicTimeYear)
            value += tidalCorrection(year);
        model.m_values.push_back(value);
    });
    if (model.m_values.size() < 6)
        throw std::runtime_error(file.string() + ": fewer than six yearly values");
    // Three forecast years give the interpolation its span up to the table's end.
    for (int y = model.m_lastTabulated + 1; y <= model.m_lastTabulated + 3; ++y)
        model.m_values.push_back(model.forecast(y));
    return model;
}

double DeltaTModel::forecast(double year) const {
    const double line = kForecastStart + kForecastSlope * (year - m_lastTabulated);
    if (year <= kForecastKnotYear)
        return line;
    const double u = (year - 1820) / 100;
    const double parabola = -20 + 31 * u * u;
    // Gap between the parabola and the line at the knot, closed linearly.
    const double knotLine = kForecastStart + kForecastSlope * (kForecastKnotYear - m_lastTabulated);
    const double uKnot = (kForecastKnotYear - 1820) / 100.0;
    const double gap = -20 + 31 * uKnot * uKnot - knotLine;
    const double remaining = std::max(0.0, 1 - (year - kForecastKnotYear) / kForecastBlendYears);
    return parabola - gap * remaining;
}

double DeltaTModel::at(double year) const {
    if (year > m_lastTabulated)
        return forecast(year);
    // Interval [y0, y0 + 1] with two values before it and three after.
    const int last = static_cast<int>(m_values.size()) - 1;
    int i0 =
        static_cast<int>(std::floor(year)) - m_firstYear; // [.., m_lastTabulated - m_firstYear]
    i0 = std::clamp(i0, 2, last - 3);
    const double p = year - (m_firstYear + i0);
    auto f = [&](int k) { return m_values[static_cast<std::size_t>(i0 + k)]; };
    // Forward differences around the interval.
    const double d1 = f(1) - f(0);
    const double d2m1 = f(1) - 2 * f(0) + f(-1);
    const double d2p0 = f(2) - 2 * f(1) + f(0);
    const double d2m2 = f(0) - 2 * f(-1) + f(-2);
    const double d2p1 = f(3) - 2 * f(2) + f(1);
    const double d3m1 = d2p0 - d2m1;
    const double d4m2 = d2p0 - 2 * d2m1 + d2m2;
    const double d4m1 = d2p1 - 2 * d2p0 + d2m1;
    // Bessel's formula to fourth differences.
    return f(0) + p * d1 + p * (p - 1) / 4 * (d2m1 + d2p0) + (p - 0.5) * p * (p - 1) / 6 * d3m1 +
           (p + 1) * p * (p - 1) * (p - 2) / 48 * (d4m2 + d4m1);
}

} // namespace bazi::ephem

#include "elp_mpp02.h"

#include "angles.h"
#include "data_lines.h"

#include <cmath>
#include <numbers>
#include <sstream>
#include <stdexcept>
#include <string>

namespace bazi::ephem {

namespace {

double horner(const std::array<double, 5>& c, double t) {
    return c[0] + t * (c[1] + t * (c[2] + t * (c[3] + t * c[4])));
}

// Σ over powers p of T^p Σ A sin(phase(T)).
double sumSeries(const std::array<std::vector<ElpTerm>, 4>& series, double t) {
    double total = 0;
    for (std::size_t p = series.size(); p-- > 0;) {
        double sum = 0;
        // Smallest terms first, for a better rounded sum.
        for (auto it = series[p].rbegin(); it != series[p].rend(); ++it)
            sum += it->amplitude * std::sin(horner(it->phase, t));
        total = total * t + sum;
    }
    return total;
}

} // namespace

ElpMpp02Moon ElpMpp02Moon::load(const std::filesystem::path& file) {
    ElpMpp02Moon moon;
    bool haveW1 = false;
    forEachDataLine(
        file, "ELP/MPP02 series", [&](std::istringstream& fields, const std::string& where) {
            std::string variable;
            fields >> variable;
            if (variable == "W1") {
                for (double& c : moon.m_w1)
                    fields >> c;
                if (!fields)
                    throw std::runtime_error(where + ": expected \"W1 c0 c1 c2 c3 c4\"");
                haveW1 = true;
                return;
            }
            int power = -1;
            ElpTerm term;
            fields >> power >> term.amplitude;
            for (double& f : term.phase)
                fields >> f;
            if (!fields || (variable != "L" && variable != "R") || power < 0 ||
                power >= static_cast<int>(kMaxPower))
                throw std::runtime_error(where + ": expected \"L|R power A f0 f1 f2 f3 f4\"");
            auto& series = variable == "L" ? moon.m_longitude : moon.m_distance;
            series[static_cast<std::size_t>(power)].push_back(term);
        });
    if (!haveW1 || moon.m_longitude[0].empty() || moon.m_distance[0].empty())
        throw std::runtime_error(file.string() + ": W1, L or R is missing");
    return moon;
}

double ElpMpp02Moon::longitude(double t) const {
    const double radians = horner(m_w1, t) + sumSeries(m_longitude, t) * kArcsecToRad;
    double reduced = std::fmod(radians, 2 * std::numbers::pi);
    if (reduced < 0)
        reduced += 2 * std::numbers::pi;
    return reduced;
}

double ElpMpp02Moon::distance(double t) const {
    return sumSeries(m_distance, t);
}

std::size_t ElpMpp02Moon::termCount() const {
    std::size_t n = 0;
    for (std::size_t p = 0; p < kMaxPower; ++p)
        n += m_longitude[p].size() + m_distance[p].size();
    return n;
}

} // namespace bazi::ephem

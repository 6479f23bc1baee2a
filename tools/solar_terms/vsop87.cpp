#include "vsop87.h"

#include "data_lines.h"

#include <cmath>
#include <numbers>
#include <sstream>
#include <stdexcept>
#include <string>

namespace bazi::ephem {

Vsop87Earth Vsop87Earth::load(const std::filesystem::path& file) {
    Vsop87Earth earth;
    forEachDataLine(
        file, "VSOP87D series", [&](std::istringstream& fields, const std::string& where) {
            char variable = 0;
            int power = -1;
            VsopTerm term;
            if (!(fields >> variable >> power >> term.a >> term.b >> term.c) || power < 0 ||
                power >= kMaxPower || (variable != 'L' && variable != 'B' && variable != 'R'))
                throw std::runtime_error(where + ": expected \"L|B|R power A B C\"");
            const std::size_t index = variable == 'L' ? 0 : (variable == 'B' ? 1 : 2);
            earth.m_series[index][static_cast<std::size_t>(power)].push_back(term);
        });
    if (earth.m_series[0][0].empty() || earth.m_series[2][0].empty())
        throw std::runtime_error(file.string() + ": no L or R series");
    return earth;
}

HeliocentricPosition Vsop87Earth::position(double tau) const {
    std::array<double, 3> value{};
    for (std::size_t v = 0; v < value.size(); ++v) {
        // Horner over the powers of τ, highest first.
        double sum = 0;
        for (int p = kMaxPower - 1; p >= 0; --p) {
            double series = 0;
            for (const VsopTerm& t : m_series[v][static_cast<std::size_t>(p)])
                series += t.a * std::cos(t.b + t.c * tau);
            sum = sum * tau + series;
        }
        value[v] = sum;
    }
    constexpr double kTwoPi = 2 * std::numbers::pi;
    double longitude = std::fmod(value[0], kTwoPi);
    if (longitude < 0)
        longitude += kTwoPi;
    return {longitude, value[1], value[2]};
}

std::size_t Vsop87Earth::termCount() const {
    std::size_t n = 0;
    for (const auto& variable : m_series)
        for (const auto& power : variable)
            n += power.size();
    return n;
}

} // namespace bazi::ephem

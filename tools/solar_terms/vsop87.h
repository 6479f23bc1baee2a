#pragma once
// The VSOP87D theory of the Earth: heliocentric ecliptic coordinates referred
// to the mean ecliptic and equinox of date.

#include <array>
#include <filesystem>
#include <vector>

namespace bazi::ephem {

/// Heliocentric spherical coordinates of the Earth.
struct HeliocentricPosition {
    double longitude = 0; // radians, [0, 2π)
    double latitude = 0;  // radians
    double radius = 0;    // au
};

/// One periodic term A cos(B + C τ).
struct VsopTerm {
    double a = 0, b = 0, c = 0;
};

/// The full VSOP87D Earth series, read from a text file.
class Vsop87Earth {
public:
    /// Reads the series from `file`: lines "L|B|R power A B C", '#' comments.
    /// Throws std::runtime_error when the file cannot be read or a line is malformed.
    [[nodiscard]] static Vsop87Earth load(const std::filesystem::path& file);

    /// Position of the Earth at `tau` Julian millennia of TDB (TT is close
    /// enough: they differ by under 2 ms) from J2000.0.
    /// Reference: P. Bretagnon & G. Francou, A&A 202 (1988) 309; J. Meeus,
    /// Astronomical Algorithms, 2nd ed. (1998), ch. 32.
    [[nodiscard]] HeliocentricPosition position(double tau) const;

    /// Number of terms read, all variables and powers together.
    [[nodiscard]] std::size_t termCount() const;

private:
    static constexpr int kMaxPower = 6; // powers of τ 0..5
    // m_series[variable L=0, B=1, R=2][power]
    std::array<std::array<std::vector<VsopTerm>, kMaxPower>, 3> m_series;
};

} // namespace bazi::ephem

#pragma once
// The IAU 1980 theory of nutation, full 106-term series.

#include <filesystem>
#include <vector>

namespace bazi::ephem {

/// Nutation in longitude and in obliquity.
struct NutationAngles {
    double longitude = 0; // Δψ, arcseconds
    double obliquity = 0; // Δε, arcseconds
};

/// One term of the series: argument multiples and coefficients (0.1 mas).
struct NutationTerm {
    int l = 0, lp = 0, f = 0, d = 0, om = 0;
    double sinLongitude = 0, sinLongitudeRate = 0;
    double cosObliquity = 0, cosObliquityRate = 0;
};

class Nutation1980 {
public:
    /// Reads the series from `file`: lines of nine numbers
    /// "l l' F D Ω  Δψ-sin Δψ-rate  Δε-cos Δε-rate", '#' comments.
    /// Throws std::runtime_error when the file cannot be read, a line is
    /// malformed or the count is not 106.
    [[nodiscard]] static Nutation1980 load(const std::filesystem::path& file);

    /// Nutation at `t` Julian centuries of TT from J2000.0, with respect to
    /// the ecliptic of date.
    /// Reference: Explanatory Supplement to the Astronomical Almanac (1992),
    /// section 3.222; Seidelmann, Celest. Mech. 27 (1982) 79.
    [[nodiscard]] NutationAngles at(double t) const;

private:
    std::vector<NutationTerm> m_terms;
};

} // namespace bazi::ephem

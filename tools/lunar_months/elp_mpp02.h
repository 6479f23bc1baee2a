#pragma once
// The lunar theory ELP/MPP02 (fitted to DE405): the Moon's geocentric
// longitude and distance.

#include <array>
#include <filesystem>
#include <vector>

namespace bazi::ephem {

/// One term A sin(f0 + f1 T + f2 T² + f3 T³ + f4 T⁴) of a series.
struct ElpTerm {
    double amplitude = 0;
    std::array<double, 5> phase{};
};

class ElpMpp02Moon {
public:
    /// Reads the series from `file`: a line "W1 c0 .. c4" and lines
    /// "L|R power A f0 .. f4", '#' comments. Throws std::runtime_error when the
    /// file cannot be read, a line is malformed, or W1, L or R is missing.
    [[nodiscard]] static ElpMpp02Moon load(const std::filesystem::path& file);

    /// Geocentric longitude of the Moon in radians, [0, 2π), on the inertial
    /// mean ecliptic of date from the departure point γ'2000 (add the general
    /// precession in longitude for the mean equinox of date), at `t` Julian
    /// centuries TDB from J2000.0; geometric, without light time.
    /// Reference: J. Chapront & G. Francou, A&A 404 (2003) 735; J. Chapront,
    /// G. Francou, "Lunar solution ELP, version ELP/MPP02" (2002), notice.
    [[nodiscard]] double longitude(double t) const;

    /// Geocentric distance of the Moon in kilometres at `t` (as above).
    [[nodiscard]] double distance(double t) const;

    [[nodiscard]] std::size_t termCount() const;

private:
    static constexpr std::size_t kMaxPower = 4; // powers of T 0..3
    std::array<double, 5> m_w1{};
    std::array<std::vector<ElpTerm>, kMaxPower> m_longitude; // arcseconds
    std::array<std::vector<ElpTerm>, kMaxPower> m_distance;  // kilometres
};

} // namespace bazi::ephem

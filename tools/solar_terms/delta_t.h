#pragma once
// ΔT = TT − UT1: tabulated yearly values to 2005, a forecast after.

#include <filesystem>
#include <vector>

namespace bazi::ephem {

/// Lunar tidal acceleration (″/cy²) of the lunar ephemeris behind the
/// tabulated ΔT values (historic Almanac values) and the one the table is
/// corrected to (ELP 2000-82, consistent with VSOP87).
inline constexpr double kTableTidalAcceleration = -26.0;
inline constexpr double kTargetTidalAcceleration = -23.8946;
/// Tabulated values from this year on come from atomic time and need no
/// tidal correction.
inline constexpr int kAtomicTimeYear = 1955;

/// The forecast after the last tabulated year Y: 64.7 s at Y rising 0.4 s a
/// year to the knot; after the knot a blend that moves linearly, over 100
/// years, from that straight line onto the parabola −20 + 31 u², u = (year −
/// 1820)/100 (Stephenson & Morrison's long-term fit).
inline constexpr double kForecastStart = 64.7;
inline constexpr double kForecastSlope = 0.4;
inline constexpr int kForecastKnotYear = 2009;
inline constexpr double kForecastBlendYears = 100.0;

class DeltaTModel {
public:
    /// Reads yearly values (lines "year ΔT", '#' comments, consecutive years).
    /// Throws std::runtime_error when the file cannot be read, is malformed,
    /// skips a year or holds fewer than six years.
    [[nodiscard]] static DeltaTModel load(const std::filesystem::path& file);

    /// ΔT in seconds at a decimal year. Inside the table: Besselian
    /// interpolation to fourth differences of the tidally corrected yearly
    /// values (as the Astronomical Almanac interpolates its table); after it,
    /// the forecast. Before the table's third year the first values are
    /// extrapolated by the same formula (not used by the generator).
    /// Reference: Astronomical Almanac, section K; Morrison & Stephenson,
    /// J. Hist. Astron. 35 (2004) 327 (tidal correction −0.000091 (ṅ + 26)
    /// (year − 1955)² s).
    [[nodiscard]] double at(double year) const;

    /// The forecast alone at a decimal year after the last tabulated one.
    [[nodiscard]] double forecast(double year) const;

    [[nodiscard]] int firstYear() const { return m_firstYear; }
    [[nodiscard]] int lastYear() const { return m_lastTabulated; }

private:
    int m_firstYear = 0;
    int m_lastTabulated = 0;
    // Corrected values for years m_firstYear.. ; continued past the table
    // with yearly forecast values so that the interpolation has its span.
    std::vector<double> m_values;
};

/// The tidal correction (seconds) for a value tabulated with the table's
/// tidal acceleration, used with the target one, at a decimal year.
[[nodiscard]] double tidalCorrection(double year);

} // namespace bazi::ephem

#pragma once
// Angle units and the reduction of an angle, shared by the generators and
// their cross-checks.

#include <cmath>
#include <numbers>

namespace bazi::ephem {

inline constexpr double kRadToDeg = 180.0 / std::numbers::pi;
inline constexpr double kDegToRad = std::numbers::pi / 180.0;
inline constexpr double kArcsecToRad = std::numbers::pi / (180.0 * 3600.0);

/// An angle in degrees reduced to (−180, 180]: how far, and which way, one
/// direction lies from another.
[[nodiscard]] inline double signedDegrees(double a) {
    a = std::fmod(a, 360.0);
    if (a > 180)
        a -= 360;
    else if (a <= -180)
        a += 360;
    return a;
}

} // namespace bazi::ephem

#pragma once
// The equation of time: how far true (apparent) solar time runs ahead of mean
// solar time, from the committed table of the project's solar theory.

#include "basis/instant.h"

#include <cstdint>

namespace bazi {

/// First and last instants the table covers with four-point interpolation:
/// 1800-01-01 00:00:00 UTC .. 2200-12-31 23:59:59 UTC and a day or two beyond
/// each. Outside them the value at the nearer end is returned.
[[nodiscard]] Instant equationOfTimeFirstInstant();
[[nodiscard]] Instant equationOfTimeLastInstant();

/// Apparent minus mean solar time at `t`, in milliseconds (about −14 min in
/// mid-February, +16 min in early November): four-point Lagrange interpolation
/// in the table of values every 4 days at 0h UT (equation_of_time_table.h).
/// Within 0.015 s of the theory; see the README for the check against ERFA.
[[nodiscard]] std::int64_t equationOfTimeMs(Instant t);

} // namespace bazi

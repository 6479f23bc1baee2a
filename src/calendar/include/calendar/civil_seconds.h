#pragma once
// Local civil date-times as one count of seconds, for walking long stretches
// of time: differences are exact, and the count orders as the moments do.

#include "calendar/gregorian.h"

#include <cstdint>

namespace bazi {

/// Seconds since 0001-01-01 00:00:00 of the same local civil time scale.
using CivilSeconds = std::int64_t;

[[nodiscard]] constexpr CivilSeconds civilSecondsOf(const CivilDateTime& t) {
    return (dayNumber(t.date) - 1) * kSecondsPerDay + t.hour * 3600 + t.minute * 60 + t.second;
}

/// The date-time of a second count (inverse of civilSecondsOf for real moments).
[[nodiscard]] CivilDateTime civilDateTimeOf(CivilSeconds seconds);

} // namespace bazi

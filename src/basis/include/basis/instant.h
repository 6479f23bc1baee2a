#pragma once
// One timeline for every clock: an instant is a whole number of seconds of
// UTC since 1970-01-01 00:00:00, leap seconds not counted (each day has 86,400
// seconds, as in the tz database and POSIX). The calendar's own clock, fixed
// UTC+8, maps onto it by a constant shift.

#include "calendar/gregorian.h"

#include <compare>
#include <cstdint>

namespace bazi {

struct Instant {
    std::int64_t seconds = 0; // UTC seconds since 1970-01-01 00:00:00

    friend constexpr auto operator<=>(const Instant&, const Instant&) = default;
};

[[nodiscard]] constexpr Instant operator+(Instant t, std::int64_t seconds) {
    return Instant{t.seconds + seconds};
}
[[nodiscard]] constexpr Instant operator-(Instant t, std::int64_t seconds) {
    return Instant{t.seconds - seconds};
}
/// Seconds from b to a: positive when a is later.
[[nodiscard]] constexpr std::int64_t operator-(Instant a, Instant b) {
    return a.seconds - b.seconds;
}

/// Bounds for stretches without an end: far beyond any calendar, small enough
/// that arithmetic on them cannot overflow.
inline constexpr std::int64_t kFarPastSeconds = -1'000'000'000'000'000;
inline constexpr std::int64_t kFarFutureSeconds = 1'000'000'000'000'000;

/// The calendar's clock: China standard time, UTC+8, without summer time.
inline constexpr int kCalendarUtcOffset = 8 * 3600;

/// Seconds of a local date-time counted from 1970-01-01 00:00:00 of the same
/// clock; the date-time may be any that `dayNumber` counts (callers check `ok()`).
[[nodiscard]] constexpr std::int64_t localSecondsOf(CivilDateTime t) {
    return (dayNumber(t.date) - dayNumber(1970, 1, 1)) * kSecondsPerDay + t.hour * 3600 +
           t.minute * 60 + t.second;
}

/// The instant at which a clock `utcOffset` seconds ahead of UTC shows `local`.
[[nodiscard]] constexpr Instant instantFromLocal(CivilDateTime local, int utcOffset) {
    return Instant{localSecondsOf(local) - utcOffset};
}

/// The date-time a clock `utcOffset` seconds ahead of UTC shows at `t`.
[[nodiscard]] CivilDateTime localFromInstant(Instant t, int utcOffset);

/// The instant of a moment of the calendar's clock (UTC+8): the solar-term
/// table and the default time basis read moments this way.
[[nodiscard]] constexpr Instant instantFromCalendarTime(CivilDateTime t) {
    return instantFromLocal(t, kCalendarUtcOffset);
}
/// The calendar's clock (UTC+8) at `t`.
[[nodiscard]] inline CivilDateTime calendarTimeFromInstant(Instant t) {
    return localFromInstant(t, kCalendarUtcOffset);
}

} // namespace bazi

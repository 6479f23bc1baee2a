#pragma once
// The stretch of time the calendar answers for: every moment in it has four
// pillars and a lunar date. Front ends take their limits from here.

#include "calendar/gregorian.h"

namespace bazi {

/// First and last moments (local civil time, UTC+8) with four pillars and a lunar date.
inline constexpr CivilDateTime kCalendarFirstMoment{CivilDate{1800, 1, 1}, 0, 0, 0};
inline constexpr CivilDateTime kCalendarLastMoment{CivilDate{2200, 12, 31}, 23, 59, 59};

/// Is `moment` a real moment inside kCalendarFirstMoment .. kCalendarLastMoment.
[[nodiscard]] constexpr bool isInCalendarRange(const CivilDateTime& moment) {
    return moment.ok() && moment >= kCalendarFirstMoment && moment <= kCalendarLastMoment;
}

} // namespace bazi

#pragma once
// The four pillars (year, month, day, hour) of a local civil moment, from the
// solar-term table: year changes at 立春, month at each odd term, to the second.

#include "calendar/day_hour_pillars.h"
#include "calendar/gregorian.h"

#include <optional>
#include <string>

namespace bazi {

/// Cycle indices 1..60 of the four pillars; all 0 outside 1800-01-01 .. 2200-12-31
/// and for a moment that does not exist (2023-02-30, 24:00).
struct PillarIndices {
    int year = 0, month = 0, day = 0, hour = 0;
    friend constexpr bool operator==(const PillarIndices&, const PillarIndices&) = default;
};

/// The year pillar changes at the second of 立春 (term 3), the month pillar at the
/// second of each odd-numbered term, the day pillar at 23:00, the hour pillar
/// every two hours from 23:00 (子 is 23:00-00:59). Local civil time, UTC+8.
[[nodiscard]] PillarIndices pillarIndices(CivilDateTime moment);

/// The month pillar of month branch `monthBranch` (1 子 .. 12 亥; 寅 is the first
/// month) in a year whose pillar is `yearPillar`, by the five tigers (甲己之年丙作首);
/// 0 when either is out of range.
[[nodiscard]] int monthPillarOf(int yearPillar, int monthBranch);

struct FourPillars {
    std::string year, month, day, hour; // each stem + branch, or empty
};

/// The four pillar texts; nullopt when the year is below 1800. After 2200 the
/// texts are empty.
[[nodiscard]] std::optional<FourPillars> fourPillars(CivilDateTime moment);

} // namespace bazi

#pragma once
// The four pillars (year, month, day, hour) of a local civil moment, from the
// solar-term table: year changes at 立春, month at each odd term, to the second.

#include "lunar/gregorian.h"

#include <optional>
#include <string>

namespace bazi {

/// Cycle indices 1..60 of the four pillars; all 0 outside 1901-02-19 .. 2048-12-31.
struct PillarIndices {
    int year = 0, month = 0, day = 0, hour = 0;
    friend constexpr bool operator==(const PillarIndices&, const PillarIndices&) = default;
};

[[nodiscard]] PillarIndices pillarIndices(CivilDateTime moment);

struct FourPillars {
    std::string year, month, day, hour; // each stem + branch, or empty
};

/// The four pillar texts; nullopt when the year is below 1901.
[[nodiscard]] std::optional<FourPillars> fourPillars(CivilDateTime moment);

} // namespace bazi

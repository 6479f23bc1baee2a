#pragma once
// The 24 solar terms of every Gregorian year 1880..2079, UTC+8, to the second.
// Term 1 is 小寒 (early January), 3 立春, 24 冬至.

#include "lunar/gregorian.h"

#include <cstdint>
#include <string_view>

namespace bazi {

inline constexpr int kSolarTermFirstYear = 1880;
inline constexpr int kSolarTermLastYear = 2079;

struct SolarTermRecord {
    std::uint8_t month, day, hour, minute, second;
};

/// Name of term n (1..24): 小寒, 大寒, 立春, ... 冬至; empty outside.
[[nodiscard]] std::string_view solarTermName(int n);
/// The term number whose moment falls on this date, or 0 (also outside the table's years).
[[nodiscard]] int termOnDate(CivilDate date);
/// Moment of term n (1..24) of a year of the table.
[[nodiscard]] CivilDateTime termMoment(int year, int n);

} // namespace bazi

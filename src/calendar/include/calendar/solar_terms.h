#pragma once
// The 24 solar terms of every Gregorian year 1799..2200, UTC+8, to the second.
// Term 1 is 小寒 (early January), 3 立春, 24 冬至.

#include "calendar/gregorian.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace bazi {

inline constexpr int kSolarTermFirstYear = 1799;
inline constexpr int kSolarTermLastYear = 2200;

struct SolarTermRecord {
    std::uint8_t month, day, hour, minute, second;
};

/// Name of term n (1..24): 小寒, 大寒, 立春, ... 冬至; empty outside.
[[nodiscard]] std::string_view solarTermName(int n);
/// The term number whose moment falls on this date, or 0 (also outside the table's years).
/// The scan of the year's records stops at the first record of a later month.
[[nodiscard]] int termOnDate(CivilDate date);
/// Moment of term n (1..24) of a year of the table; the all-zero CivilDateTime
/// for any other year or n.
[[nodiscard]] CivilDateTime termMoment(int year, int n);

/// A term of the table: term n (1..24) of a Gregorian year.
struct TermRef {
    int year = 0;
    int n = 0;
    friend constexpr bool operator==(const TermRef&, const TermRef&) = default;
};

/// The term in force at a moment: the last term whose moment is at or before it
/// (before 小寒 that is the previous year's 冬至). nullopt when the moment's year
/// is outside 1799..2200 or the moment lies before 1799's 小寒.
[[nodiscard]] std::optional<TermRef> termInForce(CivilDateTime moment);

} // namespace bazi

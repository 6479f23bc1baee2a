#pragma once
// Chinese lunar calendar, 1901-02-19 (lunar 1901-01-01) to 2048-12-31, from
// two packed year tables (month lengths and leap months).

#include "calendar/gregorian.h"

#include <cstdint>
#include <optional>

namespace bazi {

struct LunarDate {
    int year = 0;      // the Gregorian year in which the lunar year begins
    int month = 0;     // 1..12
    int day = 0;       // 1..30
    bool leap = false; // the intercalary month that follows regular month `month`

    friend constexpr bool operator==(const LunarDate&, const LunarDate&) = default;
};

/// First and last Gregorian dates that `toLunar` converts.
inline constexpr CivilDate kLunarFirstDate{1901, 2, 19};
inline constexpr CivilDate kLunarLastDate{2048, 12, 31};

struct LunarMonthDays {
    int regular = 0; // 29 or 30
    int leap = 0;    // 29 or 30 when the month is the year's leap month, else 0
};

/// 0..12 for lunar years 1901..2049; 65535 for any other year.
[[nodiscard]] int leapMonthOf(int lunarYear);
/// (0, 0) outside 1901..2049 or for a month outside 1..12.
[[nodiscard]] LunarMonthDays lunarMonthDays(int lunarYear, int lunarMonth);
/// 0 outside 1901..2049.
[[nodiscard]] int lunarYearDays(int lunarYear);
/// Lunar date of the day `span` days after 1901-01-01. Spans 0..48 (up to
/// 1901-02-18) give lunar 1900, months 11 and 12; spans past the end of lunar
/// 2049, and negative spans, give the all-zero LunarDate.
[[nodiscard]] LunarDate lunarFromSpan(std::int64_t span);
/// Lunar date of a Gregorian date; nullopt outside kLunarFirstDate..kLunarLastDate
/// and for a date that does not exist (2023-02-30, month 13): an impossible date
/// has no lunar date. The time of day plays no part.
[[nodiscard]] std::optional<LunarDate> toLunar(CivilDate date);
/// Gregorian date of a lunar date, by iterative search from the same numbers read
/// as a Gregorian date (never earlier than kLunarFirstDate), at most 100 rounds.
/// A leap flag on a month that is not the year's leap month is ignored. nullopt
/// for years outside 1901..2049, months outside 1..12, days outside 1..30, days
/// the month does not have (day 30 of a 29-day month) and dates after
/// kLunarLastDate.
[[nodiscard]] std::optional<CivilDate> fromLunar(LunarDate lunar);

} // namespace bazi

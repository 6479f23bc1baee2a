#pragma once
// The rules of the modern Chinese calendar that number lunar months, applied to
// the days on which months begin and principal terms fall.

#include <cstdint>
#include <vector>

namespace bazi::ephem {

/// A winter solstice (冬至, the principal term at 270°): its Gregorian year and
/// the day number on which it falls in the calendar's reckoning.
struct SolsticeDay {
    int year = 0;
    std::int64_t day = 0;
};

/// A lunar month with its number.
struct NumberedMonth {
    int lunarYear = 0; // the Gregorian year in which the lunar year's month 1 begins
    int month = 0;     // 1..12
    bool leap = false; // repeats the number of the month before it
    std::int64_t firstDay = 0;
    std::int64_t nextFirstDay = 0; // first day of the month after it
};

/// Numbers the months between consecutive winter solstices. `monthStarts` are
/// the first days of consecutive lunar months (the days of new moons), in
/// order; `principalTermDays` the days of every principal term (中气) over the
/// same stretch; `solstices` the 冬至 days of consecutive years. For each pair
/// of solstices (a 岁 from the 冬至 of year y − 1 to that of year y):
///   - the month holding the first 冬至 is month 11 of lunar year y − 1;
///   - when 13 months begin from it up to (not including) the month holding
///     the second 冬至, the first of them that holds no principal term is a
///     leap month and repeats the number of the month before it;
///   - months numbered 11 and 12 (and their leap months) before month 1
///     belong to lunar year y − 1, the rest to lunar year y.
/// Returns the months of every 岁 in order. Throws std::runtime_error when a
/// solstice lies outside the months given, a 岁 has other than 12 or 13
/// months, or a 13-month 岁 has no month without a principal term.
/// Reference: GB/T 33661-2017, 农历的编算和颁行, sections 4.2-4.3.
[[nodiscard]] std::vector<NumberedMonth>
numberLunarMonths(const std::vector<std::int64_t>& monthStarts,
                  const std::vector<std::int64_t>& principalTermDays,
                  const std::vector<SolsticeDay>& solstices);

} // namespace bazi::ephem

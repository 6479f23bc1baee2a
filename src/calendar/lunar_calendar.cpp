#include "calendar/lunar_calendar.h"

#include "lunar_reckoned_tables.h"
#include "lunar_year_tables.h"

#include <algorithm>
#include <array>

namespace bazi {

namespace {

constexpr int kNoLeapTableEntry = 65535;

constexpr int kFirstYear = kReckonedYearsBefore.front().year;
constexpr int kLastYear = kReckonedYearsAfter.back().year;
static_assert(kFirstYear == kFirstLunarYear && kLastYear == kLastLunarYear);
// The reckoned years adjoin the printed ones without a gap.
static_assert(kReckonedYearsBefore.back().year == kLunarFirstYear - 1);
static_assert(kReckonedYearsAfter.front().year == kLunarLastYear + 1);

constexpr bool inTable(int lunarYear) {
    return lunarYear >= kFirstYear && lunarYear <= kLastYear;
}

// A year's month lengths and leap month, packed as kLunarMonthWords packs them.
struct YearPacking {
    unsigned word = 0;
    int leap = 0; // [0, 12]
};

// From the printed tables for lunar 1901..2049, from the reckoned ones outside.
constexpr YearPacking packingOf(int lunarYear) {
    if (lunarYear < kLunarFirstYear) {
        const ReckonedLunarYear& y =
            kReckonedYearsBefore[static_cast<std::size_t>(lunarYear - kFirstYear)];
        return {y.monthWord, y.leapMonth};
    }
    if (lunarYear > kLunarLastYear) {
        const ReckonedLunarYear& y =
            kReckonedYearsAfter[static_cast<std::size_t>(lunarYear - kLunarLastYear - 1)];
        return {y.monthWord, y.leapMonth};
    }
    const int i = lunarYear - kLunarFirstYear; // [0, 148]
    const unsigned byte = kLunarLeapBytes[static_cast<std::size_t>(i / 2)];
    return {kLunarMonthWords[static_cast<std::size_t>(i)],
            static_cast<int>(i % 2 == 0 ? byte >> 4 : byte & 0x0F)}; // [0, 15]
}

constexpr int leapMonthIn(int lunarYear) {
    return inTable(lunarYear) ? packingOf(lunarYear).leap : kNoLeapTableEntry;
}

constexpr LunarMonthDays monthDaysIn(int lunarYear, int lunarMonth) {
    if (!inTable(lunarYear) || lunarMonth < 1 || lunarMonth > 12)
        return {};
    const YearPacking packing = packingOf(lunarYear);
    int bit = 16 - lunarMonth; // [4, 15]
    if (packing.leap != 0 && lunarMonth > packing.leap)
        --bit; // [3, 14]
    LunarMonthDays days;
    days.regular = ((packing.word >> bit) & 1U) != 0 ? 30 : 29;
    if (lunarMonth == packing.leap)
        days.leap = ((packing.word >> (bit - 1)) & 1U) != 0 ? 30 : 29;
    return days;
}

constexpr int yearDaysIn(int lunarYear) {
    int total = 0;
    for (int month = 1; month <= 12; ++month) {
        const LunarMonthDays days = monthDaysIn(lunarYear, month);
        total += days.regular + days.leap;
    }
    return total;
}

constexpr std::int64_t spanOf(int year, int month, int day) {
    return dayNumber(year, month, day) - dayNumber(1901, 1, 1);
}

// kYearStartSpan[i]: span from 1901-01-01 of the first day of lunar year
// kFirstYear + i; the last entry is the day after lunar kLastYear ends. Chained
// from the first reckoned year once, at compile time, so a conversion needs no
// walk over the years.
using YearStarts = std::array<std::int64_t, kLastYear - kFirstYear + 2>;
constexpr YearStarts kYearStartSpan = [] {
    YearStarts starts{};
    starts[0] = spanOf(kFirstYear, kReckonedYearsBefore[0].month, kReckonedYearsBefore[0].day);
    for (std::size_t i = 1; i < starts.size(); ++i)
        starts[i] = starts[i - 1] + yearDaysIn(kFirstYear + static_cast<int>(i) - 1);
    return starts;
}();

constexpr std::int64_t yearStartSpan(int lunarYear) {
    return kYearStartSpan[static_cast<std::size_t>(lunarYear - kFirstYear)];
}

// Every year has 12 or 13 months of 29 or 30 days, and the table marks a leap
// month exactly when the year has 13 months.
constexpr bool yearsAreWellFormed() {
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        const YearPacking packing = packingOf(year);
        const int days = yearDaysIn(year);
        if (packing.leap > 12)
            return false;
        if (packing.leap == 0 ? (days < 348 || days > 360) : (days < 377 || days > 390))
            return false;
        const unsigned unused = packing.leap == 0 ? 0x000FU : 0x0007U;
        if ((packing.word & unused) != 0)
            return false;
    }
    return true;
}

// Each reckoned year begins where the years before it, chained, say it does:
// this ties the reckoned tables to each other and to the printed ones at both
// seams (the printed tables begin lunar 1901 on 1901-02-19 and end lunar 2049
// on the day before the reckoned lunar 2050 begins).
constexpr bool reckonedYearsChain() {
    for (const ReckonedLunarYear& y : kReckonedYearsBefore)
        if (yearStartSpan(y.year) != spanOf(y.year, y.month, y.day))
            return false;
    for (const ReckonedLunarYear& y : kReckonedYearsAfter)
        if (yearStartSpan(y.year) != spanOf(y.year, y.month, y.day))
            return false;
    return yearStartSpan(kLunarFirstYear) == spanOf(1901, 2, 19);
}

static_assert(yearsAreWellFormed());
static_assert(reckonedYearsChain());
static_assert(yearDaysIn(1901) == 354 && leapMonthIn(1901) == 0);
static_assert(yearDaysIn(1903) == 383 && leapMonthIn(1903) == 5);
static_assert(yearDaysIn(2006) == 385 && leapMonthIn(2006) == 7);
static_assert(leapMonthIn(2033) == 11);
static_assert(yearDaysIn(2049) == 355 && leapMonthIn(2049) == 0);
// Lunar 2049 begins on 2049-02-02.
static_assert(yearStartSpan(2049) == spanOf(2049, 2, 2));
// The range's first and last days lie inside the years of the tables.
static_assert(kYearStartSpan.front() <= spanOf(1800, 1, 1) &&
              kYearStartSpan.back() > spanOf(2200, 12, 31));

} // namespace

int leapMonthOf(int lunarYear) {
    return leapMonthIn(lunarYear);
}

LunarMonthDays lunarMonthDays(int lunarYear, int lunarMonth) {
    return monthDaysIn(lunarYear, lunarMonth);
}

int lunarYearDays(int lunarYear) {
    return inTable(lunarYear) ? yearDaysIn(lunarYear) : 0;
}

LunarDate lunarFromSpan(std::int64_t span) {
    if (span < kYearStartSpan.front() || span >= kYearStartSpan.back())
        return {};
    // The last year whose first day is not after the span.
    const auto next = std::upper_bound(kYearStartSpan.begin(), kYearStartSpan.end(), span);
    const auto yearOffset = static_cast<int>(next - kYearStartSpan.begin()) - 1; // [0, 401]
    LunarDate result;
    result.year = kFirstYear + yearOffset;
    auto s =
        static_cast<int>(span - kYearStartSpan[static_cast<std::size_t>(yearOffset)]); // [0, 384]
    const int leap = leapMonthIn(result.year);
    int month = 1;
    for (;;) {
        const LunarMonthDays days = monthDaysIn(result.year, month);
        if (s < days.regular)
            break;
        s -= days.regular;
        if (month == leap) {
            if (s < days.leap) {
                result.leap = true;
                break;
            }
            s -= days.leap;
        }
        ++month; // stays <= 12: s is less than the year's length
    }
    result.month = month;
    result.day = s + 1;
    return result;
}

std::optional<LunarDate> toLunar(CivilDate date) {
    if (!date.ok() || compareDates(date, kLunarFirstDate) < 0 ||
        compareDates(date, kLunarLastDate) > 0)
        return std::nullopt;
    return lunarFromSpan(dayDifference(date, CivilDate{1901, 1, 1}));
}

std::optional<CivilDate> fromLunar(LunarDate lunar) {
    if (!inTable(lunar.year) || lunar.month < 1 || lunar.month > 12 || lunar.day < 1 ||
        lunar.day > 30)
        return std::nullopt;
    if (lunar.leap && leapMonthIn(lunar.year) != lunar.month)
        lunar.leap = false;

    // First guess: the same numbers read as a Gregorian date, counted on past the
    // month's end (lunar day 30 of month 2 reads as early March), and never before
    // the first convertible day so that every lunar date of the range has a start.
    std::int64_t guess = dayNumber(lunar.year, lunar.month, 1) + lunar.day - 1;
    guess = std::max(guess, dayNumber(kLunarFirstDate));

    constexpr int kMaxRounds = 100;
    constexpr int kLeapJump = 31;
    for (int round = 0; round < kMaxRounds; ++round) {
        const CivilDate date = dateFromDayNumber(guess);
        const std::optional<LunarDate> found = toLunar(date);
        if (!found)
            return std::nullopt;
        const int c = compareDates(CivilDate{found->year, found->month, found->day},
                                   CivilDate{lunar.year, lunar.month, lunar.day});
        if (c == 0 && found->leap == lunar.leap)
            return date;
        if (c == 0)
            guess += found->leap ? -kLeapJump : kLeapJump;
        guess -= c;
    }
    return std::nullopt;
}

} // namespace bazi

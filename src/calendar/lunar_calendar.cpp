#include "calendar/lunar_calendar.h"

#include "lunar_year_tables.h"

#include <algorithm>
#include <array>

namespace bazi {

namespace {

constexpr int kNoLeapTableEntry = 65535;

// Span of 1901-02-19 (lunar 1901, month 1, day 1) from 1901-01-01.
constexpr std::int64_t kFirstNewYearSpan = 49;
// Spans 19..48 (1901-01-20 .. 1901-02-18) are lunar 1900 month 12; 0..18 month 11.
constexpr std::int64_t kTwelfthMonth1900Span = 19;

constexpr bool inTable(int lunarYear) {
    return lunarYear >= kLunarFirstYear && lunarYear <= kLunarLastYear;
}

constexpr int leapMonthIn(int lunarYear) {
    if (!inTable(lunarYear))
        return kNoLeapTableEntry;
    const int i = lunarYear - kLunarFirstYear; // [0, 148]
    const unsigned byte = kLunarLeapBytes[static_cast<std::size_t>(i / 2)];
    return static_cast<int>(i % 2 == 0 ? byte >> 4 : byte & 0x0F); // [0, 15]
}

constexpr LunarMonthDays monthDaysIn(int lunarYear, int lunarMonth) {
    if (!inTable(lunarYear) || lunarMonth < 1 || lunarMonth > 12)
        return {};
    const unsigned word = kLunarMonthWords[static_cast<std::size_t>(lunarYear - kLunarFirstYear)];
    const int leap = leapMonthIn(lunarYear);
    int bit = 16 - lunarMonth; // [4, 15]
    if (leap != 0 && lunarMonth > leap)
        --bit; // [3, 14]
    LunarMonthDays days;
    days.regular = ((word >> bit) & 1U) != 0 ? 30 : 29;
    if (lunarMonth == leap)
        days.leap = ((word >> (bit - 1)) & 1U) != 0 ? 30 : 29;
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

// kYearStartSpan[i]: span from 1901-01-01 of the first day of lunar year 1901 + i;
// the last entry is the day after lunar 2049 ends. Derived from the packed
// tables once, at compile time, so a conversion needs no walk over the years.
constexpr std::array<std::int64_t, kLunarLastYear - kLunarFirstYear + 2> kYearStartSpan = [] {
    std::array<std::int64_t, kLunarLastYear - kLunarFirstYear + 2> starts{};
    starts[0] = kFirstNewYearSpan;
    for (std::size_t i = 1; i < starts.size(); ++i)
        starts[i] = starts[i - 1] + yearDaysIn(kLunarFirstYear + static_cast<int>(i) - 1);
    return starts;
}();

// Every year has 12 or 13 months of 29 or 30 days, and the table marks a leap
// month exactly when the year has 13 months.
constexpr bool yearsAreWellFormed() {
    for (int year = kLunarFirstYear; year <= kLunarLastYear; ++year) {
        const int leap = leapMonthIn(year);
        const int days = yearDaysIn(year);
        if (leap > 12)
            return false;
        if (leap == 0 ? (days < 348 || days > 360) : (days < 377 || days > 390))
            return false;
        const unsigned word = kLunarMonthWords[static_cast<std::size_t>(year - kLunarFirstYear)];
        const unsigned unused = leap == 0 ? 0x000FU : 0x0007U;
        if ((word & unused) != 0)
            return false;
    }
    return true;
}

static_assert(yearsAreWellFormed());
static_assert(yearDaysIn(1901) == 354 && leapMonthIn(1901) == 0);
static_assert(yearDaysIn(1903) == 383 && leapMonthIn(1903) == 5);
static_assert(yearDaysIn(2006) == 385 && leapMonthIn(2006) == 7);
static_assert(leapMonthIn(2033) == 11);
static_assert(yearDaysIn(2049) == 355 && leapMonthIn(2049) == 0);
// Lunar 2049 begins on 2049-02-02.
static_assert(kYearStartSpan[2049 - kLunarFirstYear] ==
              dayNumber(2049, 2, 2) - dayNumber(1901, 1, 1));

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
    if (span < 0 || span >= kYearStartSpan.back())
        return {};
    if (span < kFirstNewYearSpan) {
        // 1901-01-01 .. 1901-02-18: the end of lunar 1900, before the tables begin.
        if (span >= kTwelfthMonth1900Span)
            return LunarDate{1900, 12, static_cast<int>(span - kTwelfthMonth1900Span + 1), false};
        return LunarDate{1900, 11, static_cast<int>(span + 11), false};
    }
    // The last year whose first day is not after the span.
    const auto next = std::upper_bound(kYearStartSpan.begin(), kYearStartSpan.end(), span);
    const auto yearOffset = static_cast<int>(next - kYearStartSpan.begin()) - 1; // [0, 148]
    LunarDate result;
    result.year = kLunarFirstYear + yearOffset;
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

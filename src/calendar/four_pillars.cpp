#include "calendar/four_pillars.h"

#include "calendar/day_hour_pillars.h"
#include "calendar/sexagenary.h"
#include "calendar/solar_terms.h"

#include <array>

namespace bazi {

namespace {

// Stem numbers by (stem of the year) x (branch of the month).
// Rows: 甲/己, 乙/庚, 丙/辛, 丁/壬, 戊/癸 (stem number mod 5). Columns: 子 .. 亥.
using StemByBranch = std::array<std::array<int, 12>, 5>;

// clang-format off
// Five tigers (五虎遁): the month stems of a year; 子 and 丑 continue from 亥.
constexpr StemByBranch kMonthStem = {{
    {3, 4, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2},  // 甲 己: 丙子 丁丑 丙寅 .. 乙亥
    {5, 6, 5, 6, 7, 8, 9, 10, 1, 2, 3, 4},  // 乙 庚: 戊子 己丑 戊寅 .. 丁亥
    {7, 8, 7, 8, 9, 10, 1, 2, 3, 4, 5, 6},  // 丙 辛: 庚子 辛丑 庚寅 .. 己亥
    {9, 10, 9, 10, 1, 2, 3, 4, 5, 6, 7, 8}, // 丁 壬: 壬子 癸丑 壬寅 .. 辛亥
    {1, 2, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10},  // 戊 癸: 甲子 乙丑 甲寅 .. 癸亥
}};
// clang-format on

// Every entry pairs a stem with a branch of the same parity, so it is a pillar.
constexpr bool allPillars(const StemByBranch& table) {
    for (std::size_t row = 0; row < 5; ++row)
        for (std::size_t branch = 0; branch < 12; ++branch)
            if (cycleIndexOf(table[row][branch], static_cast<int>(branch) + 1) == 0)
                return false;
    return true;
}
static_assert(allPillars(kMonthStem));

constexpr int stemFor(const StemByBranch& table, int cycleIndex, int branch) {
    const auto row = static_cast<std::size_t>((stemNumber(cycleIndex) - 1) % 5); // [0, 4]
    return table[row][static_cast<std::size_t>(branch - 1)];
}

constexpr CivilDate kFirstDate{1800, 1, 1};
constexpr int kLastYear = 2200;
constexpr int kYear1901Index = 38; // 辛丑

// The number of the term in force on the moment's date, looked up as the table is
// read by date: a term on the same day counts from its second on; on a day
// without a term, the nearest earlier term day of the same year counts whatever
// its time; 0 when none lies in the same year (the 冬至 of the year before).
int termNumberAt(const CivilDateTime& moment) {
    int t = termOnDate(moment.date);
    if (t != 0) {
        const CivilDateTime term = termMoment(moment.date.year, t);
        const auto termTime = std::array{term.hour, term.minute, term.second};
        const auto momentTime = std::array{moment.hour, moment.minute, moment.second};
        if (termTime > momentTime)
            --t;
        return t;
    }
    CivilDate day = moment.date;
    for (;;) {
        day = stepDay(day, StepDirection::backward);
        if (day.year < moment.date.year)
            return 0;
        t = termOnDate(day);
        if (t != 0)
            return t;
    }
}

} // namespace

PillarIndices pillarIndices(CivilDateTime moment) {
    if (!moment.ok() || moment.date.year > kLastYear || moment.date < kFirstDate)
        return {};
    const CivilDate& date = moment.date;

    int year = floorMod(date.year - 1901, 60) + kYear1901Index; // [38, 97], any year
    if (year > 60)
        year -= 60; // [1, 60]

    const int t = termNumberAt(moment); // [0, 24]
    if (t <= 2)
        year = cycleAdd(year, -1); // before 立春 the previous year's pillar holds

    int monthBranch = ((t == 0 ? 24 : t) - 1) / 2 + 2; // [2, 13]
    if (monthBranch > 12)
        monthBranch -= 12; // [1, 12]
    const int month = cycleIndexOf(stemFor(kMonthStem, year, monthBranch), monthBranch);

    // The calendar's own rule: the day pillar changes at 23:00.
    const DayHourPillars dayHour = dayHourPillarsOf(moment, true);
    return PillarIndices{year, month, dayHour.day, dayHour.hour};
}

int monthPillarOf(int yearPillar, int monthBranch) {
    if (yearPillar < 1 || yearPillar > 60 || monthBranch < 1 || monthBranch > 12)
        return 0;
    return cycleIndexOf(stemFor(kMonthStem, yearPillar, monthBranch), monthBranch);
}

std::optional<FourPillars> fourPillars(CivilDateTime moment) {
    if (moment.date.year < kFirstDate.year)
        return std::nullopt;
    const PillarIndices p = pillarIndices(moment);
    return FourPillars{pillarText(p.year), pillarText(p.month), pillarText(p.day),
                       pillarText(p.hour)};
}

} // namespace bazi

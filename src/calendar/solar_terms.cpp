#include "calendar/solar_terms.h"

#include "solar_term_table.h"

#include <array>

namespace bazi {

namespace {

constexpr std::array<std::string_view, 24> kTermNames = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

constexpr bool inTable(int year) {
    return year >= kSolarTermFirstYear && year <= kSolarTermLastYear;
}

constexpr const SolarTermRecord& recordOf(int year, int n) {
    return kSolarTermTable[static_cast<std::size_t>((year - kSolarTermFirstYear) * 24 + (n - 1))];
}

} // namespace

std::string_view solarTermName(int n) {
    return (n >= 1 && n <= 24) ? kTermNames[static_cast<std::size_t>(n - 1)] : std::string_view{};
}

int termOnDate(CivilDate date) {
    if (!inTable(date.year))
        return 0;
    for (int n = 1; n <= 24; ++n) {
        const SolarTermRecord& r = recordOf(date.year, n);
        if (r.month > date.month)
            break; // months never decrease within a year
        if (r.month == date.month && r.day == date.day)
            return n;
    }
    return 0;
}

CivilDateTime termMoment(int year, int n) {
    if (!inTable(year) || n < 1 || n > 24)
        return {};
    const SolarTermRecord& r = recordOf(year, n);
    return CivilDateTime{CivilDate{year, r.month, r.day}, r.hour, r.minute, r.second};
}

std::optional<TermRef> termInForce(CivilDateTime moment) {
    const int year = moment.date.year;
    if (!inTable(year))
        return std::nullopt;
    for (int n = 24; n >= 1; --n)
        if (termMoment(year, n) <= moment)
            return TermRef{year, n};
    if (!inTable(year - 1))
        return std::nullopt;
    return TermRef{year - 1, 24}; // before 小寒: the previous year's 冬至
}

} // namespace bazi

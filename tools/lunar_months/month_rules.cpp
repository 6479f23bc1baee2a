#include "month_rules.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace bazi::ephem {

namespace {

// Index of the month holding `day`: the last start at or before it, with a
// start after it so that the month is complete.
std::size_t monthHolding(const std::vector<std::int64_t>& starts, std::int64_t day) {
    const auto next = std::upper_bound(starts.begin(), starts.end(), day);
    if (next == starts.begin() || next == starts.end())
        throw std::runtime_error("a winter solstice lies outside the months given");
    return static_cast<std::size_t>(next - starts.begin()) - 1;
}

bool holdsPrincipalTerm(const std::vector<std::int64_t>& termDays, std::int64_t first,
                        std::int64_t next) {
    const auto it = std::lower_bound(termDays.begin(), termDays.end(), first);
    return it != termDays.end() && *it < next;
}

} // namespace

std::vector<NumberedMonth> numberLunarMonths(const std::vector<std::int64_t>& monthStarts,
                                             const std::vector<std::int64_t>& principalTermDays,
                                             const std::vector<SolsticeDay>& solstices) {
    std::vector<std::int64_t> termDays = principalTermDays;
    std::sort(termDays.begin(), termDays.end());
    std::vector<NumberedMonth> months;
    for (std::size_t s = 1; s < solstices.size(); ++s) {
        const int year = solstices[s].year;
        const std::size_t first = monthHolding(monthStarts, solstices[s - 1].day);
        const std::size_t last = monthHolding(monthStarts, solstices[s].day);
        const std::size_t count = last - first;
        if (count != 12 && count != 13)
            throw std::runtime_error("the 岁 ending with the 冬至 of " + std::to_string(year) +
                                     " has " + std::to_string(count) + " months");
        constexpr std::size_t kNone = static_cast<std::size_t>(-1);
        std::size_t leapAt = kNone; // the first month, month 11, is never leap
        if (count == 13) {
            for (std::size_t i = first + 1; i < last && leapAt == kNone; ++i)
                if (!holdsPrincipalTerm(termDays, monthStarts[i], monthStarts[i + 1]))
                    leapAt = i;
            if (leapAt == kNone)
                throw std::runtime_error("the 13-month 岁 ending with the 冬至 of " +
                                         std::to_string(year) +
                                         " has no month without a principal term");
        }
        int number = 11;
        int lunarYear = year - 1;
        for (std::size_t i = first; i < last; ++i) {
            const bool leap = i == leapAt;
            if (i != first && !leap) {
                number = number % 12 + 1; // [1, 12]
                if (number == 1)
                    lunarYear = year;
            }
            months.push_back({lunarYear, number, leap, monthStarts[i], monthStarts[i + 1]});
        }
    }
    return months;
}

} // namespace bazi::ephem

#include "cli/time_range.h"

#include "calendar/calendar_range.h"
#include "cli/cli_common.h"
#include "form/message_text.h"
#include "search/span_walker.h"

namespace bazi::cli {
namespace {

constexpr CivilSeconds kFirstSecond = civilSecondsOf(kCalendarFirstMoment);
constexpr CivilSeconds kEndSecond = civilSecondsOf(kCalendarLastMoment) + 1;

std::string calendarRangeText() {
    return spacedIsoMomentText(kCalendarFirstMoment) + " to " +
           spacedIsoMomentText(kCalendarLastMoment);
}

bool looksLikeDate(std::string_view text) {
    return text.find_first_of(" T") == std::string_view::npos;
}

// A clock time as a second of the calendar's clock.
CivilSeconds secondOf(CivilDateTime clock, const TimeBasis* basis) {
    if (!basis || basis->zone.isFixed())
        return civilSecondsOf(clock);
    return civilOfInstant(instantAtOrAfterClock(clock, *basis));
}

// The first second of the range (`isEnd` false) or the second after it.
CivilSeconds boundOf(std::string_view text, std::string_view what, bool isEnd,
                     const TimeBasis* basis) {
    if (looksLikeDate(text)) {
        const CivilDate date = parseDate(text, what);
        const CivilDate day = isEnd ? stepDay(date, StepDirection::forward) : date;
        return secondOf(CivilDateTime{day, 0, 0, 0}, basis);
    }
    return secondOf(parseMoment(text, what), basis);
}

void checkInside(CivilSeconds at, std::string_view what, std::string_view text, bool isEnd,
                 const TimeBasis* basis) {
    const bool inside =
        isEnd ? (at > kFirstSecond && at <= kEndSecond) : (at >= kFirstSecond && at < kEndSecond);
    if (!inside)
        throw InputError(
            std::string(what) + " " + quotedForMessage(text) +
            " is outside the calendar's range; give times from " + calendarRangeText() +
            (basis && !basis->zone.isFixed() ? " on the calendar's clock (UTC+8)" : ""));
}

// A whole number 0..24 written in decimal digits.
bool hourNumber(std::string_view text, int& hour) {
    const auto n = text.size() <= 2 ? parseDecimalDigits(text) : std::nullopt;
    if (!n || *n > 24)
        return false;
    hour = static_cast<int>(*n);
    return true;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

} // namespace

SearchRange parseTimeRange(std::string_view from, std::string_view to, const TimeBasis* basis) {
    SearchRange range;
    range.basis = basis;
    range.from = boundOf(from, "--from", false, basis);
    checkInside(range.from, "--from", from, false, basis);
    range.to = boundOf(to, "--to", true, basis);
    checkInside(range.to, "--to", to, true, basis);
    if (range.to <= range.from)
        throw InputError("--to " + quotedForMessage(to) + " is not after --from " +
                         quotedForMessage(from) + "; give a --to later than --from");
    return range;
}

HourWindows parseHourWindows(std::string_view text) {
    const std::string_view kForm = "give hour ranges such as 8-18,20-22 (whole hours 0 to 24, "
                                   "each from-to with from before to)";
    if (trimmed(text).empty())
        throw InputError("--hours is empty; " + std::string(kForm));
    HourWindows windows = kNoHours;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view item = trimmed(text.substr(start, comma - start));
        const std::size_t dash = item.find('-');
        int from = 0, to = 0;
        if (dash == std::string_view::npos || !hourNumber(item.substr(0, dash), from) ||
            !hourNumber(item.substr(dash + 1), to))
            throw InputError("--hours: " + quotedForMessage(item) + " is not an hour range; " +
                             std::string(kForm));
        if (from >= to)
            throw InputError("--hours: " + quotedForMessage(item) +
                             " ends before it starts; write a window across midnight as two, "
                             "e.g. 22-24,0-2");
        windows = windows.with(from, to);
        start = comma + 1;
    }
    return windows;
}

SearchRange wholeCalendar() {
    return SearchRange{kFirstSecond, kEndSecond, HourWindows{}};
}

} // namespace bazi::cli

// The readers of the range search and the reverse lookup, on arbitrary text:
// a chart of four pillars (a line of find --batch), --hours and --from/--to.
// A chart read is written back as a chart that reads to the same pattern, a
// chart the rules allow is one the lookup may meet, windows hold only the hours
// named, a range read lies inside the calendar; every refusal is one printable
// line.
#include "fuzz_check.h"

#include "calendar/calendar_range.h"
#include "cli/chart_input.h"
#include "cli/cli_common.h"
#include "cli/time_range.h"
#include "texts/lookup_texts.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using bazi::fuzz::require;
using bazi::fuzz::requireOneShortLine;

void checkChart(std::string_view text, bool sameDay) {
    try {
        const bazi::ChartPattern chart = bazi::cli::parseChart(text, sameDay);
        require(bazi::problemOf(chart, sameDay) == bazi::ChartProblem::none,
                "a chart read can stand");
        for (const int pillar : chart.pillars)
            require(pillar >= 0 && pillar <= 60, "pillars of the sixty, or unknown");
        const std::string written = bazi::chartPatternText(chart);
        require(bazi::cli::parseChart(written, sameDay) == chart, "a chart reads back as written");
    } catch (const bazi::cli::InputError& e) {
        requireOneShortLine(e.what());
    }
}

void checkHours(std::string_view text) {
    try {
        const bazi::HourWindows windows = bazi::cli::parseHourWindows(text);
        require((windows.hours & ~bazi::HourWindows::kAllDay) == 0, "hours 0..23 only");
        require(windows.hours != 0, "a window list read allows some hour");
    } catch (const bazi::cli::InputError& e) {
        requireOneShortLine(e.what());
    }
}

void checkRange(std::string_view from, std::string_view to) {
    try {
        const bazi::SearchRange range = bazi::cli::parseTimeRange(from, to);
        require(range.from < range.to, "a range read runs forward");
        require(range.from >= bazi::civilSecondsOf(bazi::kCalendarFirstMoment) &&
                    range.to <= bazi::civilSecondsOf(bazi::kCalendarLastMoment) + 1,
                "a range read lies inside the calendar");
    } catch (const bazi::cli::InputError& e) {
        requireOneShortLine(e.what());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkChart(text, false);
    checkChart(text, true);
    checkHours(text);
    const std::size_t split = text.find('|');
    if (split != std::string_view::npos)
        checkRange(text.substr(0, split), text.substr(split + 1));
    return 0;
}

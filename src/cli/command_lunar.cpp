// bazi-seek lunar: the lunar date line of a date or of every date of a range.

#include "calendar/lunar_calendar.h"
#include "calendar/lunar_date_text.h"
#include "cli/calendar_commands.h"
#include "cli/cli_common.h"
#include "texts/result_formats.h"

#include <CLI/CLI.hpp>

#include <memory>
#include <optional>
#include <string>

namespace bazi::cli {

namespace {

struct LunarOptions {
    std::string from;              // DATE
    std::optional<std::string> to; // --to DATE, for a range
    std::string format;            // --format, empty for the default
    bool json = false;             // --json
};

CivilDate dateInRange(const std::string& text, std::string_view what) {
    const CivilDate date = parseDate(text, what);
    if (date < kLunarFirstDate || date > kLunarLastDate)
        throw InputError(std::string(what) + " " + isoDateText(date) +
                         " is outside the lunar calendar's range; give a date from " +
                         isoDateText(kLunarFirstDate) + " to " + isoDateText(kLunarLastDate));
    return date;
}

void runLunar(const LunarOptions& options) {
    const CivilDate first = dateInRange(options.from, "DATE");
    const CivilDate last = options.to ? dateInRange(*options.to, "--to") : first;
    if (last < first)
        throw InputError("--to " + isoDateText(last) + " is before DATE " + isoDateText(first) +
                         "; give a --to date at or after it");

    OutputBuffer out;
    for (CivilDate date = first; date <= last; date = stepDay(date, StepDirection::forward)) {
        const std::string text = lunarDateText(date, options.format);
        if (!options.json) {
            out.line(text + std::string(reckonedMarkText(date)));
            continue;
        }
        const LunarDate lunar = toLunar(date).value_or(LunarDate{}); // always inside the range
        std::string line = "{";
        appendJsonKey(line, "date");
        appendJsonString(line, isoDateText(date));
        appendJsonKey(line, "year");
        line += std::to_string(lunar.year);
        appendJsonKey(line, "month");
        line += std::to_string(lunar.month);
        appendJsonKey(line, "day");
        line += std::to_string(lunar.day);
        appendJsonKey(line, "leap");
        line += lunar.leap ? "true" : "false";
        if (isReckonedLunarDate(date)) {
            appendJsonKey(line, "reckoned");
            line += "true";
        }
        appendJsonKey(line, "text");
        appendJsonString(line, text);
        line += '}';
        out.line(line);
    }
    out.flush();
}

} // namespace

void registerLunarCommand(CLI::App& app) {
    auto options = std::make_shared<LunarOptions>();
    CLI::App* command = app.add_subcommand(
        "lunar", "The lunar date line of a date (as the form's date box shows it), or of every "
                 "date from DATE to --to");
    command
        ->add_option("DATE", options->from,
                     "Gregorian date \"YYYY-MM-DD\", " + isoDateText(kLunarFirstDate) + " to " +
                         isoDateText(kLunarLastDate))
        ->required();
    command->add_option("--to", options->to, "Last date of a range (inclusive)");
    command->add_option(
        "--format", options->format,
        "Line format (default \"%Y年(%S)%M%D %y-%m-%d\"): %Y zodiac animal, %S year "
        "pillar, %M lunar month, %D lunar day, %y %m %d Gregorian year, month, day");
    command->add_flag("--json", options->json,
                      "One JSON object per line: date, year, month, day, leap, (reckoned,) text");
    command->footer(R"(The year animal and pillar change on the day of 立春; the lunar month and day
follow the lunar calendar, so between 立春 and the lunar new year the line shows
the new year's animal with the old year's last month. A date before 1912
is the astronomical reckoning, not necessarily the almanac of its time: its
line ends in " 推算" (whatever --format says), its JSON has "reckoned": true.

Examples:
  bazi-seek lunar 2016-03-16
  bazi-seek lunar 2023-03-20 --to 2023-03-24 --json
  bazi-seek lunar 2016-02-04 --format "%S年 %M%D")");
    command->callback([options] { runLunar(*options); });
}

} // namespace bazi::cli

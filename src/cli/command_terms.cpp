// bazi-seek terms: the 24 solar-term moments of a year or of a range of years.

#include "cli/calendar_commands.h"
#include "cli/cli_common.h"
#include "calendar/solar_terms.h"
#include "form/message_text.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace bazi::cli {

namespace {

struct TermsOptions {
    std::string from;              // YEAR
    std::optional<std::string> to; // --to YEAR
    bool json = false;             // --json
};

// A year in decimal digits, as in a date: " 2016", "+2016" and "0x7e0" are not years.
int yearInRange(std::string_view text, std::string_view what) {
    const std::string range = "give a year from " + std::to_string(kSolarTermFirstYear) + " to " +
                              std::to_string(kSolarTermLastYear);
    if (text.empty())
        throw InputError(std::string(what) + " is missing; " + range);
    const auto year = parseDecimalDigits(text);
    if (!year)
        throw InputError(std::string(what) + " " + quotedForMessage(text) +
                         " is not a year; write it in decimal digits, e.g. 2016; " + range);
    if (*year < static_cast<std::uint64_t>(kSolarTermFirstYear) ||
        *year > static_cast<std::uint64_t>(kSolarTermLastYear))
        throw InputError(std::string(what) + " " + printableMessage(text, 24) +
                         " is outside the solar-term table; " + range);
    return static_cast<int>(*year);
}

void runTerms(const TermsOptions& options) {
    const int first = yearInRange(options.from, "YEAR");
    const int last = options.to ? yearInRange(*options.to, "--to") : first;
    if (last < first)
        throw InputError("--to " + std::to_string(last) + " is before YEAR " +
                         std::to_string(first) + "; give a --to year at or after it");

    OutputBuffer out;
    for (int year = first; year <= last; ++year) {
        for (int n = 1; n <= 24; ++n) {
            const CivilDateTime moment = termMoment(year, n);
            if (options.json) {
                nlohmann::ordered_json object;
                object["year"] = year;
                object["n"] = n;
                object["name"] = solarTermName(n);
                object["moment"] = isoMomentText(moment);
                out.line(jsonLine(object));
            } else {
                char number[8];
                std::snprintf(number, sizeof number, "%2d", n);
                out.line(std::to_string(year) + ' ' + number + ' ' + std::string(solarTermName(n)) +
                         ' ' + spacedIsoMomentText(moment));
            }
        }
    }
    out.flush();
}

} // namespace

void registerTermsCommand(CLI::App& app) {
    auto options = std::make_shared<TermsOptions>();
    CLI::App* command = app.add_subcommand(
        "terms", "The moments of the 24 solar terms of a year (UTC+8, to the second), or of every "
                 "year from YEAR to --to");
    command
        ->add_option("YEAR", options->from,
                     "Gregorian year, " + std::to_string(kSolarTermFirstYear) + " to " +
                         std::to_string(kSolarTermLastYear))
        ->required();
    command->add_option("--to", options->to, "Last year of a range (inclusive)");
    command->add_flag("--json", options->json, "One JSON object per line: year, n, name, moment");
    command->footer(R"(Term 1 is 小寒 (early January), 3 立春, 24 冬至; odd-numbered terms begin the
months of the four pillars.

Examples:
  bazi-seek terms 2016
  bazi-seek terms 2016 --json
  bazi-seek terms 1901 --to 1910)");
    command->callback([options] { runTerms(*options); });
}

} // namespace bazi::cli

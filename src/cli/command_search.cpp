// bazi-seek search: every chart span of a stretch of time whose chart satisfies
// the set conditions of a form state, exact to the second, with the reasons each
// span starts and ends.

#include "cli/basis_options.h"
#include "cli/cli_common.h"
#include "cli/form_input.h"
#include "cli/search_commands.h"
#include "cli/span_output.h"
#include "cli/time_range.h"
#include "conditions/conditions.h"
#include "search/span_search.h"
#include "texts/result_texts.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace bazi::cli {
namespace {

struct SearchOptions {
    std::optional<std::string>
        formFile;                     // FORM, "-" for standard input; the empty form if not given
    std::string from, to;             // --from, --to
    std::string hours;                // --hours; the whole day when not given
    std::vector<std::string> sets;    // --set NAME=VALUE, in order
    std::optional<std::string> limit; // --limit N, decimal digits
    bool json = false, csv = false, explain = false;
    BasisOptions basis; // --tz, --longitude / --place, --solar-time, --late-zi
};

// The largest --limit: more spans than the whole calendar holds.
constexpr int kMaxSearchLimit = 1'000'000'000;

// `hoursGiven`: --hours was on the command line, even as "" (which is refused).
void runSearch(const SearchOptions& options, bool hoursGiven) {
    const ChosenBasis chosen = chosenSpanBasis(options.basis);
    const TimeBasis* basis = chosen.basisOrNull();
    FormState form = readFormFile(options.formFile, false);
    applySettings(form, options.sets);
    SearchRange range = parseTimeRange(options.from, options.to, basis);
    if (hoursGiven)
        range.windows = parseHourWindows(options.hours);
    const Conditions conditions = captureConditions(form);
    if (conditions.conditionCount == 0)
        throw InputError(std::string(kNoConditionMessage) +
                         " (set at least one row: a value box not on \"-\")");
    const long long limit =
        options.limit ? parseWholeNumber(*options.limit, "--limit", 1, kMaxSearchLimit) : 0;

    OutputBuffer out;
    const SpanFormat format = spanFormatOf(options.json, options.csv);
    SpanWriter writer(out, format, options.explain ? &conditions : nullptr, basis);
    writer.header();
    long long found = 0;
    bool more = false;
    searchSpans(conditions, range, [&](const Span& span) {
        if (limit > 0 && found == limit) {
            more = true; // one past the limit: say that there are more, and stop
            return false;
        }
        writer.span(span);
        ++found;
        return true;
    });
    if (format == SpanFormat::text)
        out.line("条件数：" + std::to_string(conditions.conditionCount) + "  符合时段数：" +
                 std::to_string(found));
    out.flush();
    if (more)
        std::cerr << "bazi-seek: stopped after " << found << (found == 1 ? " span" : " spans")
                  << " (--limit " << limit << "); the range holds more\n";
    else if (found == 0)
        std::cerr << "bazi-seek: no span in the range meets the conditions\n";
}

} // namespace

void registerSearchCommand(CLI::App& app) {
    auto options = std::make_shared<SearchOptions>();
    CLI::App* command = app.add_subcommand(
        "search", "Every chart span of a stretch of time whose chart satisfies the set conditions "
                  "of a form state, exact to the second");
    command->add_option("FORM", options->formFile,
                        "Form state file (JSON) as for query; \"-\" reads standard input. Its "
                        "\"date\" is read but not used. May be left out: the empty form and --set");
    command
        ->add_option("--from", options->from,
                     "Start: a date \"YYYY-MM-DD\" (from its 00:00:00) or a moment "
                     "\"YYYY-MM-DD HH:MM[:SS]\"")
        ->required();
    command
        ->add_option("--to", options->to,
                     "End: a date (through its last second) or a moment (not included)")
        ->required();
    const CLI::Option* hours = command->add_option(
        "--hours", options->hours,
        "Allowed clock hours, e.g. \"8-18,20-22\" (08:00 <= t < 18:00 …), whole "
        "hours 0-24; allowed time across midnight (\"20-24,0-6\") is one stretch");
    addSetOption(*command, options->sets,
                 "Set one control, after the file: NAME=VALUE as for query; repeat for more");
    command->add_option("--limit", options->limit, "Stop after N spans (and say so); 1 or more");
    addFormatFlags(*command, options->json, options->csv,
                   "JSON Lines: one object per span (start, end, pillars, lunar, "
                   "startCut, endCut), nothing else on standard output",
                   "CSV: a header line (start,end,pillars,lunar,startCut,endCut) "
                   "and one line per span");
    command->add_flag("--explain", options->explain,
                      "Say why each span matched: per set row its control, value, position, the "
                      "item found, its count and the places that hold it (JSON key \"why\")");
    addBasisOptions(*command, options->basis);
    command->footer(R"(A span is a stretch [start, end) of local civil time (UTC+8) in which the
four pillars do not change. Spans are cut at every odd hour (子 runs 23:00-01:00),
at 23:00 (the day pillar), at the second of each 节 (the month pillar; at 立春
the year), at the ends of the range and where allowed hours start or stop. Each
span carries the reason it starts and ends, the first that applies of 节气交接,
子时换日, 时辰交接, 查询范围, 时段. A span's chart is judged exactly as the form's
query judges a moment; the lunar date is that of the span's start.

With a time-basis option (--tz, --place/--longitude with --solar-time,
--late-zi) the day and hour cuts follow the basis's reading, --from/--to and
--hours are times of its clock, and each span adds its UTC offset (JSON
"utcOffset", "endUtcOffset" when the end's differs, and "solarTime" with solar
time on); spans stay exact to the second on that clock.

Output: one line per matching span, oldest first: start, end, the four
pillars, the lunar date as the date box writes it, the two reasons; then
"条件数：N  符合时段数：M". Exit status 0 when the search ran (matches or not),
2 for a bad argument, a bad form state or no set row ("未设置条件！"), 1 when
the chart primitives library cannot be used.

Examples:
  bazi-seek search examples/planned-birth.json --from 2024-03-01 --to 2024-03-14 --hours 8-18
  bazi-seek search examples/whole-range-three-rows.json --from 1901-02-19 --to 2048-12-31 --json
  bazi-seek search --set 组合框_支1=亥 --set 组合框_位置支1=时支 --set 组合框_支数量1=非0 \
                   --from "2016-02-04 12:00" --to "2016-02-05 12:00" --explain)");
    command->callback([options, hours] { runSearch(*options, hours->count() > 0); });
}

} // namespace bazi::cli

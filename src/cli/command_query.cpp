// bazi-seek query: the query behind the form's "推算" button, run from a form
// state (a JSON file, --date and --set), printed as the result grid and labels,
// as JSON or as CSV.

#include "cli/basis_options.h"
#include "cli/cli_common.h"
#include "cli/form_input.h"
#include "cli/query_command.h"
#include "query/basis_window.h"
#include "query/query_driver.h"
#include "texts/basis_texts.h"
#include "texts/result_formats.h"
#include "texts/result_texts.h"

#include <CLI/CLI.hpp>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace bazi::cli {

namespace {

struct QueryOptions {
    std::optional<std::string> formFile; // FORM: a file, "-" for standard input
    std::optional<std::string> date;     // --date, in place of the form's own
    std::vector<std::string> sets;       // --set NAME=VALUE, in order
    bool json = false;                   // --json
    bool csv = false;                    // --csv
    BasisOptions basis; // --tz, --longitude / --place, --solar-time, --late-zi, --fold, --near
};

// What a chosen time basis adds to the listing: each window moment's chart on
// the basis, by its clock time, and the cuts near each.
struct QueryBasis {
    ChosenBasis chosen;
    BasisWindow window;

    [[nodiscard]] const BasisChart& chartOf(CivilDateTime clock) const {
        return window.charts.at(clock);
    }
};

FormState formStateOf(const QueryOptions& options) {
    if (!options.formFile && !options.date)
        throw InputError("give a form state file FORM (\"-\" reads it from standard input), or "
                         "--date YYYY-MM-DD to start from the empty form");
    FormState form = readFormFile(options.formFile, !options.date);
    if (options.date)
        form.date = parseDate(*options.date, "--date");
    applySettings(form, options.sets);
    if (!isQueryDateInRange(form.date))
        throw InputError("the reference date " + isoDateText(form.date) +
                         " is outside the range a query covers; give a date from " +
                         isoDateText(kFirstQueryDate) + " to " + isoDateText(kLastQueryDate) +
                         " (its three-day window must lie inside the calendar)");
    return form;
}

// The lunar time of a row, marked when it is the astronomical reckoning.
std::string lunarColumn(const ResultRow& row) {
    return row.lunar + std::string(reckonedMarkText(row.moment.date));
}

void printGrid(const QueryResult& result, const QueryBasis* basis, OutputBuffer& out) {
    std::vector<ResultRow> rows;
    std::array<std::size_t, 2> widths = {displayWidth(kResultHeaders[0]),
                                         displayWidth(kResultHeaders[1])};
    for (const QueryMatch& match : result.matches) {
        rows.push_back(resultRowOf(match));
        widths[0] = std::max(widths[0], displayWidth(rows.back().gregorian));
        widths[1] = std::max(widths[1], displayWidth(lunarColumn(rows.back())));
    }
    const auto line = [&](std::string_view a, std::string_view b, std::string_view c) {
        out.line(padToWidth(a, widths[0] + 2) + padToWidth(b, widths[1] + 2) + std::string(c));
    };
    if (basis)
        out.line(basisHeaderLine(basis->chosen.basis));
    line(kResultHeaders[0], kResultHeaders[1], kResultHeaders[2]);
    for (const ResultRow& row : rows) {
        if (!basis) {
            line(row.gregorian, lunarColumn(row), row.chart);
            continue;
        }
        const BasisChart& chart = basis->chartOf(row.moment);
        line(row.gregorian, lunarColumn(row),
             row.chart + basisTextAfterClock(chart, basis->chosen.basis));
        for (const std::string& warning :
             nearCutLines(basis->window.cutsNear(row.moment, basis->chosen.nearMinutes),
                          basis->chosen.basis))
            out.line(warning);
    }
    out.line(kFinishedStatus);
    out.line(summaryText(result.conditionCount, result.matchCount()));
    if (const auto message = outcomeMessage(result.outcome))
        out.line(*message);
}

// The charts of the window's moments on the chosen basis. A clock time that
// was skipped has none; one shown twice needs --fold; all must lie in the
// calendar's range: the first that cannot be read is refused with the reason.
QueryBasis queryBasisOf(const FormState& form, const ChosenBasis& chosen) {
    QueryBasis q{chosen, basisWindowOf(form.date, chosen.basis)};
    if (!q.window.unread.empty())
        (void)instantOfClock(q.window.unread.front(), chosen.basis, "the query's moment");
    return q;
}

void runQueryCommand(const QueryOptions& options) {
    const ChosenBasis chosen = basisFromOptions(options.basis);
    const FormState form = formStateOf(options);
    std::optional<QueryBasis> basis;
    if (chosen.given)
        basis = queryBasisOf(form, chosen);
    const QueryResult result =
        basis ? runQuery(form, windowChartSourceOf(basis->window)) : runQuery(form);
    const QueryBasis* b = basis ? &*basis : nullptr;
    OutputBuffer out;
    if (options.json)
        out.lines(queryResultJson(result, b ? &b->window : nullptr, chosen.nearMinutes));
    else if (options.csv)
        out.lines(queryResultCsv(result, b ? &b->window : nullptr, chosen.nearMinutes));
    else
        printGrid(result, b, out);
    out.flush();
}

} // namespace

void registerQueryCommand(CLI::App& app) {
    auto options = std::make_shared<QueryOptions>();
    CLI::App* command = app.add_subcommand(
        "query", "Run the form's query (推算): list the two-hour moments of the reference date and "
                 "the two days before it whose chart satisfies every set condition");
    command->add_option("FORM", options->formFile,
                        "Form state file (JSON); \"-\" reads it from standard input. May be left "
                        "out when --date is given: the query then starts from the empty form");
    command->add_option("--date", options->date,
                        "Reference date \"YYYY-MM-DD\" (" + isoDateText(kFirstQueryDate) + " to " +
                            isoDateText(kLastQueryDate) + "), in place of the file's \"date\"");
    addSetOption(*command, options->sets,
                 "Set one control, after the file: NAME=VALUE with an item's text or "
                 "index for a combo box, true/false/1/0 for a check or radio box; repeat "
                 "for more controls");
    addFormatFlags(*command, options->json, options->csv,
                   "One JSON object: conditions, matches, status, summary, "
                   "message, page, rows",
                   "CSV: a header line (moment,gregorian,lunar,chart) and one line "
                   "per match");
    addBasisOptions(*command, options->basis);
    command->footer(
        R"(The output is the result grid (公历时间, 农历时间, 八字; newest moment first),
then the status and summary labels, then the outcome message when there is one.
A lunar date before 1912 is the astronomical reckoning, not necessarily
the almanac of its time: the grid and CSV add " 推算" to it, JSON "reckoned": true.
The exit status is 0 whenever the query ran, matches or not; 2 for a bad form
state or argument; 1 when the chart primitives library cannot be used.

With a time-basis option the window's moments are times on the chosen clock
(a time the clock skipped is left out; one it showed twice needs --fold); the
listing opens with the basis, and each row adds its UTC offset, the solar time
with solar time on, and the cuts within --near minutes (JSON: "utcOffset",
"solarTime", "near"; CSV: the same columns).

A form state file:
  {"date": "2016-03-16",
   "controls": {"组合框_行1": "金", "组合框_位置行1": "天干", "组合框_行数量1": "3"}}
A combo box takes an item's text ("金", "天干", "3") or its index as a JSON
number (2); a check or radio box takes true or false. Controls not given keep
the form's initial state: a count box left alone asks for a count of 0, so a
row with a fixed position needs a count such as "非0". "note" may hold a
description.

Examples:
  bazi-seek query examples/metal-three-with-stem.json
  bazi-seek query examples/metal-three-with-stem.json --date 2024-02-10 --json
  bazi-seek query --date 2016-03-16 --set 组合框_支1=亥 --set 组合框_位置支1=时支 \
                  --set 组合框_支数量1=非0 --csv
  bazi-seek query --date 2016-03-16 --set 组合框_神1=正官 --set 组合框_神数量1=非0 \
                  --set 单选框29=true
  cat form.json | bazi-seek query - --set 选择框1=true)");
    command->callback([options] { runQueryCommand(*options); });
}

} // namespace bazi::cli

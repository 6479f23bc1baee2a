// bazi-seek query: the query behind the form's "推算" button, run from a form
// state (a JSON file, --date and --set), printed as the result grid and labels,
// as JSON or as CSV.

#include "cli/cli_common.h"
#include "cli/form_input.h"
#include "cli/query_command.h"
#include "calendar/lunar_calendar.h"
#include "form/form_state_json.h"
#include "query/query_driver.h"
#include "texts/result_formats.h"
#include "texts/result_texts.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace bazi::cli {

namespace {

struct QueryOptions {
    std::string formFile;          // FORM: a file, "-" for standard input, empty for none
    std::string date;              // --date, empty for the form's own
    std::vector<std::string> sets; // --set NAME=VALUE, in order
    bool json = false;             // --json
    bool csv = false;              // --csv
};

FormState formStateOf(const QueryOptions& options) {
    if (options.formFile.empty() && options.date.empty())
        throw InputError("give a form state file FORM (\"-\" reads it from standard input), or "
                         "--date YYYY-MM-DD to start from the empty form");
    FormState form = readFormFile(options.formFile, options.date.empty());
    if (!options.date.empty())
        form.date = parseDate(options.date, "--date");
    applySettings(form, options.sets);
    if (!isQueryDateInRange(form.date))
        throw InputError("the reference date " + isoDate(form.date) +
                         " is outside the range a query covers; give a date from " +
                         isoDate(kFirstQueryDate) + " to " + isoDate(kLastQueryDate) +
                         " (its three-day window must lie inside the calendar)");
    return form;
}

// The lunar time of a row, marked when it is the astronomical reckoning.
std::string lunarColumn(const ResultRow& row) {
    return row.lunar + std::string(reckonedMark(row.moment.date));
}

void printGrid(const QueryResult& result, OutputBuffer& out) {
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
    line(kResultHeaders[0], kResultHeaders[1], kResultHeaders[2]);
    for (const ResultRow& row : rows)
        line(row.gregorian, lunarColumn(row), row.chart);
    out.line(kFinishedStatus);
    out.line(summaryText(result.conditionCount, result.matchCount()));
    if (const auto message = outcomeMessage(result.outcome))
        out.line(*message);
}

// JSON and CSV are the result's file formats, which the window exports too.
void printText(const std::string& text, OutputBuffer& out) {
    out.line(std::string_view(text).substr(0, text.size() - 1)); // without its last line feed
}

void runQueryCommand(const QueryOptions& options) {
    const FormState form = formStateOf(options);
    const QueryResult result = runQuery(form);
    OutputBuffer out;
    if (options.json)
        printText(queryResultJson(result), out);
    else if (options.csv)
        printText(queryResultCsv(result), out);
    else
        printGrid(result, out);
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
                        "Reference date \"YYYY-MM-DD\" (" + isoDate(kFirstQueryDate) + " to " +
                            isoDate(kLastQueryDate) + "), in place of the file's \"date\"");
    command
        ->add_option("--set", options->sets,
                     "Set one control, after the file: NAME=VALUE with an item's text or "
                     "index for a combo box, true/false/1/0 for a check or radio box; repeat "
                     "for more controls")
        ->expected(1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    auto* json = command->add_flag("--json", options->json,
                                   "One JSON object: conditions, matches, status, summary, "
                                   "message, page, rows");
    auto* csv = command->add_flag("--csv", options->csv,
                                  "CSV: a header line (moment,gregorian,lunar,chart) and one line "
                                  "per match");
    json->excludes(csv);
    command->footer(
        R"(The output is the result grid (公历时间, 农历时间, 八字; newest moment first),
then the status and summary labels, then the outcome message when there is one.
A lunar date before 1912 is the astronomical reckoning, not necessarily
the almanac of its time: the grid and CSV add " 推算" to it, JSON "reckoned": true.
The exit status is 0 whenever the query ran, matches or not; 2 for a bad form
state or argument; 1 when the chart primitives library cannot be used.

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

// bazi-seek query: the query behind the form's "推算" button, run from a form
// state (a JSON file, --date and --set), printed as the result grid and labels,
// as JSON or as CSV.

#include "cli/cli_common.h"
#include "cli/query_command.h"
#include "form/form_state_json.h"
#include "form/text_input.h"
#include "query/query_driver.h"
#include "query/result_listing.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

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
};

FormState formStateOf(const QueryOptions& options) {
    if (!options.formFile && !options.date)
        throw InputError("give a form state file FORM (\"-\" reads it from standard input), or "
                         "--date YYYY-MM-DD to start from the empty form");
    FormState form;
    if (options.formFile) {
        try {
            form = readFormStateFile(*options.formFile, !options.date);
        } catch (const TextInputError& e) {
            throw InputError(e.what());
        } catch (const FormStateError& e) {
            throw InputError(inputSourceName(*options.formFile) + ": " + e.what());
        }
    }
    if (options.date)
        form.date = parseDate(*options.date, "--date");
    try {
        std::vector<ControlSetting> settings;
        for (const std::string& s : options.sets)
            settings.push_back(parseControlSetting(s));
        applyControlSettings(form, settings);
    } catch (const FormStateError& e) {
        throw InputError(std::string("--set ") + e.what());
    }
    if (!isQueryDateInRange(form.date))
        throw InputError("the reference date " + isoDate(form.date) +
                         " is outside the range a query covers; give a date from " +
                         isoDate(kFirstQueryDate) + " to " + isoDate(kLastQueryDate) +
                         " (its three-day window must lie inside the calendar)");
    return form;
}

// Columns on a terminal: a CJK character takes two, anything else one.
std::size_t displayWidth(std::string_view text) {
    std::size_t width = 0;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const auto byte = static_cast<unsigned char>(text[k]);
        if ((byte & 0xC0) == 0x80)
            continue; // continuation byte
        width += byte >= 0xE0 ? 2 : 1;
    }
    return width;
}

std::string padded(std::string_view text, std::size_t width) {
    std::string out(text);
    out.append(width > displayWidth(text) ? width - displayWidth(text) : 0, ' ');
    return out;
}

void printGrid(const QueryResult& result, OutputBuffer& out) {
    std::array<std::size_t, 2> widths = {displayWidth(kResultHeaders[0]),
                                         displayWidth(kResultHeaders[1])};
    for (const ResultRow& row : result.rows) {
        widths[0] = std::max(widths[0], displayWidth(row.gregorian));
        widths[1] = std::max(widths[1], displayWidth(row.lunar));
    }
    const auto line = [&](std::string_view a, std::string_view b, std::string_view c) {
        out.line(padded(a, widths[0] + 2) + padded(b, widths[1] + 2) + std::string(c));
    };
    line(kResultHeaders[0], kResultHeaders[1], kResultHeaders[2]);
    for (const ResultRow& row : result.rows)
        line(row.gregorian, row.lunar, row.chart);
    out.line(result.status);
    out.line(result.summary);
    if (result.message)
        out.line(*result.message);
}

void printJson(const QueryResult& result, OutputBuffer& out) {
    nlohmann::ordered_json doc;
    doc["conditions"] = result.conditionCount;
    doc["matches"] = result.matchCount;
    doc["status"] = result.status;
    doc["summary"] = result.summary;
    doc["message"] = result.message ? nlohmann::ordered_json(*result.message) : nullptr;
    doc["page"] = result.showResultPage ? nlohmann::ordered_json("查询结果") : nullptr;
    doc["rows"] = nlohmann::ordered_json::array();
    for (const ResultRow& row : result.rows) {
        nlohmann::ordered_json r;
        r["moment"] = isoDateTime(row.moment);
        r["gregorian"] = row.gregorian;
        r["lunar"] = row.lunar;
        r["chart"] = row.chart;
        doc["rows"].push_back(std::move(r));
    }
    out.line(doc.dump());
}

// A CSV field, quoted when it holds a comma, a quote or a line break.
std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

void printCsv(const QueryResult& result, OutputBuffer& out) {
    out.line("moment,gregorian,lunar,chart");
    for (const ResultRow& row : result.rows)
        out.line(isoDateTime(row.moment) + "," + csvField(row.gregorian) + "," +
                 csvField(row.lunar) + "," + csvField(row.chart));
}

void runQueryCommand(const QueryOptions& options) {
    const FormState form = formStateOf(options);
    const QueryResult result = runQuery(form);
    OutputBuffer out;
    if (options.json)
        printJson(result, out);
    else if (options.csv)
        printCsv(result, out);
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
                        "Reference date \"YYYY-MM-DD\" (1901-02-21 to 2048-12-31), in place of the "
                        "file's \"date\"");
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

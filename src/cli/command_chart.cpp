// bazi-seek chart: the four pillars, lunar date and solar term of a moment or of
// a series of moments.

#include "calendar/calendar_range.h"
#include "calendar/lunar_calendar.h"
#include "calendar/moment_chart.h"
#include "calendar/solar_terms.h"
#include "chart/chart_tables.h"
#include "cli/basis_options.h"
#include "cli/calendar_commands.h"
#include "cli/chart_tables_output.h"
#include "cli/cli_common.h"
#include "cli/spirit_stars_output.h"
#include "texts/basis_texts.h"
#include "texts/result_formats.h"

#include <CLI/CLI.hpp>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace bazi::cli {

namespace {

constexpr int kMaxStepHours = 1000000; // more than the whole range

struct ChartOptions {
    std::vector<std::string> fromWords; // MOMENT: quoted, or its date and time as two words
    std::optional<std::string> to;      // --to MOMENT, for a series
    std::string stepHours = "2";        // --step-hours, decimal digits
    bool json = false;                  // --json
    // What else each moment shows; options of further chart views add a flag here
    // and a few lines to writeJsonLine and writeTextLine.
    bool tables = false; // the chart tables of the moment
    bool swap = false;   // ... formed with the swap flag
    bool female = false; // spirit stars read for a woman (元辰)
    BasisOptions basis;  // --tz, --longitude / --place, --solar-time, --late-zi, --fold, --near
};

CivilDateTime momentInRange(std::string_view text, std::string_view what) {
    const CivilDateTime moment = parseMoment(text, what);
    if (!isInCalendarRange(moment))
        throw InputError(std::string(what) + " " + spacedIsoMomentText(moment) +
                         " is outside the calendar's range; give a moment from " +
                         spacedIsoMomentText(kCalendarFirstMoment) + " to " +
                         spacedIsoMomentText(kCalendarLastMoment));
    return moment;
}

int stepHoursOf(const ChartOptions& options) {
    return parseWholeNumber(options.stepHours, "--step-hours", 1, kMaxStepHours);
}

[[noreturn]] void refuseToBeforeFrom(CivilDateTime to, CivilDateTime from) {
    throw InputError("--to " + spacedIsoMomentText(to) + " is before MOMENT " +
                     spacedIsoMomentText(from) + "; give a --to moment at or after it");
}

// What a chosen time basis adds to a line: the clock's offset, the reading,
// the term on the clock, and for a single moment the cuts near it.
struct BasisLine {
    const TimeBasis* basis = nullptr;
    BasisChart chart;
    std::optional<std::vector<NearCut>> near; // single moments only
};

// One moment, everything the chart command shows of it.
struct ChartLine {
    MomentChart chart;
    TermRef term;                   // the term in force: always in the table inside the chart range
    std::optional<BasisLine> basis; // only when a basis option was given
};

ChartLine chartLineOf(CivilDateTime moment) {
    return ChartLine{momentChartOf(moment), termInForce(moment).value_or(TermRef{}), std::nullopt};
}

// The chart tables of the moment, as the condition groups see them.
std::pair<ChartTable, HiddenStemTable> chartTablesOf(const ChartOptions& options,
                                                     const MomentChart& c) {
    const int swapFlag = swapFlagOf(options.swap);
    ChartTable table = fillChartTable(c.chartText(), swapFlag);
    HiddenStemTable hidden = fillHiddenStemTable(table, swapFlag);
    return {std::move(table), std::move(hidden)};
}

// The moment of a term as the basis's clock showed it.
ClockTime termOnClock(const TermRef& term, const TimeBasis& basis) {
    return clockFromInstant(instantFromCalendarTime(termMoment(term.year, term.n)), basis);
}

void appendJsonMoment(std::string& text, std::string_view key, CivilDateTime moment) {
    appendJsonKey(text, key);
    appendJsonString(text, isoMomentText(moment));
}

void appendJsonInt(std::string& text, std::string_view key, int value) {
    appendJsonKey(text, key);
    text += std::to_string(value);
}

// {"moment": .., "pillars": [..], "lunar": {..}, "lunarText": .., "term": {..}, "stars": {..}},
// written field by field: a long series is hundreds of thousands of lines.
void writeJsonLine(OutputBuffer& out, const ChartOptions& options, const ChartLine& line) {
    const MomentChart& c = line.chart;
    std::string text = "{";
    appendJsonMoment(text, "moment", c.moment);
    if (line.basis)
        appendBasisJson(text, line.basis->chart, *line.basis->basis);
    appendJsonKey(text, "pillars");
    text += '[';
    for (const std::string* pillar : {&c.yearPillar, &c.monthPillar, &c.dayPillar, &c.hourPillar}) {
        if (text.back() != '[')
            text += ", ";
        appendJsonString(text, *pillar);
    }
    text += ']';
    appendJsonKey(text, "lunar");
    appendLunarJson(text, LunarDate{c.lunarYear, c.lunarMonth, c.lunarDay, c.leap}, c.moment.date);
    appendJsonKey(text, "lunarText");
    appendJsonString(text, lunarTimeText(c));
    appendJsonKey(text, "term");
    text += '{';
    appendJsonInt(text, "year", line.term.year);
    appendJsonInt(text, "n", line.term.n);
    appendJsonKey(text, "name");
    appendJsonString(text, solarTermName(line.term.n));
    if (line.basis) {
        const ClockTime term = termOnClock(line.term, *line.basis->basis);
        appendJsonMoment(text, "moment", term.time);
        appendJsonKey(text, "utcOffset");
        appendJsonString(text, utcOffsetText(term.utcOffset));
    } else {
        appendJsonMoment(text, "moment", termMoment(line.term.year, line.term.n));
    }
    text += '}';
    appendJsonKey(text, "stars");
    appendSpiritStarsJson(text, chartIndicesOfText(c.chartText()), options.female);
    // Further views of the chart add their keys here, e.g. with appendJsonKey and
    // appendJsonLine for a nlohmann value.
    if (options.tables) {
        const auto [table, hidden] = chartTablesOf(options, c);
        appendJsonKey(text, "tables");
        appendJsonLine(text, chartTablesJson(table, hidden));
    }
    if (line.basis && line.basis->near) {
        appendJsonKey(text, "near");
        appendJsonLine(text, nearCutsJson(*line.basis->near, *line.basis->basis));
    }
    text += '}';
    out.line(text);
}

void writeTextLine(OutputBuffer& out, const ChartOptions& options, const ChartLine& line) {
    const MomentChart& c = line.chart;
    std::string text = spacedIsoMomentText(c.moment);
    if (line.basis)
        text += basisTextAfterClock(line.basis->chart, *line.basis->basis);
    text += "  八字 ";
    text += c.spacedChartText();
    text += "  农历 ";
    text += lunarTimeText(c);
    text += reckonedMarkText(c.moment.date);
    text += "  节气 ";
    text += solarTermName(line.term.n);
    text += ' ';
    if (line.basis) {
        const ClockTime term = termOnClock(line.term, *line.basis->basis);
        text += spacedIsoMomentText(term.time) + ' ' + utcOffsetText(term.utcOffset);
    } else {
        text += spacedIsoMomentText(termMoment(line.term.year, line.term.n));
    }
    text += "  ";
    text += spiritStarsLine(chartIndicesOfText(c.chartText()), options.female);
    out.line(text);
    if (options.tables) {
        const auto [table, hidden] = chartTablesOf(options, c);
        for (const std::string& row : chartTablesLines(table, hidden, "  "))
            out.line(row);
    }
    if (line.basis && line.basis->near)
        for (const std::string& warning : nearCutLines(*line.basis->near, *line.basis->basis))
            out.line(warning);
}

void writeLine(OutputBuffer& out, const ChartOptions& options, const ChartLine& line) {
    if (options.json)
        writeJsonLine(out, options, line);
    else
        writeTextLine(out, options, line);
}

// Every moment of the series under a chosen basis: MOMENT and --to are clock
// times, the series steps along the timeline (through summer-time changes).
// The step is read after the order of MOMENT and --to, as it always was here.
void runChartOnBasis(const ChartOptions& options, std::string_view fromText,
                     const ChosenBasis& chosen) {
    const TimeBasis& basis = chosen.basis;
    const CivilDateTime from = parseMoment(fromText, "MOMENT");
    const Instant first = instantOfClock(from, basis, "MOMENT");
    Instant last = first;
    if (options.to) {
        const CivilDateTime to = parseMoment(*options.to, "--to");
        last = instantOfClock(to, basis, "--to");
        if (last < first)
            refuseToBeforeFrom(to, from);
    }

    OutputBuffer out;
    if (!options.json)
        out.line(basisHeaderLine(basis));
    const std::int64_t step = std::int64_t{stepHoursOf(options)} * 3600;
    for (Instant t = first; t <= last; t = t + step) {
        BasisLine extra{&basis, chartAt(t, basis), std::nullopt};
        if (!options.to)
            extra.near = cutsNear(t, basis, std::int64_t{chosen.nearMinutes} * 60);
        ChartLine line{momentChartOf(extra.chart),
                       termInForce(calendarTimeFromInstant(t)).value_or(TermRef{}),
                       std::move(extra)};
        writeLine(out, options, line);
    }
    out.flush();
}

// On the calendar's own basis the step is read before the order of MOMENT and --to.
void runChart(const ChartOptions& options, std::string_view fromText) {
    const ChosenBasis chosen = basisFromOptions(options.basis);
    if (chosen.given) {
        runChartOnBasis(options, fromText, chosen);
        return;
    }
    const CivilDateTime first = momentInRange(fromText, "MOMENT");
    const CivilDateTime last = options.to ? momentInRange(*options.to, "--to") : first;
    const int stepHours = stepHoursOf(options);
    if (last < first)
        refuseToBeforeFrom(last, first);

    OutputBuffer out;
    for (CivilDateTime moment = first; moment <= last; moment = addHours(moment, stepHours))
        writeLine(out, options, chartLineOf(moment));
    out.flush();
}

} // namespace

void registerChartCommand(CLI::App& app) {
    auto options = std::make_shared<ChartOptions>();
    CLI::App* command = app.add_subcommand(
        "chart", "The four pillars (八字), lunar date and solar term in force of a moment, "
                 "or of every moment from MOMENT to --to in steps of --step-hours");
    command
        ->add_option("MOMENT", options->fromWords,
                     "Local civil time (UTC+8) \"YYYY-MM-DD HH:MM[:SS]\", " +
                         spacedIsoMomentText(kCalendarFirstMoment) + " to " +
                         spacedIsoMomentText(kCalendarLastMoment))
        ->required();
    CLI::Option* to = command->add_option(
        "--to", options->to, "Last moment of a series (inclusive), same form as MOMENT");
    command
        ->add_option("--step-hours", options->stepHours,
                     "Hours between the moments of a series, 1 to 1000000 (default 2)")
        ->needs(to);
    command->add_flag("--json", options->json,
                      "One JSON object per line: moment, pillars, lunar, lunarText, term, "
                      "stars (and tables with --tables)");
    command->add_flag("--female", options->female,
                      "Read the spirit stars for a woman (the box \"女命\"): 元辰 lies on the "
                      "other side of the clash");
    CLI::Option* tables = command->add_flag(
        "--tables", options->tables,
        "Also the chart tables: element, ten-god and ordinal of the eight characters and "
        "of the twelve hidden-stem slots, as the conditions see them");
    command
        ->add_flag(
            "--swap", options->swap,
            "Form the ten-gods with 亥子巳午 swapped in polarity (the box \"亥子巳午阴阳置换\")")
        ->needs(tables);
    addBasisOptions(*command, options->basis);
    command->footer(R"(The year pillar changes at the second of 立春, the month pillar at the second
of each odd-numbered solar term, the day pillar at 23:00. The term shown is the
last one at or before the moment (before 小寒, the previous year's 冬至).
The spirit stars (神煞) standing at each pillar follow, in the order of the
form's list ("-" for a pillar without one). A lunar date before 1912 is
the astronomical reckoning, not necessarily the almanac of its time: the line
marks it " 推算", JSON with "reckoned": true in "lunar".

With a time-basis option MOMENT is a time on the chosen clock; the listing
opens with the basis, every time carries its UTC offset (JSON: "utcOffset",
and "solarTime" with solar time on), and a single moment lists the cuts within
--near minutes with the chart on their other side (JSON: "near").

Examples:
  bazi-seek chart "2016-03-16 22:00"
  bazi-seek chart "2016-02-04 17:45:53" --json
  bazi-seek chart "2023-07-13 12:00" --female
  bazi-seek chart "2016-03-16 22:00" --tables --swap
  bazi-seek chart "2016-03-14 00:00" --to "2016-03-16 22:00" --step-hours 2
  bazi-seek chart "1988-07-15 12:00" --tz Asia/Shanghai
  bazi-seek chart "2000-03-20 12:00" --place 乌鲁木齐 --solar-time true
  bazi-seek chart "2016-03-16 23:30" --late-zi same-day)");
    // Unquoted, the shell hands the date and the time over as two words.
    command->callback([options] { runChart(*options, joinedArguments(options->fromWords)); });
}

} // namespace bazi::cli

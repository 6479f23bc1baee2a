// bazi-seek find: the reverse lookup (八字反查). Every span of time whose chart
// is the one given, exact to the second, in the span format of search; one
// chart, or a batch of charts one per line.

#include "cli/basis_options.h"
#include "cli/chart_input.h"
#include "cli/cli_common.h"
#include "cli/search_commands.h"
#include "cli/span_output.h"
#include "cli/time_range.h"
#include "form/text_input.h"
#include "search/chart_lookup.h"
#include "search/span_walker.h"
#include "texts/basis_texts.h"
#include "texts/lookup_texts.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace bazi::cli {
namespace {

struct FindOptions {
    std::vector<std::string> chart; // PILLARS: one argument, or the four pillars as four
    std::string batch;              // --batch FILE|-
    std::string from, to;           // --from, --to; the whole calendar when not given
    bool json = false, csv = false;
    BasisOptions basis; // --tz, --longitude / --place, --solar-time, --late-zi
};

// A batch is a list of charts: refuse anything far larger than that before reading it whole.
constexpr std::size_t kMaxBatchBytes = 16 * 1024 * 1024;

SearchRange rangeOf(const FindOptions& options, const TimeBasis* basis) {
    if (options.from.empty() != options.to.empty())
        throw InputError("give both --from and --to, or neither for the whole calendar");
    SearchRange range =
        options.from.empty() ? wholeCalendar() : parseTimeRange(options.from, options.to, basis);
    range.basis = basis;
    return range;
}

// A second of the search's timeline as the user reads it: on the calendar's
// clock, or with a basis on its clock with the UTC offset.
std::string momentText(CivilSeconds t, const TimeBasis* basis) {
    if (!basis)
        return spacedIsoMomentText(civilDateTimeOf(t));
    const ClockTime clock = clockFromInstant(instantOfCivil(t), *basis);
    return spacedIsoMomentText(clock.time) + ' ' + utcOffsetText(clock.utcOffset);
}

std::string spanText(const Span& span, const TimeBasis* basis) {
    return momentText(span.start, basis) + " .. " + momentText(span.end, basis);
}

// On standard error: nothing in the range, and the nearest occurrences outside it.
void sayNothingFound(const ChartPattern& chart, const SearchRange& range) {
    SearchRange whole = wholeCalendar();
    whole.basis = range.basis;
    const TimeBasis* basis = range.basis;
    std::cerr << "bazi-seek: " << chartPatternText(chart) << " does not occur";
    if (range.from == whole.from && range.to == whole.to) {
        std::cerr << " anywhere in the calendar (" << momentText(whole.from, basis) << " to "
                  << momentText(whole.to - 1, basis) << ")\n";
        return;
    }
    std::cerr << " from " << momentText(range.from, basis) << " to "
              << momentText(range.to - 1, basis);
    const NearestOccurrences nearest = nearestOutside(chart, range, whole);
    if (!nearest.before && !nearest.after) {
        std::cerr << ", nor anywhere else in the calendar\n";
        return;
    }
    std::cerr << "; nearest";
    if (nearest.before)
        std::cerr << " before: " << spanText(*nearest.before, basis);
    if (nearest.before && nearest.after)
        std::cerr << ";";
    if (nearest.after)
        std::cerr << " after: " << spanText(*nearest.after, basis);
    std::cerr << "\n";
}

void runOne(const FindOptions& options) {
    const ChosenBasis chosen = chosenSpanBasis(options.basis);
    const TimeBasis* basis = chosen.basisOrNull();
    const ChartPattern chart =
        parseChart(joinedArguments(options.chart), chosen.basis.lateZi == LateZi::sameDay);
    const SearchRange range = rangeOf(options, basis);
    OutputBuffer out;
    const SpanFormat format = spanFormatOf(options.json, options.csv);
    SpanWriter writer(out, format, nullptr, basis);
    writer.header();
    long long found = 0;
    findChartSpans(chart, range, [&](const Span& span) {
        writer.span(span);
        ++found;
        return true;
    });
    if (format == SpanFormat::text)
        out.line("符合时段数：" + std::to_string(found));
    out.flush();
    if (found == 0)
        sayNothingFound(chart, range);
}

std::string readBatch(const std::string& path) {
    try {
        return readTextInput(path, kMaxBatchBytes);
    } catch (const TextInputError& e) {
        throw InputError(e.what());
    }
}

void runBatch(const FindOptions& options) {
    if (options.csv)
        throw InputError("--batch writes JSON Lines; leave out --csv");
    const ChosenBasis chosen = chosenSpanBasis(options.basis);
    const TimeBasis* basis = chosen.basisOrNull();
    const bool sameDay = chosen.basis.lateZi == LateZi::sameDay;
    const SearchRange range = rangeOf(options, basis);
    const std::string text = readBatch(options.batch);
    OutputBuffer out;
    SpanWriter writer(out, SpanFormat::json, nullptr, basis);
    int badLines = 0;
    std::size_t lineNumber = 0;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string_view line(text.data() + start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.find_first_not_of(" \t") == std::string_view::npos)
            continue; // a blank line
        try {
            const ChartPattern chart = parseChart(line, sameDay);
            const std::string written = chartPatternText(chart);
            findChartSpans(chart, range, [&](const Span& span) {
                writer.span(span, written);
                return true;
            });
        } catch (const InputError& e) {
            std::cerr << "bazi-seek: line " << lineNumber << ": " << e.what() << '\n';
            ++badLines;
        }
    }
    out.flush();
    if (badLines > 0)
        throw InputError(std::to_string(badLines) + (badLines == 1 ? " line" : " lines") +
                         " of the batch could not be read (see above); the others were looked up");
}

} // namespace

void registerFindCommand(CLI::App& app) {
    auto options = std::make_shared<FindOptions>();
    CLI::App* command = app.add_subcommand(
        "find", "The reverse lookup (八字反查): every span of time whose chart is the one given");
    auto* chart = command->add_option(
        "PILLARS", options->chart,
        "Four pillars, year to hour: \"丙申 辛卯 丁酉 辛亥\" (quoted or not) or "
        "\"丙申辛卯丁酉辛亥\"; * for one not known (\"丙申 辛卯 丁酉 *\")");
    auto* batch = command->add_option("--batch", options->batch,
                                      "Look up every chart of a file (\"-\": standard input), one "
                                      "per line; JSON Lines with the key \"chart\"");
    chart->excludes(batch);
    command->add_option("--from", options->from,
                        "Start: a date \"YYYY-MM-DD\" or a moment \"YYYY-MM-DD HH:MM[:SS]\" "
                        "(default: the calendar's first second)");
    command->add_option("--to", options->to,
                        "End: a date (through its last second) or a moment (not included)");
    addFormatFlags(*command, options->json, options->csv,
                   "JSON Lines, one object per span, as search writes them",
                   "CSV, as search writes it");
    addBasisOptions(*command, options->basis);
    command->footer(R"(The spans are listed oldest first, exactly as search lists them (start, end,
pillars, lunar date, the reasons the span starts and ends). Exit status 0 when
the lookup ran, also when nothing lies in the range (then standard error says
so and gives the nearest occurrences outside it); 2 for a chart that is not four
pillars, a pair that is not one of the sixty, a month pillar that cannot stand
in its year (甲己之年丙作首 …) or an hour pillar that cannot stand on its day
(甲己还加甲 …), naming the rule and the pillars that can.

With a time-basis option the spans are read on that basis as search reads
them; under --late-zi same-day the hour from 23:00 may carry the following
day's 子 hour pillar, and only there.

With --batch, a line that cannot be read is reported on standard error with
its number and the rest go on; the exit status is then 2.

Examples:
  bazi-seek find "丙申 辛卯 丁酉 辛亥"
  bazi-seek find 丙申 辛卯 丁酉 辛亥
  bazi-seek find "丙申辛卯丁酉*" --json
  bazi-seek find "* * 丁酉 辛亥" --from 2000-01-01 --to 2030-12-31
  printf '丙申 辛卯 丁酉 辛亥\n癸卯 己未 甲戌 *\n' | bazi-seek find --batch -)");
    command->callback([options] {
        if (options->batch.empty() && options->chart.empty())
            throw InputError("give the chart PILLARS, or --batch FILE (\"-\" for standard input)");
        if (!options->batch.empty())
            runBatch(*options);
        else
            runOne(*options);
    });
}

} // namespace bazi::cli

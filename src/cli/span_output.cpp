#include "cli/span_output.h"
#include "texts/basis_texts.h"

#include "calendar/lunar_calendar.h"
#include "calendar/sexagenary.h"
#include "chart/chart_facts.h"
#include "chart/library_facts.h"
#include "form/form_catalog.h"
#include "search/span_walker.h"
#include "texts/span_texts.h"

namespace bazi::cli {
namespace {

std::string pillarsText(const PillarIndices& p, std::string_view separator) {
    std::string text = pillarText(p.year);
    for (const int pillar : {p.month, p.day, p.hour}) {
        text += separator;
        text += pillarText(pillar);
    }
    return text;
}

// The places holding the found item: characters and slots, or pillars for a star.
std::vector<std::string> placesOf(const ConditionRow& row, const RowEvaluation& e) {
    return row.group == GroupId::spiritStar ? pillarPlaceTexts(e.places) : placeTexts(e.places);
}

struct Why {
    const ConditionRow* row;
    RowEvaluation evaluation;
};

std::vector<Why> whyOf(const Conditions& conditions, const Span& span) {
    const ChartFacts facts = chartFactsOf(span.pillars, libraryFacts());
    std::vector<Why> out;
    for (const ConditionRow& row : conditions.rows)
        out.push_back(Why{&row, evaluateRow(row, facts)});
    return out;
}

void appendStringArray(std::string& text, const std::vector<std::string>& items) {
    text += '[';
    for (std::size_t k = 0; k < items.size(); ++k) {
        if (k > 0)
            text += ", ";
        appendJsonString(text, items[k]);
    }
    text += ']';
}

} // namespace

SpanWriter::SpanWriter(OutputBuffer& out, SpanFormat format, const Conditions* explain,
                       const TimeBasis* basis)
    : m_out(out), m_format(format), m_explain(explain), m_basis(basis) {}

namespace {

// A span's ends as its basis's clock shows them.
struct SpanClock {
    ClockTime start, end;
    CivilDateTime reading; // of the start
};

// The ends of a span as they are written: on the calendar's clock, or on the
// basis's clock with what that clock adds.
struct SpanEnds {
    CivilDateTime start, end;
    std::optional<SpanClock> clock;
};

SpanEnds spanEndsOf(const Span& span, const TimeBasis* basis) {
    if (!basis)
        return SpanEnds{span.startTime(), span.endTime(), std::nullopt};
    const Instant start = instantOfCivil(span.start);
    const SpanClock clock{clockFromInstant(start, *basis),
                          clockFromInstant(instantOfCivil(span.end), *basis),
                          readingAt(start, *basis)};
    return SpanEnds{clock.start.time, clock.end.time, clock};
}

} // namespace

void SpanWriter::header() {
    if (m_format != SpanFormat::csv)
        return;
    std::string line = "start,end,pillars,lunar,startCut,endCut";
    if (m_basis) {
        line += ",utcOffset,endUtcOffset";
        if (m_basis->solarTime != SolarTime::off)
            line += ",solarTime";
    }
    m_out.line(line);
}

void SpanWriter::span(const Span& span, std::optional<std::string_view> chart) {
    switch (m_format) {
    case SpanFormat::text: text(span); break;
    case SpanFormat::json: json(span, chart); break;
    case SpanFormat::csv: csv(span); break;
    }
}

void SpanWriter::text(const Span& span) {
    const auto [start, end, clock] = spanEndsOf(span, m_basis);
    std::string line = dateTimeText(start);
    if (clock) {
        line += ' ';
        line += utcOffsetText(clock->start.utcOffset);
    }
    line += "  ";
    line += dateTimeText(end);
    if (clock) {
        line += ' ';
        line += utcOffsetText(clock->end.utcOffset);
    }
    line += "  ";
    line += pillarsText(span.pillars, " ");
    line += "  ";
    line += spanLunarText(start.date);
    line += reckonedMark(start.date);
    line += "  ";
    line += cutReasonText(span.startCut);
    line += "  ";
    line += cutReasonText(span.endCut);
    m_out.line(line);
    if (!m_explain)
        return;
    for (const Why& why : whyOf(*m_explain, span)) {
        const RowNames& names = rowNames(why.row->group, why.row->row);
        std::string w = "    " + names.value + " " + std::string(soughtItemText(why.row->sought)) +
                        " " + std::string(rowPositionText(why.row->position)) + ": " +
                        std::string(soughtItemText(why.evaluation.found)) + " ×" +
                        std::to_string(why.evaluation.count);
        const auto places = placesOf(*why.row, why.evaluation);
        for (std::size_t k = 0; k < places.size(); ++k)
            w += (k == 0 ? " (" : "、") + places[k];
        if (!places.empty())
            w += ")";
        m_out.line(w);
    }
}

void SpanWriter::json(const Span& span, std::optional<std::string_view> chart) {
    const auto [start, end, clock] = spanEndsOf(span, m_basis);
    std::string text = "{";
    if (chart) {
        appendJsonKey(text, "chart");
        appendJsonString(text, *chart);
    }
    appendJsonKey(text, "start");
    appendJsonString(text, isoDateTime(start));
    appendJsonKey(text, "end");
    appendJsonString(text, isoDateTime(end));
    appendJsonKey(text, "pillars");
    text += '[';
    const PillarIndices& p = span.pillars;
    for (const int pillar : {p.year, p.month, p.day, p.hour}) {
        if (text.back() != '[')
            text += ", ";
        appendJsonString(text, pillarText(pillar));
    }
    text += ']';
    const LunarDate lunar = toLunar(start.date).value_or(LunarDate{});
    appendJsonKey(text, "lunar");
    text += "{\"year\": " + std::to_string(lunar.year) +
            ", \"month\": " + std::to_string(lunar.month) +
            ", \"day\": " + std::to_string(lunar.day) +
            ", \"leap\": " + (lunar.leap ? "true" : "false");
    if (isReckonedLunarDate(start.date))
        text += ", \"reckoned\": true";
    text += '}';
    appendJsonKey(text, "startCut");
    appendJsonString(text, cutReasonText(span.startCut));
    appendJsonKey(text, "endCut");
    appendJsonString(text, cutReasonText(span.endCut));
    if (clock) {
        appendJsonKey(text, "utcOffset");
        appendJsonString(text, utcOffsetText(clock->start.utcOffset));
        if (clock->end.utcOffset != clock->start.utcOffset) {
            appendJsonKey(text, "endUtcOffset");
            appendJsonString(text, utcOffsetText(clock->end.utcOffset));
        }
        if (m_basis->solarTime != SolarTime::off) {
            appendJsonKey(text, "solarTime");
            appendJsonString(text, isoDateTime(clock->reading));
        }
    }
    if (m_explain) {
        appendJsonKey(text, "why");
        text += '[';
        for (const Why& why : whyOf(*m_explain, span)) {
            if (text.back() != '[')
                text += ", ";
            text += '{';
            appendJsonKey(text, "control");
            appendJsonString(text, rowNames(why.row->group, why.row->row).value);
            appendJsonKey(text, "value");
            appendJsonString(text, soughtItemText(why.row->sought));
            appendJsonKey(text, "position");
            appendJsonString(text, rowPositionText(why.row->position));
            appendJsonKey(text, "found");
            appendJsonString(text, soughtItemText(why.evaluation.found));
            appendJsonKey(text, "count");
            text += std::to_string(why.evaluation.count);
            appendJsonKey(text, "places");
            appendStringArray(text, placesOf(*why.row, why.evaluation));
            text += '}';
        }
        text += ']';
    }
    text += '}';
    m_out.line(text);
}

void SpanWriter::csv(const Span& span) {
    const auto [start, end, clock] = spanEndsOf(span, m_basis);
    std::string line =
        isoDateTime(start) + "," + isoDateTime(end) + "," + pillarsText(span.pillars, " ") + "," +
        csvField(spanLunarText(start.date) + std::string(reckonedMark(start.date))) + "," +
        std::string(cutReasonText(span.startCut)) + "," + std::string(cutReasonText(span.endCut));
    if (clock) {
        line += ',';
        line += utcOffsetText(clock->start.utcOffset);
        line += ',';
        line += utcOffsetText(clock->end.utcOffset);
        if (m_basis->solarTime != SolarTime::off) {
            line += ',';
            line += isoDateTime(clock->reading);
        }
    }
    m_out.line(line);
}

} // namespace bazi::cli

#include "cli/span_output.h"

#include "chart/chart_facts.h"
#include "chart/library_facts.h"
#include "form/form_catalog.h"
#include "texts/basis_texts.h"
#include "texts/result_formats.h"
#include "texts/result_texts.h"
#include "texts/span_formats.h"
#include "texts/span_texts.h"

namespace bazi::cli {
namespace {

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

void SpanWriter::header() {
    if (m_basis && m_format == SpanFormat::text)
        m_out.line(basisHeaderLine(*m_basis));
    if (m_format == SpanFormat::csv)
        m_out.lines(spanCsvHeader(m_basis));
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
    std::string line = spacedIsoMomentText(start);
    if (clock) {
        line += ' ';
        line += utcOffsetText(clock->start.utcOffset);
    }
    line += "  ";
    line += spacedIsoMomentText(end);
    if (clock) {
        line += ' ';
        line += utcOffsetText(clock->end.utcOffset);
    }
    line += "  ";
    line += spacedPillarsText(span.pillars);
    line += "  ";
    line += spanLunarText(start.date);
    line += reckonedMarkText(start.date);
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
    std::string text = "{";
    if (chart) {
        appendJsonKey(text, "chart");
        appendJsonString(text, *chart);
    }
    appendSpanJsonMembers(text, span, m_basis);
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
    m_out.lines(spanCsvLine(span, m_basis));
}

} // namespace bazi::cli

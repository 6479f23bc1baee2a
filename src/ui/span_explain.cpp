#include "ui/span_explain.h"

#include "chart/library_facts.h"
#include "search/span_walker.h"
#include "texts/span_texts.h"
#include "ui/form_texts.h"
#include "ui/span_result_model.h"
#include "ui/terms.h"

#include <QCoreApplication>

namespace bazi::ui {
namespace {

// The translation context of the texts below.
class SpanExplain {
    Q_DECLARE_TR_FUNCTIONS(bazi::ui::SpanExplain)
};

// A place of the chart in the language shown: "年干", or a hidden-stem slot
// "年支藏干1" as "年支 藏干 1".
QString placeText(const std::string& place) {
    constexpr std::string_view kHidden = "藏干";
    const std::size_t at = place.find(kHidden);
    if (at == std::string::npos)
        return termText(place);
    return termText(std::string_view(place).substr(0, at)) + QLatin1Char(' ') + termText(kHidden) +
           QLatin1Char(' ') + toQString(std::string_view(place).substr(at + kHidden.size()));
}

} // namespace

QStringList conditionLines(const FormState& form) {
    QStringList lines;
    for (const GroupSpec& spec : groupSpecs()) {
        for (int row = 1; row <= spec.rowCount; ++row) {
            const RowNames names = rowNames(spec.id, row);
            if (form.selection(names.value) == 0)
                continue;
            lines << SpanExplain::tr("%1：%2 %3 %4")
                         .arg(rowCaptionText(spec.id, row),
                              termText(form.selectedText(names.value)),
                              termText(form.selectedText(names.position)),
                              termText(form.selectedText(names.count)));
        }
    }
    return lines;
}

QString spanExplanationHtml(const Span& span, const Conditions* conditions, ChartOptions options,
                            const TimeBasis* basis) {
    QString html = QStringLiteral("<p><b>%1 – %2</b>　%3 / %4</p>")
                       .arg(spanTimeText(span.start, basis), spanTimeText(span.end, basis),
                            cutReasonLabel(span.startCut), cutReasonLabel(span.endCut));
    if (conditions && !conditions->rows.empty()) {
        const ChartFacts facts = chartFactsOf(span.pillars, libraryFacts());
        html +=
            QStringLiteral("<h4>%1</h4><table border='1' cellspacing='0' cellpadding='3'>"
                           "<tr><th>%2</th><th>%3</th><th>%4</th><th>%5</th><th>%6</th></tr>")
                .arg(SpanExplain::tr("为何符合"), SpanExplain::tr("条件"), SpanExplain::tr("要求"),
                     SpanExplain::tr("找到"), SpanExplain::tr("数量"), SpanExplain::tr("所在位置"));
        for (const ConditionRow& row : conditions->rows) {
            const RowEvaluation e = evaluateRow(row, facts);
            const std::vector<std::string> places = row.group == GroupId::spiritStar
                                                        ? pillarPlaceTexts(e.places)
                                                        : placeTexts(e.places);
            QStringList placeList;
            for (const std::string& place : places)
                placeList << placeText(place);
            const QString asks = termText(soughtItemText(row.sought)) + QLatin1Char(' ') +
                                 termText(rowPositionText(row.position));
            html +=
                QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td align='center'>%4</td>"
                               "<td>%5</td></tr>")
                    .arg(rowCaptionText(row.group, row.row).toHtmlEscaped(), asks.toHtmlEscaped(),
                         termText(soughtItemText(e.found)).toHtmlEscaped())
                    .arg(e.count)
                    .arg(placeList.join(QStringLiteral("、")).toHtmlEscaped());
        }
        html += QStringLiteral("</table>");
    }
    return html + chartSheetHtml(chartSheetOf(instantOfCivil(span.start), basisOrCalendar(basis),
                                              options, false));
}

} // namespace bazi::ui

#include "ui/chart_sheet.h"

#include "calendar/lunar_date_text.h"
#include "calendar/sexagenary.h"
#include "chart/spirit_stars.h"
#include "texts/result_texts.h"
#include "ui/form_texts.h"
#include "ui/terms.h"

#include <QCoreApplication>
#include <QStringList>

#include <utility>

namespace bazi::ui {
namespace {

// The translation context of the texts below.
class ChartSheetTexts {
    Q_DECLARE_TR_FUNCTIONS(bazi::ui::ChartSheet)
};

constexpr std::array<std::string_view, 5> kElements = {"金", "水", "木", "火", "土"};
constexpr std::size_t kDayStemCell = 4;

// The sheet's texts in the order shown: a title, facts as label and value,
// and the pillar table (a row label, then one cell per pillar; a cell may
// hold several lines).
struct SheetLayout {
    QString title;
    std::vector<std::pair<QString, QString>> facts;
    QStringList heads;
    std::vector<std::pair<QString, std::array<QStringList, 4>>> rows;
};

QString isoText(CivilDateTime m) {
    return QStringLiteral("%1-%2-%3 %4:%5:%6")
        .arg(m.date.year, 4, 10, QLatin1Char('0'))
        .arg(m.date.month, 2, 10, QLatin1Char('0'))
        .arg(m.date.day, 2, 10, QLatin1Char('0'))
        .arg(m.hour, 2, 10, QLatin1Char('0'))
        .arg(m.minute, 2, 10, QLatin1Char('0'))
        .arg(m.second, 2, 10, QLatin1Char('0'));
}

QString characterWithElement(const ChartCell& cell) {
    if (cell.character.empty())
        return {};
    return toQString(cell.character) + QLatin1Char(' ') + termText(cell.element);
}

QString elementTally(const auto& cells) {
    QStringList parts;
    for (std::string_view element : kElements) {
        int n = 0;
        for (const ChartCell& cell : cells)
            n += !cell.character.empty() && cell.element == element ? 1 : 0;
        parts << QStringLiteral("%1 %2").arg(termText(element)).arg(n);
    }
    return parts.join(QStringLiteral("，"));
}

QString termFact(const std::optional<TermRef>& term, CivilDateTime moment) {
    if (!term)
        return ChartSheetTexts::tr("（不在节气表的范围内）");
    return solarTermText(term->n) + QStringLiteral("  ") + isoText(moment);
}

SheetLayout layoutOf(const ChartSheet& s) {
    SheetLayout l;
    const QString hourName =
        s.pillars.hour > 0
            ? toQString(kBranchNames[static_cast<std::size_t>(branchNumber(s.pillars.hour) - 1)]) +
                  ChartSheetTexts::tr("时")
            : QString();
    l.title = ChartSheetTexts::tr("%1 的八字").arg(isoText(s.moment));
    l.facts.emplace_back(ChartSheetTexts::tr("公历"), isoText(s.moment) + QStringLiteral("（") +
                                                          hourName + QStringLiteral("）"));
    if (s.lunar) {
        const std::string month = lunarDateText(s.moment.date, "%M");
        const std::string day = lunarDateText(s.moment.date, "%D");
        l.facts.emplace_back(ChartSheetTexts::tr("农历"),
                             ChartSheetTexts::tr("%1年%2%3")
                                 .arg(s.lunar->year)
                                 .arg(calendarText(month), calendarText(day)));
    }
    l.facts.emplace_back(ChartSheetTexts::tr("八字"), toQString(spacedPillarsText(s.pillars)));
    l.facts.emplace_back(ChartSheetTexts::tr("当前节气"),
                         termFact(s.termInForce, s.termInForceMoment));
    l.facts.emplace_back(ChartSheetTexts::tr("下一节气"), termFact(s.nextTerm, s.nextTermMoment));
    l.facts.emplace_back(ChartSheetTexts::tr("五行（八字）"), elementTally(s.chart.cells));
    l.facts.emplace_back(ChartSheetTexts::tr("五行（藏干）"), elementTally(s.hidden.slots));
    QStringList reading;
    reading << (s.options.female ? termText("女命") : termText("男命"));
    if (s.options.swap)
        reading << termText("亥子巳午阴阳置换");
    l.facts.emplace_back(ChartSheetTexts::tr("读法"), reading.join(QStringLiteral("，")));

    l.heads = {QString()};
    for (std::string_view pillar : kPillarCaptions)
        l.heads << termText(pillar);

    std::array<QStringList, 4> stems, stemGods, branches, branchGods, hidden, stars;
    for (std::size_t p = 0; p < 4; ++p) {
        const ChartCell& stem = s.chart.cells[2 * p];
        const ChartCell& branch = s.chart.cells[2 * p + 1];
        stems[p] << characterWithElement(stem);
        stemGods[p] << (2 * p == kDayStemCell ? ChartSheetTexts::tr("日主")
                                              : termText(stem.tenGod));
        branches[p] << characterWithElement(branch);
        branchGods[p] << termText(branch.tenGod);
        for (std::size_t j = 0; j < 3; ++j) {
            const ChartCell& slot = s.hidden.slots[3 * p + j];
            if (!slot.character.empty())
                hidden[p] << characterWithElement(slot) + QLatin1Char(' ') + termText(slot.tenGod);
        }
        for (std::string_view star : s.stars[p])
            stars[p] << termText(star);
    }
    l.rows.emplace_back(ChartSheetTexts::tr("十神"), stemGods);
    l.rows.emplace_back(termText("天干"), stems);
    l.rows.emplace_back(termText("地支"), branches);
    l.rows.emplace_back(ChartSheetTexts::tr("十神"), branchGods);
    l.rows.emplace_back(termText("藏干"), hidden);
    l.rows.emplace_back(termText("神煞"), stars);
    return l;
}

} // namespace

ChartSheet chartSheetOf(CivilDateTime moment, ChartOptions options) {
    ChartSheet s;
    s.moment = moment;
    s.options = options;
    s.pillars = pillarIndices(moment);
    s.lunar = toLunar(moment.date);
    const int swapFlag = swapFlagOf(options.swap);
    s.chart = fillChartTable(spacedPillarsText(s.pillars), swapFlag);
    s.hidden = fillHiddenStemTable(s.chart, swapFlag);
    s.stars = starNamesByPillar(
        ChartIndices{s.pillars.year, s.pillars.month, s.pillars.day, s.pillars.hour},
        options.female);
    s.termInForce = termInForce(moment);
    if (s.termInForce) {
        s.termInForceMoment = termMoment(s.termInForce->year, s.termInForce->n);
        const TermRef next = s.termInForce->n == 24
                                 ? TermRef{s.termInForce->year + 1, 1}
                                 : TermRef{s.termInForce->year, s.termInForce->n + 1};
        s.nextTermMoment = termMoment(next.year, next.n);
        if (s.nextTermMoment.date.year != 0)
            s.nextTerm = next;
    }
    return s;
}

QString chartSheetText(const ChartSheet& sheet) {
    const SheetLayout l = layoutOf(sheet);
    QStringList lines{l.title};
    for (const auto& [label, value] : l.facts)
        lines << label + QStringLiteral("：") + value;
    lines << QString() << l.heads.join(QLatin1Char('\t'));
    for (const auto& [label, cells] : l.rows) {
        QStringList line{label};
        for (const QStringList& cell : cells)
            line << cell.join(QStringLiteral("、"));
        lines << line.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString chartSheetHtml(const ChartSheet& sheet) {
    const SheetLayout l = layoutOf(sheet);
    QString html = QStringLiteral("<h3>%1</h3><table cellspacing='0' cellpadding='2'>")
                       .arg(l.title.toHtmlEscaped());
    for (const auto& [label, value] : l.facts)
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(label.toHtmlEscaped(), value.toHtmlEscaped());
    html += QStringLiteral("</table><p></p><table border='1' cellspacing='0' cellpadding='4' "
                           "width='100%'><tr>");
    for (const QString& head : l.heads)
        html += QStringLiteral("<th width='%1%'>%2</th>")
                    .arg(head.isEmpty() ? 12 : 22)
                    .arg(head.toHtmlEscaped());
    html += QStringLiteral("</tr>");
    for (const auto& [label, cells] : l.rows) {
        html += QStringLiteral("<tr><th>%1</th>").arg(label.toHtmlEscaped());
        for (const QStringList& cell : cells) {
            QStringList escaped;
            for (const QString& line : cell)
                escaped << line.toHtmlEscaped();
            html += QStringLiteral("<td align='center'>%1</td>").arg(escaped.join("<br>"));
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

} // namespace bazi::ui

#include "ui/chart_sheet.h"

#include "calendar/lunar_date_text.h"
#include "calendar/sexagenary.h"
#include "chart/library_facts.h"
#include "chart/spirit_stars.h"
#include "form/form_catalog.h"
#include "search/span_walker.h"
#include "texts/result_texts.h"
#include "ui/form_texts.h"
#include "ui/span_result_model.h"
#include "ui/terms.h"
#include "ui/time_settings.h"

#include <QCoreApplication>
#include <QStringList>

#include <utility>

namespace bazi::ui {
namespace {

// The translation context of the texts below.
class ChartSheetTexts {
    Q_DECLARE_TR_FUNCTIONS(bazi::ui::ChartSheet)
};

// The sheet's texts in the order shown: a title, facts as label and value,
// and the pillar table (a row label, then one cell per pillar; a cell may
// hold several lines).
struct SheetLayout {
    QString title;
    std::vector<std::pair<QString, QString>> facts;
    QStringList heads;
    std::vector<std::pair<QString, std::array<QStringList, 4>>> rows;
};

// A character and its element: "丙 火"; empty where there is none.
QString characterWithElement(std::string_view character, Element element) {
    if (character.empty())
        return {};
    return toQString(character) + QLatin1Char(' ') + termText(elementText(element));
}

// How many places of `region` hold each element: "金 4，水 1，木 1，火 2，土 0".
QString elementTally(const ChartFacts& facts, PlaceSet region) {
    QStringList parts;
    for (int e = 0; e < 5; ++e)
        parts << QStringLiteral("%1 %2")
                     .arg(termText(elementText(Element(e))))
                     .arg(countIn(facts.placesOf(Element(e)), region));
    return parts.join(QStringLiteral("，"));
}

// The mark of a lunar date reckoned by astronomy, where no printed almanac is.
QString reckonedMark() {
    return ChartSheetTexts::tr("（推算）");
}

// A time of the sheet: the clock time, with its UTC offset when the basis is
// not the calendar's own.
QString timeText(const ClockTime& clock, const TimeBasis& basis) {
    return basis.isDefault() ? civilTimeText(clock.time) : clockTimeText(clock);
}

QString termFact(const std::optional<TermRef>& term, const ClockTime& moment,
                 const TimeBasis& basis) {
    if (!term)
        return ChartSheetTexts::tr("（不在节气表的范围内）");
    return solarTermText(term->n) + QStringLiteral("  ") + timeText(moment, basis);
}

// "子时换日 2016-03-16 23:00:00，5分0秒后；另一侧八字 丙申 辛卯 戊戌 壬子"
QString nearCutText(const NearCut& n, const TimeBasis& basis) {
    const QString distance =
        ChartSheetTexts::tr("%1分%2秒").arg(n.distance / 60).arg(n.distance % 60);
    const QString when = n.before ? ChartSheetTexts::tr("%1前").arg(distance)
                                  : ChartSheetTexts::tr("%1后").arg(distance);
    return ChartSheetTexts::tr("%1 %2，%3；另一侧八字 %4")
        .arg(cutReasonLabel(cutReasonOf(n.cut.kind)),
             timeText(clockFromInstant(n.cut.at, basis), basis), when,
             toQString(spacedPillarsText(n.otherSide.pillars)));
}

} // namespace

QString chartSheetTitle(const ChartSheet& sheet) {
    return ChartSheetTexts::tr("%1 的八字").arg(civilTimeText(sheet.moment));
}

namespace {

SheetLayout layoutOf(const ChartSheet& s) {
    SheetLayout l;
    const ChartFacts& f = s.facts;
    const bool swap = s.options.swap;
    const QString hourName = f.branches[3].ok()
                                 ? toQString(branchText(f.branches[3])) + ChartSheetTexts::tr("时")
                                 : QString();
    l.title = chartSheetTitle(s);
    l.facts.emplace_back(ChartSheetTexts::tr("公历"), timeText(s.chart.clock, s.basis) +
                                                          QStringLiteral("（") + hourName +
                                                          QStringLiteral("）"));
    l.facts.emplace_back(ChartSheetTexts::tr("时间基准"), basisLineText(s.basis));
    if (const QString reading = readingText(s.chart, s.basis); !reading.isEmpty())
        l.facts.emplace_back(ChartSheetTexts::tr("日柱、时柱按"), reading);
    if (s.lunar) {
        const std::string month = lunarDateText(s.moment.date, "%M");
        const std::string day = lunarDateText(s.moment.date, "%D");
        QString lunar = ChartSheetTexts::tr("%1年%2%3")
                            .arg(s.lunar->year)
                            .arg(calendarText(month), calendarText(day));
        if (isReckonedLunarDate(s.moment.date))
            lunar += reckonedMark();
        l.facts.emplace_back(ChartSheetTexts::tr("农历"), lunar);
    }
    l.facts.emplace_back(ChartSheetTexts::tr("八字"), toQString(spacedPillarsText(f.pillars)));
    l.facts.emplace_back(ChartSheetTexts::tr("当前节气"),
                         termFact(s.termInForce, s.termInForceMoment, s.basis));
    l.facts.emplace_back(ChartSheetTexts::tr("下一节气"),
                         termFact(s.nextTerm, s.nextTermMoment, s.basis));
    if (s.single) {
        // The boundary warning: every cut within reach, or that there is none.
        if (s.near.empty())
            l.facts.emplace_back(
                ChartSheetTexts::tr("临界"),
                ChartSheetTexts::tr("前后 %1 分钟内不换柱").arg(kDefaultNearMinutes));
        for (const NearCut& n : s.near)
            l.facts.emplace_back(ChartSheetTexts::tr("临界"), nearCutText(n, s.basis));
    }
    l.facts.emplace_back(ChartSheetTexts::tr("五行（八字）"), elementTally(f, kAllCharacters));
    l.facts.emplace_back(ChartSheetTexts::tr("五行（藏干）"), elementTally(f, kAllSlots));
    QStringList reading;
    reading << (s.options.female ? termText("女命") : termText("男命"));
    if (swap)
        reading << termText("亥子巳午阴阳置换");
    l.facts.emplace_back(ChartSheetTexts::tr("读法"), reading.join(QStringLiteral("，")));

    l.heads = {QString()};
    for (std::string_view pillar : kPillarCaptions)
        l.heads << termText(pillar);

    std::array<QStringList, 4> stems, stemGods, branches, branchGods, hidden, stars;
    for (int p = 0; p < 4; ++p) {
        const auto i = static_cast<std::size_t>(p);
        const ChartPlace stem = stemPlace(p);
        const ChartPlace branch = branchPlace(p);
        stems[i] << characterWithElement(stemText(f.stems[i]), f.elementAt(stem));
        // The day stem is the reference of every ten-god.
        stemGods[i] << (stem == ChartPlace::dayStem ? ChartSheetTexts::tr("日主")
                                                    : termText(tenGodText(f.tenGodAt(stem, swap))));
        branches[i] << characterWithElement(branchText(f.branches[i]), f.elementAt(branch));
        branchGods[i] << termText(tenGodText(f.tenGodAt(branch, swap)));
        for (int j = 0; j < 3; ++j) {
            const int slot = 3 * p + j;
            const Stem hiddenStem = f.hiddenStems[static_cast<std::size_t>(slot)];
            if (hiddenStem.ok())
                hidden[i] << characterWithElement(stemText(hiddenStem),
                                                  f.elementAt(slotBit(slot))) +
                                 QLatin1Char(' ') +
                                 termText(tenGodText(f.tenGodAt(slotBit(slot), swap)));
        }
        for (int star = 1; star <= kSpiritStarCount; ++star)
            if (f.starAt(static_cast<SpiritStar>(star), s.options.female) & (1U << p))
                stars[i] << termText(spiritStarName(static_cast<SpiritStar>(star)));
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

ChartOptions chartOptionsOf(const FormState& form) {
    return ChartOptions{form.isChecked(kSwapCheckBox), form.isChecked(kFemaleCheckBox)};
}

ChartSheet chartSheetOf(Instant t, const TimeBasis& basis, ChartOptions options, bool single) {
    ChartSheet s;
    s.basis = basis;
    s.chart = chartAt(t, basis);
    s.moment = s.chart.clock.time;
    s.options = options;
    s.facts = chartFactsOf(s.chart.pillars, libraryFacts());
    s.lunar = toLunar(s.moment.date);
    // The terms are instants: found on the calendar's clock, shown on the basis's.
    const auto onClock = [&basis](CivilDateTime calendarTime) {
        return clockFromInstant(instantFromCalendarTime(calendarTime), basis);
    };
    s.termInForce = termInForce(calendarTimeFromInstant(t));
    if (s.termInForce) {
        s.termInForceMoment = onClock(termMoment(s.termInForce->year, s.termInForce->n));
        const TermRef next = s.termInForce->n == 24
                                 ? TermRef{s.termInForce->year + 1, 1}
                                 : TermRef{s.termInForce->year, s.termInForce->n + 1};
        const CivilDateTime nextMoment = termMoment(next.year, next.n);
        if (nextMoment.date.year != 0) {
            s.nextTerm = next;
            s.nextTermMoment = onClock(nextMoment);
        }
    }
    s.single = single;
    if (single)
        s.near = cutsNear(t, basis, std::int64_t{kDefaultNearMinutes} * 60);
    return s;
}

ChartSheet chartSheetOf(CivilDateTime moment, ChartOptions options) {
    return chartSheetOf(instantFromCalendarTime(moment), TimeBasis{}, options, false);
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

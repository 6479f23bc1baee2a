#include "ui/span_result_model.h"

#include "calendar/lunar_calendar.h"
#include "search/span_walker.h"
#include "texts/result_texts.h"
#include "texts/span_texts.h"
#include "ui/form_texts.h"
#include "ui/terms.h"
#include "ui/time_settings.h"

namespace bazi::ui {
namespace {

// The export name of a table no search has named.
const QString kDefaultBaseName = QStringLiteral("bazi-seek-spans");

// The engine's cut reasons (cutReasonText), in CutReason order, as the source
// texts of their translations; the span tests hold the two lists equal.
constexpr const char* kCutReasonSources[] = {
    QT_TRANSLATE_NOOP("bazi::ui::SpanResultModel", "节气交接"),
    QT_TRANSLATE_NOOP("bazi::ui::SpanResultModel", "子时换日"),
    QT_TRANSLATE_NOOP("bazi::ui::SpanResultModel", "时辰交接"),
    QT_TRANSLATE_NOOP("bazi::ui::SpanResultModel", "查询范围"),
    QT_TRANSLATE_NOOP("bazi::ui::SpanResultModel", "时段"),
};
static_assert(std::size(kCutReasonSources) == std::size_t(CutReason::window) + 1);

} // namespace

QString cutReasonLabel(CutReason reason) {
    const auto i = static_cast<std::size_t>(reason);
    return i < std::size(kCutReasonSources) ? SpanResultModel::tr(kCutReasonSources[i]) : QString();
}

QString spanTimeText(CivilSeconds t, const TimeBasis* basis) {
    if (basis)
        return clockTimeText(clockFromInstant(instantOfCivil(t), *basis));
    return civilTimeText(civilDateTimeOf(t));
}

QString spanLunarCellText(CivilDate start) {
    QString text = calendarText(spanLunarText(start));
    if (isReckonedLunarDate(start))
        text += SpanResultModel::tr(" 推算");
    return text;
}

SpanResultModel::SpanResultModel(QObject* parent)
    : ResultTableModel(parent), m_baseName(kDefaultBaseName) {}

void SpanResultModel::setSpans(std::vector<Span> spans, std::int64_t total, ChartOptions options,
                               const QString& title, const QString& baseName,
                               std::shared_ptr<const TimeBasis> basis) {
    beginResetModel();
    m_spans = std::move(spans);
    m_total = total;
    m_options = options;
    m_title = title;
    m_baseName = baseName;
    m_basis = std::move(basis);
    // Each span's ends on the basis's clock, worked out once: the view sizes its
    // columns to their contents, so the cells are asked for many times over.
    m_ends.clear();
    m_ends.reserve(m_spans.size());
    for (const Span& span : m_spans)
        m_ends.push_back(spanEndsOf(span, m_basis.get()));
    endResetModel();
}

void SpanResultModel::clear() {
    // Everything of the last search goes: an empty table shows the columns of
    // the calendar's basis until the next search says otherwise.
    setSpans({}, 0, ChartOptions{}, QString(), kDefaultBaseName);
}

int SpanResultModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_spans.size());
}

int SpanResultModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return m_basis ? readingColumn + 1 : cutColumn + 1;
}

QVariant SpanResultModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    const Span& span = m_spans[row];
    const SpanEnds& ends = m_ends[row];
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case startColumn:
            return ends.clock ? clockTimeText(ends.clock->start) : civilTimeText(ends.start);
        case endColumn:
            return ends.clock ? clockTimeText(ends.clock->end) : civilTimeText(ends.end);
        case chartColumn: return toQString(spacedPillarsText(span.pillars));
        case lunarColumn: return spanLunarCellText(ends.start.date);
        case cutColumn:
            return cutReasonLabel(span.startCut) + QStringLiteral(" / ") +
                   cutReasonLabel(span.endCut);
        case readingColumn:
            // readingText reads only the clock time and the reading of the chart.
            return ends.clock ? readingText(BasisChart{instantOfCivil(span.start),
                                                       ends.clock->start,
                                                       ends.clock->reading,
                                                       {}},
                                            *m_basis)
                              : QVariant();
        default: return {};
        }
    }
    if (role == Qt::ToolTipRole)
        return tr("双击或按 Enter 查看这一时段的八字");
    return {};
}

QVariant SpanResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case startColumn: return tr("开始");
    case endColumn: return tr("结束");
    case chartColumn: return tr("八字");
    case lunarColumn: return tr("农历");
    case cutColumn: return tr("起因/止因");
    case readingColumn: return m_basis ? tr("日柱、时柱按") : QVariant();
    default: return {};
    }
}

std::optional<Instant> SpanResultModel::instantOfRow(int row) const {
    if (row < 0 || row >= rowCount())
        return std::nullopt;
    return instantOfCivil(m_spans[static_cast<std::size_t>(row)].start);
}

const TimeBasis& SpanResultModel::timeBasis() const {
    return basisOrCalendar(m_basis.get());
}

std::string SpanResultModel::csvText() const {
    std::string text = spanCsvHeader(m_basis.get());
    for (const Span& span : m_spans)
        text += spanCsvLine(span, m_basis.get());
    return text;
}

std::string SpanResultModel::jsonText() const {
    std::string text;
    for (const Span& span : m_spans)
        text += spanJsonLine(span, m_basis.get());
    return text;
}

} // namespace bazi::ui

#include "ui/span_result_model.h"

#include "calendar/lunar_calendar.h"
#include "search/span_walker.h"
#include "texts/result_texts.h"
#include "texts/span_formats.h"
#include "texts/span_texts.h"
#include "ui/form_texts.h"
#include "ui/terms.h"
#include "ui/time_settings.h"

namespace bazi::ui {
namespace {

// The export name of a table no search has named.
const QString kDefaultBaseName = QStringLiteral("bazi-seek-spans");

} // namespace

QString cutReasonLabel(CutReason reason) {
    switch (reason) {
    case CutReason::solarTerm: return SpanResultModel::tr("节气交接");
    case CutReason::dayChange: return SpanResultModel::tr("子时换日");
    case CutReason::hourChange: return SpanResultModel::tr("时辰交接");
    case CutReason::range: return SpanResultModel::tr("查询范围");
    case CutReason::window: return SpanResultModel::tr("时段");
    }
    return {};
}

QString spanTimeText(CivilSeconds t, const TimeBasis* basis) {
    if (basis)
        return clockTimeText(clockFromInstant(instantOfCivil(t), *basis));
    return civilTimeText(civilDateTimeOf(t));
}

QString spanLunarCellText(const Span& span, const TimeBasis* basis) {
    const CivilDate start = spanEndsOf(span, basis).start.date;
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
    const Span& span = m_spans[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case startColumn: return spanTimeText(span.start, m_basis.get());
        case endColumn: return spanTimeText(span.end, m_basis.get());
        case chartColumn: return toQString(spacedPillarsText(span.pillars));
        case lunarColumn: return spanLunarCellText(span, m_basis.get());
        case cutColumn:
            return cutReasonLabel(span.startCut) + QStringLiteral(" / ") +
                   cutReasonLabel(span.endCut);
        case readingColumn:
            return m_basis ? readingText(chartAt(instantOfCivil(span.start), *m_basis), *m_basis)
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

#include "ui/query_result_model.h"

#include "calendar/lunar_calendar.h"
#include "texts/basis_texts.h"
#include "texts/result_formats.h"
#include "texts/result_texts.h"
#include "ui/form_texts.h"
#include "ui/time_settings.h"

#include <QCoreApplication>

namespace bazi::ui {
namespace {

// The engine's headers, as the source texts of their translations.
constexpr std::string_view kHeaderSources[] = {
    QT_TRANSLATE_NOOP("bazi::ui::QueryResultModel", "公历时间"),
    QT_TRANSLATE_NOOP("bazi::ui::QueryResultModel", "农历时间"),
    QT_TRANSLATE_NOOP("bazi::ui::QueryResultModel", "八字"),
};
static_assert(kHeaderSources[0] == kResultHeaders[0] && kHeaderSources[1] == kResultHeaders[1] &&
              kHeaderSources[2] == kResultHeaders[2]);

} // namespace

QString gregorianCellText(CivilDateTime t) {
    // The engine's dateTimeText, part by part.
    QString text =
        QueryResultModel::tr("%1年%2月%3日").arg(t.date.year).arg(t.date.month).arg(t.date.day);
    if (t.second != 0)
        text += QueryResultModel::tr("%1时%2分%3秒").arg(t.hour).arg(t.minute).arg(t.second);
    else if (t.minute != 0)
        text += QueryResultModel::tr("%1时%2分").arg(t.hour).arg(t.minute);
    else if (t.hour != 0)
        text += QueryResultModel::tr("%1时").arg(t.hour);
    return text;
}

QString lunarCellText(const LunarDate& lunar) {
    // The engine's lunarTimeText: "初" before every day number is the form's way.
    const QString pattern = lunar.leap ? QueryResultModel::tr("%1年 闰%2月 初%3")
                                       : QueryResultModel::tr("%1年 %2月 初%3");
    return pattern.arg(lunar.year).arg(lunar.month).arg(lunar.day);
}

QueryResultModel::QueryResultModel(QObject* parent) : ResultTableModel(parent) {}

void QueryResultModel::setResult(QueryResult result, QDate date, ChartOptions options,
                                 std::shared_ptr<const BasisWindow> window) {
    beginResetModel();
    m_result = std::move(result);
    m_date = date;
    m_options = options;
    m_window = std::move(window);
    endResetModel();
}

void QueryResultModel::clear() {
    beginResetModel();
    m_result = {};
    m_window.reset();
    endResetModel();
}

int QueryResultModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_result.matchCount();
}

int QueryResultModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return m_window ? readingColumn + 1 : chartColumn + 1;
}

QVariant QueryResultModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const QueryMatch& match = m_result.matches[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case gregorianColumn: return gregorianCellText(match.moment);
        case lunarColumn:
            // Marked, as on the command line, where no printed almanac is.
            return lunarCellText(match.lunar) +
                   (isReckonedLunarDate(match.moment.date) ? tr(" 推算") : QString());
        case chartColumn: return toQString(spacedPillarsText(match.pillars));
        case offsetColumn:
            if (const BasisChart* chart = basisChartOf(match.moment))
                return toQString(utcOffsetText(chart->clock.utcOffset));
            return {};
        case readingColumn:
            if (const BasisChart* chart = basisChartOf(match.moment))
                return readingText(*chart, m_window->basis);
            return {};
        default: return {};
        }
    }
    if (role == Qt::ToolTipRole)
        return QueryResultModel::tr("双击或按 Enter 查看这一时刻的八字");
    return {};
}

QVariant QueryResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section <= chartColumn)
        return QueryResultModel::tr(kHeaderSources[section].data());
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section == offsetColumn &&
        m_window)
        return QueryResultModel::tr("UTC 偏移");
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section == readingColumn &&
        m_window)
        return QueryResultModel::tr("日柱、时柱按");
    if (orientation == Qt::Vertical && role == Qt::DisplayRole)
        return section + 1;
    return {};
}

std::optional<Instant> QueryResultModel::instantOfRow(int row) const {
    if (row < 0 || row >= rowCount())
        return std::nullopt;
    const CivilDateTime moment = m_result.matches[static_cast<std::size_t>(row)].moment;
    if (!m_window)
        return instantFromCalendarTime(moment);
    if (const BasisChart* chart = basisChartOf(moment))
        return chart->instant;
    return std::nullopt;
}

const BasisChart* QueryResultModel::basisChartOf(CivilDateTime moment) const {
    if (!m_window)
        return nullptr;
    const auto found = m_window->charts.find(moment);
    return found == m_window->charts.end() ? nullptr : &found->second;
}

const TimeBasis& QueryResultModel::timeBasis() const {
    return basisOrCalendar(m_window ? &m_window->basis : nullptr);
}

std::string QueryResultModel::csvText() const {
    return queryResultCsv(m_result, m_window.get());
}

std::string QueryResultModel::jsonText() const {
    return queryResultJson(m_result, m_window.get());
}

QString QueryResultModel::documentTitle() const {
    const QString title =
        QueryResultModel::tr("查询结果：%1 及前两天（%2）")
            .arg(m_date.toString(QStringLiteral("yyyy-MM-dd")),
                 summaryLabelText(m_result.conditionCount, m_result.matchCount()));
    if (!m_window)
        return title;
    return title + QLatin1Char('\n') +
           QueryResultModel::tr("时间基准：%1").arg(basisLineText(m_window->basis));
}

QString QueryResultModel::exportBaseName() const {
    return QStringLiteral("bazi-seek-%1").arg(m_date.toString(QStringLiteral("yyyyMMdd")));
}

} // namespace bazi::ui

#pragma once
// The result grid's model: the matches of the form's query, newest first, in
// three columns "公历时间", "农历时间", "八字" with a real header. On a time
// basis other than the calendar's the times are clock times of its zone, and
// two columns follow: "UTC 偏移" and what the day and hour pillars were read
// on ("日柱、时柱按": 标准时, 平太阳时 or 真太阳时, where it is not the clock).

#include "query/basis_window.h"
#include "query/query_driver.h"
#include "ui/result_table_model.h"

#include <QDate>

#include <memory>

namespace bazi::ui {

/// The cell texts in the language chosen; in Simplified Chinese they are the
/// engine's (texts/result_texts.h) exactly.
[[nodiscard]] QString gregorianCellText(CivilDateTime moment);
[[nodiscard]] QString lunarCellText(const LunarDate& lunar);

class QueryResultModel : public ResultTableModel {
    Q_OBJECT
public:
    enum Column { gregorianColumn, lunarColumn, chartColumn, offsetColumn, readingColumn };

    explicit QueryResultModel(QObject* parent = nullptr);

    /// Shows a run's result; `date` and `options` are those it was run with,
    /// `window` its moments read on a basis other than the calendar's (null on
    /// the calendar's own).
    void setResult(QueryResult result, QDate date, ChartOptions options,
                   std::shared_ptr<const BasisWindow> window = nullptr);
    /// Back to no result.
    void clear();
    [[nodiscard]] const QueryResult& result() const { return m_result; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    std::optional<Instant> instantOfRow(int row) const override;
    bool rowsAreMoments() const override { return true; }
    const TimeBasis& timeBasis() const override;
    ChartOptions chartOptions() const override { return m_options; }
    std::string csvText() const override;
    std::string jsonText() const override;
    QString documentTitle() const override;
    QString exportBaseName() const override;

private:
    /// A match's chart on the basis; null on the calendar's own.
    [[nodiscard]] const BasisChart* basisChartOf(CivilDateTime moment) const;

    QueryResult m_result;
    QDate m_date;
    ChartOptions m_options;
    std::shared_ptr<const BasisWindow> m_window;
};

} // namespace bazi::ui

#pragma once
// The result grid's model: the matches of the form's query, newest first, in
// three columns "公历时间", "农历时间", "八字" with a real header.

#include "query/query_driver.h"
#include "ui/result_table_model.h"

#include <QDate>

namespace bazi::ui {

/// The cell texts in the language chosen; in Simplified Chinese they are the
/// engine's (texts/result_texts.h) exactly.
[[nodiscard]] QString gregorianCellText(CivilDateTime moment);
[[nodiscard]] QString lunarCellText(const LunarDate& lunar);

class QueryResultModel : public ResultTableModel {
    Q_OBJECT
public:
    enum Column { gregorianColumn, lunarColumn, chartColumn, columnCount_ };

    explicit QueryResultModel(QObject* parent = nullptr);

    /// Shows a run's result; `date` and `options` are those it was run with.
    void setResult(QueryResult result, QDate date, ChartOptions options);
    /// Back to no result.
    void clear();
    [[nodiscard]] const QueryResult& result() const { return m_result; }
    [[nodiscard]] bool hasResult() const { return m_hasResult; }
    /// The language changed: header and cells are written anew.
    void retranslate();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    std::optional<CivilDateTime> momentOfRow(int row) const override;
    ChartOptions chartOptions() const override { return m_options; }
    std::string csvText() const override;
    std::string jsonText() const override;
    QString documentTitle() const override;
    QString exportBaseName() const override;

private:
    QueryResult m_result;
    QDate m_date;
    ChartOptions m_options;
    bool m_hasResult = false;
};

} // namespace bazi::ui

#pragma once
// The span table of the range search and the reverse lookup: one row per chart
// span, oldest first, in the columns "开始", "结束", "八字", "农历", "起因/止因".
// At most kMaxShownSpans rows are held; the model knows how many were found.

#include "search/span.h"
#include "ui/result_table_model.h"

#include <vector>

namespace bazi::ui {

/// A search that finds more spans shows the first this many.
inline constexpr std::int64_t kMaxShownSpans = 10'000;

/// The texts of a cut reason in the language chosen ("节气交接", …).
[[nodiscard]] QString cutReasonLabel(CutReason reason);
/// A span's cells: "2016-02-04 17:00:00", and its lunar date as the date box
/// writes it without the Gregorian part, marked when reckoned.
[[nodiscard]] QString spanTimeText(CivilSeconds t);
[[nodiscard]] QString spanLunarCellText(const Span& span);

class SpanResultModel : public ResultTableModel {
    Q_OBJECT
public:
    enum Column { startColumn, endColumn, chartColumn, lunarColumn, cutColumn, columnCount_ };

    explicit SpanResultModel(QObject* parent = nullptr);

    /// Shows spans found; `total` counts every span found (more than the rows
    /// when the search found more than kMaxShownSpans). `title` heads a printed
    /// list and `baseName` names an export file.
    void setSpans(std::vector<Span> spans, std::int64_t total, ChartOptions options,
                  const QString& title, const QString& baseName);
    void clear();
    [[nodiscard]] const std::vector<Span>& spans() const { return m_spans; }
    [[nodiscard]] std::int64_t total() const { return m_total; }
    /// The row of the span holding second t; -1 when none.
    [[nodiscard]] int rowAt(CivilSeconds t) const;
    void retranslate();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    std::optional<CivilDateTime> momentOfRow(int row) const override;
    ChartOptions chartOptions() const override { return m_options; }
    std::string csvText() const override;
    std::string jsonText() const override;
    QString documentTitle() const override { return m_title; }
    QString exportBaseName() const override { return m_baseName; }

private:
    std::vector<Span> m_spans;
    std::int64_t m_total = 0;
    ChartOptions m_options;
    QString m_title;
    QString m_baseName = QStringLiteral("bazi-seek-spans");
};

} // namespace bazi::ui

#pragma once
// The span table of the range search and the reverse lookup: one row per chart
// span, oldest first, in the columns "开始", "结束", "八字", "农历", "起因/止因".
// It holds the spans a SpanJob kept (at most kMaxShownSpans) and knows how
// many were found.
// On a time basis other than the calendar's, start and end are clock times of
// its zone with their UTC offset, and a column "日柱、时柱按" says what the
// pillars were read on at the span's start where it is not the clock.

#include "search/span.h"
#include "texts/span_formats.h"
#include "ui/result_table_model.h"

#include <memory>
#include <vector>

namespace bazi::ui {

/// The texts of a cut reason in the language chosen ("节气交接", …).
[[nodiscard]] QString cutReasonLabel(CutReason reason);
/// A span's cells: "2016-02-04 17:00:00" (on a basis, "1988-04-17 03:00:00
/// +09:00" on its clock), and the lunar date of the start's clock date as the
/// date box writes it without the Gregorian part, marked when reckoned.
[[nodiscard]] QString spanTimeText(CivilSeconds t, const TimeBasis* basis = nullptr);
[[nodiscard]] QString spanLunarCellText(CivilDate start);

class SpanResultModel : public ResultTableModel {
    Q_OBJECT
public:
    enum Column { startColumn, endColumn, chartColumn, lunarColumn, cutColumn, readingColumn };

    explicit SpanResultModel(QObject* parent = nullptr);

    /// Shows spans found; `total` counts every span found (more than the rows
    /// when the search found more than kMaxShownSpans). `title` heads a printed
    /// list and `baseName` names an export file; `basis` is the time basis the
    /// spans were found on, null for the calendar's own.
    void setSpans(std::vector<Span> spans, std::int64_t total, ChartOptions options,
                  const QString& title, const QString& baseName,
                  std::shared_ptr<const TimeBasis> basis = nullptr);
    /// Back to an empty table of the calendar's basis (no "日柱、时柱按" column).
    void clear();
    [[nodiscard]] const std::vector<Span>& spans() const { return m_spans; }
    [[nodiscard]] std::int64_t total() const { return m_total; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    std::optional<Instant> instantOfRow(int row) const override;
    bool rowsAreMoments() const override { return false; }
    const TimeBasis& timeBasis() const override;
    /// The basis the spans were found on; null for the calendar's own.
    [[nodiscard]] const TimeBasis* basis() const { return m_basis.get(); }
    ChartOptions chartOptions() const override { return m_options; }
    std::string csvText() const override;
    std::string jsonText() const override;
    QString documentTitle() const override { return m_title; }
    QString exportBaseName() const override { return m_baseName; }

private:
    std::vector<Span> m_spans;
    std::vector<SpanEnds> m_ends; // of each span, as setSpans worked them out
    std::int64_t m_total = 0;
    ChartOptions m_options;
    std::shared_ptr<const TimeBasis> m_basis;
    QString m_title;
    QString m_baseName;
};

} // namespace bazi::ui

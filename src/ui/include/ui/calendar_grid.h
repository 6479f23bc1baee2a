#pragma once
// CalendarGrid, the calendar picture of a range search: one line per day and
// the twelve 时辰 across (子 … 亥), each cell coloured by the share of its
// two-hour block that matches; hours outside the allowed ones are greyed.
// Clicking a cell selects its span in the table. A range longer than three
// months is summarised by week, one longer than two years by month (each cell
// counts the matching spans); a click on such a line shows its days, and
// "返回" goes back.

#include "ui/calendar_tally.h"

#include <QAbstractTableModel>
#include <QWidget>

#include <utility>
#include <vector>

class QLabel;
class QPushButton;
class QTableView;

namespace bazi::ui {

class CalendarGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Scale { day, week, month };
    static constexpr int kShareRole = Qt::UserRole + 1;      // double 0..1; -1 nothing allowed
    static constexpr int kSpansRole = Qt::UserRole + 2;      // matching spans in the cell
    static constexpr int kBlockStartRole = Qt::UserRole + 3; // day scale: first second (qint64)

    explicit CalendarGridModel(QObject* parent = nullptr);

    /// Shows a tally (kept by the caller, which must outlive its showing) at the
    /// scale its length calls for.
    void setTally(const CalendarTally* tally);
    [[nodiscard]] Scale scale() const { return m_scale; }
    /// Day rows of one line of a week or month scale; the whole range again
    /// with `zoomOut`.
    void zoomInto(int line);
    void zoomOut();
    [[nodiscard]] bool isZoomed() const { return m_zoomed; }
    /// The first and last day rows (of the tally) a line covers.
    [[nodiscard]] std::pair<int, int> daysOfLine(int line) const;
    void retranslate();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void layLines(Scale scale, int firstDay, int lastDay);

    const CalendarTally* m_tally = nullptr;
    Scale m_scale = Scale::day;
    Scale m_overall = Scale::day;
    bool m_zoomed = false;
    std::vector<std::pair<int, int>> m_lines; // day rows of each line
};

class CalendarGrid : public QWidget {
    Q_OBJECT
public:
    explicit CalendarGrid(QWidget* parent = nullptr);

    void setTally(const CalendarTally* tally);
    [[nodiscard]] CalendarGridModel* model() const { return m_model; }
    [[nodiscard]] QTableView* view() const { return m_view; }
    /// What a click on a cell does.
    void activateCell(const QModelIndex& index);

Q_SIGNALS:
    /// A cell of the day scale was clicked: the block [start, start + 2 h).
    void blockActivated(qint64 start);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void updateCaption();

    CalendarGridModel* m_model;
    QTableView* m_view;
    QLabel* m_caption;
    QPushButton* m_back;
};

} // namespace bazi::ui

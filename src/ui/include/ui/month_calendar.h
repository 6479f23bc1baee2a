#pragma once
// MonthCalendar, the month page that the date box drops down: a bar with
// the shown month and buttons to the month or year before and after, over a
// grid of six weeks whose cells show the Gregorian day and, below it, the
// lunar day (the month's name on its first day, a solar term's name on its day).
//
// It is built from a table view over a model of its own, so the date of any
// cell, and of the cell under the pointer, is read from the model.
//
// Keyboard in the grid: the arrow keys move a day or a week, PageUp/PageDown a
// month, Ctrl+PageUp/PageDown a year, Home/End to the month's first or last
// day; Enter picks the selected day. Escape is left to the window around it.

#include <QAbstractTableModel>
#include <QDate>
#include <QTableView>
#include <QWidget>

#include <array>
#include <bitset>

class QLabel;
class QToolButton;

namespace bazi::ui {

/// The six weeks of one month page: DisplayRole the day number, kDateRole the
/// QDate, kLunarRole the line under the number; cells outside the date range
/// are not enabled.
class MonthModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kDateRole = Qt::UserRole + 1;
    static constexpr int kLunarRole = Qt::UserRole + 2;
    static constexpr int kOtherMonthRole = Qt::UserRole + 3;
    static constexpr int kTermRole = Qt::UserRole + 4; // true on a solar term's day

    explicit MonthModel(QObject* parent = nullptr);

    void setPage(int year, int month, Qt::DayOfWeek firstDay);
    void setDateRange(QDate minimum, QDate maximum);
    void setWeekdayLocale(const QLocale& locale);

    [[nodiscard]] QDate firstShownDate() const { return m_first; }
    /// The cell of a date on this page; invalid when not shown.
    [[nodiscard]] QModelIndex indexOf(QDate date) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    static constexpr int kCells = 6 * 7;

    [[nodiscard]] static std::size_t cellOf(const QModelIndex& index);
    [[nodiscard]] QDate dateOf(const QModelIndex& index) const;

    int m_month = 1;
    QDate m_first;
    std::array<QString, kCells> m_lunarLines; // kLunarRole of each cell, row by row
    std::bitset<kCells> m_termDays;           // kTermRole of each cell
    QDate m_minimum, m_maximum;
    QLocale m_locale;
};

class MonthCalendar : public QWidget {
    Q_OBJECT
public:
    explicit MonthCalendar(QWidget* parent = nullptr);

    [[nodiscard]] QDate selectedDate() const { return m_selected; }
    /// Selects a date inside the range (clamped) and shows its month.
    void setSelectedDate(QDate date);
    [[nodiscard]] QDate minimumDate() const { return m_minimum; }
    [[nodiscard]] QDate maximumDate() const { return m_maximum; }
    void setDateRange(QDate minimum, QDate maximum);

    /// Shows a month without changing the selection.
    void setCurrentPage(int year, int month);
    [[nodiscard]] Qt::DayOfWeek firstDayOfWeek() const;

    [[nodiscard]] QTableView* dayGrid() const { return m_grid; }
    [[nodiscard]] MonthModel* model() const { return m_model; }
    /// The date of a grid cell; invalid for an invalid index.
    [[nodiscard]] QDate dateAt(const QModelIndex& index) const;

    /// Moves the selection by days or months, keeping inside the range.
    void moveSelection(int days, int months = 0);
    /// Picks the selected date, as Enter does.
    void activateSelection();

Q_SIGNALS:
    void clicked(QDate date);
    void activated(QDate date);
    void selectionChanged();
    void currentPageChanged(int year, int month);

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPage(int year, int month);
    void syncGridSelection();
    void retranslate();
    void onCellClicked(const QModelIndex& index);

    MonthModel* m_model;
    QTableView* m_grid;
    QToolButton* m_previousYear;
    QToolButton* m_previousMonth;
    QLabel* m_title;
    QToolButton* m_nextMonth;
    QToolButton* m_nextYear;
    QDate m_selected;
    QDate m_minimum{1, 1, 1};
    QDate m_maximum{9999, 12, 31};
    int m_year = 2000;
    int m_month = 1;
};

} // namespace bazi::ui

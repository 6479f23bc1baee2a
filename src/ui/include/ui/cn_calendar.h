#pragma once
// CnCalendar, the date box 农历日期框1: a drop-down line that shows its date as
// the lunar date text ("猴年(丙申)二月初八 2016-3-16") and opens a month
// calendar whose status line shows the same text for the day under the pointer.
//
// Keyboard: Up or Right steps one day later, Down or Left one day earlier,
// PageUp one month later, PageDown one month earlier; Alt+Down, F4 or Space
// opens the calendar, where the arrow keys move, Enter picks and Escape closes.

#include "calendar/gregorian.h"

#include <QDate>
#include <QWidget>

class QCalendarWidget;
class QLabel;
class QModelIndex;
class QTableView;

namespace bazi::ui {

[[nodiscard]] CivilDate civilFromQDate(QDate date);
[[nodiscard]] QDate qDateFromCivil(CivilDate date);
/// The lunar date line of a date; an empty format means the default one.
[[nodiscard]] QString lunarText(QDate date, const QString& format = {});

class CnCalendar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QDate date READ date WRITE setDate NOTIFY dateChanged USER true)
public:
    /// Starts on today's local date, clamped into the box's range.
    explicit CnCalendar(QWidget* parent = nullptr);

    [[nodiscard]] QDate date() const { return m_date; }
    [[nodiscard]] CivilDate civilDate() const { return civilFromQDate(m_date); }
    /// Sets the date, clamped into minimumDate()..maximumDate(); an invalid
    /// date is ignored.
    void setDate(QDate date);

    /// The range of dates a query can examine whole: 1901-02-21 .. 2048-12-31.
    [[nodiscard]] static QDate minimumDate();
    [[nodiscard]] static QDate maximumDate();
    [[nodiscard]] static QDate clampedDate(QDate date);

    /// The format of the shown line; empty means the default lunar date format.
    [[nodiscard]] QString format() const { return m_format; }
    void setFormat(const QString& format);

    /// The line the box shows, and the line of any date in the box's format.
    /// The calendar's status line uses the default format.
    [[nodiscard]] QString text() const { return m_text; }
    [[nodiscard]] QString textOf(QDate date) const;

    void showPopup();
    void hidePopup();
    [[nodiscard]] bool isPopupVisible() const;
    [[nodiscard]] QWidget* popup() const { return m_popup; }
    [[nodiscard]] QCalendarWidget* calendar() const { return m_calendar; }
    [[nodiscard]] QLabel* statusLine() const { return m_status; }
    /// The calendar's day grid, or null if this Qt version names it differently.
    [[nodiscard]] QTableView* dayGrid() const { return m_dayGrid; }
    /// The date shown in a cell of the day grid; invalid for header cells.
    [[nodiscard]] QDate dateAtCell(const QModelIndex& index) const;

    [[nodiscard]] QSize sizeHint() const override;

Q_SIGNALS:
    void dateChanged(QDate date);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pickDate(QDate date);
    void showSelectedDay();
    void showDayAt(QPoint viewportPos);
    void refreshText();

    QDate m_date;
    QString m_format;
    QString m_text;
    QWidget* m_popup;
    QCalendarWidget* m_calendar;
    QLabel* m_status;
    QTableView* m_dayGrid = nullptr;
};

} // namespace bazi::ui

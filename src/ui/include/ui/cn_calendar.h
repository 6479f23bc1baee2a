#pragma once
// CnCalendar, the date box 农历日期框1: a drop-down line that shows its date as
// the lunar date text ("猴年(丙申)二月初八 2016-3-16"), takes a typed date, and
// opens a month calendar whose status line shows the same text for the day
// under the pointer.
//
// Keyboard: Up or Right steps one day later, Down or Left one day earlier,
// PageUp one month later, PageDown one month earlier; Alt+Down, F4 or Space
// opens the calendar, where the arrow keys move, Enter picks and Escape closes.
//
// Typing: any printable key (or the input method) starts a typed entry in
// place of the line, F2 starts one with the date in ISO form. The entry is
// read as a whole (ui/date_entry.h) while it is typed: a text that cannot be
// a date is marked at once, and Enter or leaving the box takes the date only
// when the whole text names one. Otherwise the date stays as it was, the
// entry stays marked with the reason, and entryRefused() is emitted. Escape
// drops the entry. Nothing is applied by a pause in typing.

#include "calendar/gregorian.h"
#include "ui/date_entry.h"
#include "ui/qt_values.h"

#include <QDate>
#include <QWidget>

class QLabel;
class QLineEdit;
class QModelIndex;
class QTableView;

namespace bazi::ui {

class MonthCalendar;

/// The lunar date line of a date; an empty format means the default one (as
/// the chosen language writes it). A date before the printed almanacs is
/// marked " 推算", as the command line marks it.
[[nodiscard]] QString lunarText(QDate date, const QString& format = {});

class CnCalendar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QDate date READ date WRITE setDate NOTIFY dateChanged USER true)
public:
    /// Starts on today's local date, clamped into the box's range.
    explicit CnCalendar(QWidget* parent = nullptr);

    [[nodiscard]] QDate date() const { return m_date; }
    [[nodiscard]] CivilDate civilDate() const { return civilFromQDate(m_date); }
    /// Sets the date, clamped into the box's range; an invalid date is ignored.
    /// A typed entry in progress is dropped.
    void setDate(QDate date);

    /// The range of dates a query can examine whole (kFirstQueryDate ..
    /// kLastQueryDate of the query): the box's range unless set otherwise.
    [[nodiscard]] static QDate minimumDate();
    [[nodiscard]] static QDate maximumDate();
    [[nodiscard]] static QDate clampedDate(QDate date);
    /// Another range for this box (a search takes the whole calendar's).
    void setDateRange(QDate lowest, QDate highest);

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
    [[nodiscard]] MonthCalendar* calendar() const { return m_calendar; }
    [[nodiscard]] QLabel* statusLine() const { return m_status; }
    /// The calendar's day grid.
    [[nodiscard]] QTableView* dayGrid() const;
    /// The date shown in a cell of the day grid; invalid for an invalid index.
    [[nodiscard]] QDate dateAtCell(const QModelIndex& index) const;

    // The typed entry.
    [[nodiscard]] bool isEditing() const;
    [[nodiscard]] QLineEdit* editor() const { return m_editor; }
    /// Starts a typed entry with `text`; `selectAll` selects it for overtyping.
    void startEditing(const QString& text, bool selectAll = false);
    /// Takes the typed date. True when it was taken or nothing was being
    /// typed; false when the entry is not a date (it stays, marked).
    bool commitEditing();
    /// Drops the typed entry; the date stays.
    void cancelEditing();
    /// The typed entry as read now.
    [[nodiscard]] DateEntry entry() const { return m_entry; }
    /// Why the typed entry is not a date; empty while it is one or nothing is typed.
    [[nodiscard]] QString entryProblem() const;
    /// Is the entry marked as refused (shown in red with its reason).
    [[nodiscard]] bool isEntryMarked() const { return m_entryMarked; }

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

Q_SIGNALS:
    void dateChanged(QDate date);
    /// Enter or leaving the box with a typed text that is not a date.
    void entryRefused(const QString& problem);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pickDate(QDate date);
    void showSelectedDay();
    void showDayAt(QPoint viewportPos);
    void refreshText();
    void retranslate();
    void onEntryEdited(const QString& text);
    void markEntry(bool refused);
    void refuseEntry();
    [[nodiscard]] QRect editFieldRect() const;

    QDate m_date;
    QDate m_lowest = minimumDate();
    QDate m_highest = maximumDate();
    QString m_format;
    QString m_text;
    QWidget* m_popup;
    MonthCalendar* m_calendar;
    QLabel* m_status;
    QLineEdit* m_editor;
    DateEntry m_entry;
    bool m_entryMarked = false;
};

} // namespace bazi::ui

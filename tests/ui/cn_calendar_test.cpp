// The date box 农历日期框1: range, text, keyboard and its pop-up calendar.
#include "calendar/lunar_date_text.h"
#include "query/query_driver.h"
#include "ui/cn_calendar.h"
#include "ui/month_calendar.h"

#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

using namespace bazi;
using namespace bazi::ui;

namespace {

// The engine's line for a date in the default format.
QString engineText(QDate d) {
    return QString::fromStdString(lunarDateText(civilFromQDate(d)));
}

} // namespace

class CnCalendarTest : public QObject {
    Q_OBJECT

private:
    CnCalendar* m_box = nullptr;

    // The cell of the day grid that shows `date`, found through the box's own
    // cell reading; checked against the day number the cell displays.
    QModelIndex cellOf(QDate date) const {
        QAbstractItemModel* model = m_box->dayGrid()->model();
        for (int r = 0; r < model->rowCount(); ++r)
            for (int c = 0; c < model->columnCount(); ++c) {
                const QModelIndex index = model->index(r, c);
                if (m_box->dateAtCell(index) == date)
                    return index;
            }
        return {};
    }

    void hover(const QModelIndex& index) {
        QWidget* viewport = m_box->dayGrid()->viewport();
        const QPointF pos = m_box->dayGrid()->visualRect(index).center();
        QMouseEvent move(QEvent::MouseMove, pos, viewport->mapToGlobal(pos), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
    }

    // Types text as a keyboard does, one character per key press, into the
    // widget that has the focus (the box, then its entry). CJK characters go
    // the same way, as an input method's commit would deliver each one.
    void type(const QString& text) {
        for (const QChar c : text) {
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : m_box;
            QKeyEvent press(QEvent::KeyPress, c.isDigit() ? Qt::Key_0 + c.digitValue() : 0,
                            Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
        }
    }
    void pressEnter() {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : m_box;
        QTest::keyClick(target, Qt::Key_Return);
    }

private Q_SLOTS:
    void init() {
        m_box = new CnCalendar;
        m_box->resize(304, 24);
        m_box->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_box));
        m_box->setFocus();
    }
    void cleanup() {
        delete m_box;
        m_box = nullptr;
    }

    void rangeIsTheQueryRange() {
        QCOMPARE(CnCalendar::minimumDate(), QDate(1800, 1, 3));
        QCOMPARE(CnCalendar::maximumDate(), QDate(2200, 12, 31));
        QCOMPARE(m_box->calendar()->minimumDate(), QDate(1800, 1, 3));
        QCOMPARE(m_box->calendar()->maximumDate(), QDate(2200, 12, 31));
        QCOMPARE(m_box->date(), CnCalendar::clampedDate(QDate::currentDate()));

        struct Case {
            const char* note;
            QDate set;
            QDate shown;
        };
        const Case cases[] = {
            {"inside", {2016, 3, 16}, {2016, 3, 16}},
            {"first day", {1800, 1, 3}, {1800, 1, 3}},
            {"before the range clamps (today's date may be there too)", {1799, 1, 1}, {1800, 1, 3}},
            {"after the range clamps", {2201, 6, 1}, {2200, 12, 31}},
            {"an invalid date is ignored", {}, {2200, 12, 31}},
        };
        for (const Case& c : cases) {
            m_box->setDate(c.set);
            QVERIFY2(m_box->date() == c.shown, c.note);
            QVERIFY2(isQueryDateInRange(m_box->civilDate()), c.note);
        }
        QCOMPARE(CnCalendar::clampedDate(QDate(1800, 1, 2)), QDate(1800, 1, 3));
        QCOMPARE(CnCalendar::clampedDate(QDate(2201, 1, 1)), QDate(2200, 12, 31));
    }

    void showsTheLunarDateText() {
        m_box->setDate(QDate(2016, 3, 16));
        QCOMPARE(m_box->text(), QStringLiteral("猴年(丙申)二月初八 2016-3-16"));
        m_box->setDate(QDate(2023, 3, 22));
        QCOMPARE(m_box->text(), QStringLiteral("兔年(癸卯)闰二月初一 2023-3-22"));
        m_box->setFormat(QStringLiteral("%y/%m/%d %M%D"));
        QCOMPARE(m_box->text(), QStringLiteral("2023/3/22 闰二月初一"));
        m_box->showPopup();
        QCOMPARE(m_box->statusLine()->text(), QStringLiteral("兔年(癸卯)闰二月初一 2023-3-22"));
        m_box->hidePopup();
        m_box->setFormat(QString());
        QCOMPARE(m_box->text(), engineText(QDate(2023, 3, 22)));
        // Before the printed almanacs the lunar date is reckoned, and says so.
        m_box->setDate(QDate(1900, 1, 31));
        QCOMPARE(m_box->text(), engineText(QDate(1900, 1, 31)) + QStringLiteral(" 推算"));
        m_box->setDate(QDate(1912, 2, 18));
        QCOMPARE(m_box->text(), engineText(QDate(1912, 2, 18)));
    }

    void keyboardStepsDaysAndMonths() {
        m_box->setDate(QDate(2016, 3, 16));
        struct Case {
            Qt::Key key;
            QDate expected;
        };
        const Case cases[] = {
            {Qt::Key_Up, {2016, 3, 17}},     {Qt::Key_Right, {2016, 3, 18}},
            {Qt::Key_Down, {2016, 3, 17}},   {Qt::Key_Left, {2016, 3, 16}},
            {Qt::Key_PageUp, {2016, 4, 16}}, {Qt::Key_PageDown, {2016, 3, 16}},
        };
        for (const Case& c : cases) {
            QTest::keyClick(m_box, c.key);
            QCOMPARE(m_box->date(), c.expected);
            QCOMPARE(m_box->text(), engineText(c.expected));
        }
        m_box->setDate(QDate(2200, 12, 31));
        QTest::keyClick(m_box, Qt::Key_Up);
        QCOMPARE(m_box->date(), QDate(2200, 12, 31));
        m_box->setDate(QDate(1800, 2, 1));
        QTest::keyClick(m_box, Qt::Key_PageDown);
        QCOMPARE(m_box->date(), QDate(1800, 1, 3));
    }

    void popupPicksWithTheKeyboard() {
        m_box->setDate(QDate(2016, 3, 16));
        QTest::keyClick(m_box, Qt::Key_Down, Qt::AltModifier);
        QVERIFY(m_box->isPopupVisible());
        QCOMPARE(m_box->calendar()->selectedDate(), QDate(2016, 3, 16));
        QCOMPARE(m_box->statusLine()->text(), engineText(QDate(2016, 3, 16)));

        QTest::keyClick(m_box->dayGrid(), Qt::Key_Right);
        QCOMPARE(m_box->statusLine()->text(), engineText(QDate(2016, 3, 17)));
        QCOMPARE(m_box->date(), QDate(2016, 3, 16)); // not picked yet
        QTest::keyClick(m_box->dayGrid(), Qt::Key_Return);
        QVERIFY(!m_box->isPopupVisible());
        QCOMPARE(m_box->date(), QDate(2016, 3, 17));

        QTest::keyClick(m_box, Qt::Key_F4);
        QVERIFY(m_box->isPopupVisible());
        QTest::keyClick(m_box->dayGrid(), Qt::Key_Down);
        QTest::keyClick(m_box->dayGrid(), Qt::Key_Escape);
        QVERIFY(!m_box->isPopupVisible());
        QCOMPARE(m_box->date(), QDate(2016, 3, 17));
    }

    void cellsReadAsSixConsecutiveWeeks() {
        const QDate months[] = {
            {2016, 3, 1}, {2016, 2, 1}, {2021, 2, 1}, {2048, 12, 1}, {1901, 3, 1}};
        for (QDate month : months) {
            m_box->setDate(month);
            m_box->showPopup();
            QAbstractItemModel* model = m_box->dayGrid()->model();
            QList<QDate> cells;
            for (int r = 0; r < model->rowCount(); ++r)
                for (int c = 0; c < model->columnCount(); ++c)
                    if (const QDate d = m_box->dateAtCell(model->index(r, c)); d.isValid())
                        cells << d;
            QCOMPARE(cells.size(), 42);
            for (int i = 1; i < cells.size(); ++i)
                QCOMPARE(cells[i - 1].addDays(1), cells[i]);
            QVERIFY(cells.contains(month));
            QCOMPARE(cells.first().dayOfWeek(), int(m_box->calendar()->firstDayOfWeek()));
            m_box->hidePopup();
        }
    }

    void popupStatusFollowsThePointer() {
        QVERIFY(m_box->dayGrid());
        m_box->setDate(QDate(2016, 3, 16));
        m_box->showPopup();
        struct Case {
            const char* note;
            QDate date;
        };
        // March 2016 starts on a Tuesday: 29 February stands in the first week
        // row, whether weeks start on Sunday or Monday; April's first days
        // close the grid.
        const Case cases[] = {
            {"a day of the month", {2016, 3, 20}},
            {"the last day of the month before", {2016, 2, 29}},
            {"a day of the month after", {2016, 4, 3}},
        };
        for (const Case& c : cases) {
            const QModelIndex cell = cellOf(c.date);
            QVERIFY2(cell.isValid(), c.note);
            QCOMPARE(cell.data().toInt(), c.date.day());
            hover(cell);
            QCOMPARE(m_box->statusLine()->text(), engineText(c.date));
        }
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(m_box->dayGrid()->viewport(), &leave);
        QCOMPARE(m_box->statusLine()->text(), engineText(QDate(2016, 3, 16)));

        QTest::mouseClick(m_box->dayGrid()->viewport(), Qt::LeftButton, {},
                          m_box->dayGrid()->visualRect(cellOf(QDate(2016, 3, 20))).center());
        QVERIFY(!m_box->isPopupVisible());
        QCOMPARE(m_box->date(), QDate(2016, 3, 20));
    }

    void typedDatesAreTakenWhole() {
        struct Case {
            const char* note;
            const char* typed;
            QDate date;
        };
        const Case cases[] = {
            {"eight digits (once shown as 2016/-2147483648/0)", "20160316", {2016, 3, 16}},
            {"ISO", "2016-03-16", {2016, 3, 16}},
            {"lunar with names", "农历2016年二月初八", {2016, 3, 16}},
            {"lunar with numbers", "2016-2-8农历", {2016, 3, 16}},
            {"lunar leap month", "农历2023年闰二月初一", {2023, 3, 22}},
        };
        for (const Case& c : cases) {
            m_box->setDate(QDate(2000, 1, 1));
            m_box->setFocus();
            QSignalSpy changed(m_box, &CnCalendar::dateChanged);
            type(QString::fromUtf8(c.typed));
            QVERIFY2(m_box->isEditing(), c.note);
            QCOMPARE(m_box->editor()->text(), QString::fromUtf8(c.typed));
            QVERIFY2(m_box->entry().ok(), c.note);
            QVERIFY2(!m_box->isEntryMarked(), c.note);
            QCOMPARE(m_box->date(), QDate(2000, 1, 1)); // nothing taken before Enter
            pressEnter();
            QVERIFY2(!m_box->isEditing(), c.note);
            QCOMPARE(m_box->date(), c.date);
            QCOMPARE(changed.count(), 1);
            QCOMPARE(m_box->text(), engineText(c.date));
        }
    }

    void badTypedDatesAreRefusedVisibly() {
        struct Case {
            const char* note;
            const char* typed;
            bool markedWhileTyping;
            const char* problemStart;
        };
        const Case cases[] = {
            {"seven digits (once became 2016-12-06)", "2016316", false, "日期还不完整"},
            {"half a date", "2016-03-", false, "日期还不完整"},
            {"no such day", "2023-02-30", true, "没有这一天"},
            {"no such leap month", "农历2016年闰二月初一", true, "农历2016年没有闰月"},
            {"out of range", "1799-12-31", true, "1799-12-31 超出可查询的范围"},
            {"letters", "abc", true, "无法识别的日期"},
        };
        for (const Case& c : cases) {
            m_box->setDate(QDate(2016, 3, 16));
            m_box->setFocus();
            QSignalSpy changed(m_box, &CnCalendar::dateChanged);
            QSignalSpy refused(m_box, &CnCalendar::entryRefused);
            type(QString::fromUtf8(c.typed));
            QCOMPARE(m_box->isEntryMarked(), c.markedWhileTyping);
            pressEnter();
            // Refused: the date stays, the entry stays for correcting, marked with the reason.
            QVERIFY2(m_box->isEditing(), c.note);
            QCOMPARE(m_box->date(), QDate(2016, 3, 16));
            QCOMPARE(changed.count(), 0);
            QVERIFY2(m_box->isEntryMarked(), c.note);
            QCOMPARE(m_box->editor()->property("refused").toBool(), true);
            QCOMPARE(refused.count(), 1);
            QVERIFY2(
                refused.first().first().toString().startsWith(QString::fromUtf8(c.problemStart)),
                qPrintable(refused.first().first().toString()));
            QCOMPARE(m_box->editor()->toolTip(), refused.first().first().toString());
            QTest::keyClick(m_box->editor(), Qt::Key_Escape);
            QVERIFY(!m_box->isEditing());
            QCOMPARE(m_box->date(), QDate(2016, 3, 16));
        }
    }

    void correctingARefusedEntryTakesIt() {
        m_box->setDate(QDate(2016, 3, 16));
        type(QStringLiteral("2016316"));
        pressEnter();
        QVERIFY(m_box->isEntryMarked());
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(m_box->editor(), Qt::Key_Backspace);
        type(QStringLiteral("0316"));
        QVERIFY(m_box->entry().ok());
        QVERIFY(!m_box->isEntryMarked());
        pressEnter();
        QCOMPARE(m_box->date(), QDate(2016, 3, 16));
        QVERIFY(!m_box->isEditing());
    }

    void aPauseInTypingAppliesNothing() {
        m_box->setDate(QDate(2000, 1, 1));
        type(QStringLiteral("2016-03-1"));
        QTest::qWait(1500);
        QCOMPARE(m_box->date(), QDate(2000, 1, 1));
        QVERIFY(m_box->isEditing());
        type(QStringLiteral("6"));
        pressEnter();
        QCOMPARE(m_box->date(), QDate(2016, 3, 16));
    }

    void f2EditsTheDateAndLeavingTheBoxTakesIt() {
        m_box->setDate(QDate(2016, 3, 16));
        QTest::keyClick(m_box, Qt::Key_F2);
        QVERIFY(m_box->isEditing());
        QCOMPARE(m_box->editor()->text(), QStringLiteral("2016-03-16"));
        QCOMPARE(m_box->editor()->selectedText(), QStringLiteral("2016-03-16"));
        type(QStringLiteral("2016-04-01")); // overtypes the selection
        QCOMPARE(m_box->editor()->text(), QStringLiteral("2016-04-01"));

        // Focus moving on takes a whole date, and keeps a broken one marked.
        QLineEdit other;
        other.show();
        other.activateWindow();
        QApplication::setActiveWindow(m_box);
        m_box->editor()->setFocus();
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(m_box->editor(), &out);
        QVERIFY(!m_box->isEditing());
        QCOMPARE(m_box->date(), QDate(2016, 4, 1));

        m_box->setFocus();
        type(QStringLiteral("2016-04-3"));
        QTest::keyClick(m_box->editor(), Qt::Key_Backspace);
        QApplication::sendEvent(m_box->editor(), &out);
        QVERIFY(m_box->isEditing());
        QVERIFY(m_box->isEntryMarked());
        QCOMPARE(m_box->date(), QDate(2016, 4, 1));
    }

    void inputMethodStartsAnEntry() {
        m_box->setDate(QDate(2000, 1, 1));
        QInputMethodEvent preedit(QStringLiteral("nongli"), {});
        QApplication::sendEvent(m_box, &preedit);
        QVERIFY(m_box->isEditing());
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("农历2016年二月初八"));
        QApplication::sendEvent(m_box->editor(), &commit);
        QCOMPARE(m_box->editor()->text(), QStringLiteral("农历2016年二月初八"));
        QVERIFY(m_box->entry().ok());
        pressEnter();
        QCOMPARE(m_box->date(), QDate(2016, 3, 16));
    }

    void steppingKeysDoNotStepWhileTyping() {
        m_box->setDate(QDate(2016, 3, 16));
        type(QStringLiteral("2016"));
        QTest::keyClick(m_box->editor(), Qt::Key_Up);
        QTest::keyClick(m_box->editor(), Qt::Key_Down);
        QTest::keyClick(m_box->editor(), Qt::Key_PageUp);
        QCOMPARE(m_box->date(), QDate(2016, 3, 16));
        QCOMPARE(m_box->editor()->text(), QStringLiteral("2016"));
        // Picking from the calendar drops the typed entry.
        QTest::keyClick(m_box->editor(), Qt::Key_F4);
        QVERIFY(m_box->isPopupVisible());
        QTest::keyClick(m_box->dayGrid(), Qt::Key_Right);
        QTest::keyClick(m_box->dayGrid(), Qt::Key_Return);
        QCOMPARE(m_box->date(), QDate(2016, 3, 17));
        QVERIFY(!m_box->isEditing());
    }

    void popupNeedsNoPrivateWidgets() {
        // The grid is the calendar's own view; every cell names its date and lunar day.
        m_box->setDate(QDate(2016, 3, 16));
        m_box->showPopup();
        const QModelIndex cell = cellOf(QDate(2016, 3, 16));
        QVERIFY(cell.isValid());
        QCOMPARE(cell.data(MonthModel::kLunarRole).toString(), QStringLiteral("初八"));
        QCOMPARE(cellOf(QDate(2016, 3, 9)).data(MonthModel::kLunarRole).toString(),
                 QStringLiteral("二月")); // the month's first day names the month
        QCOMPARE(cellOf(QDate(2016, 3, 5)).data(MonthModel::kLunarRole).toString(),
                 QStringLiteral("惊蛰")); // a solar term's day names the term
        QVERIFY(
            m_box->popup()->findChildren<QWidget*>(QRegularExpression("^qt_calendar")).isEmpty());
        // Days outside the range cannot be picked.
        const QDate first = CnCalendar::minimumDate();
        m_box->setDate(first);
        m_box->showPopup();
        QVERIFY(!(cellOf(first.addDays(-1)).flags() & Qt::ItemIsEnabled));
        QVERIFY(cellOf(first).flags() & Qt::ItemIsEnabled);
        QTest::keyClick(m_box->dayGrid(), Qt::Key_Left);
        QCOMPARE(m_box->calendar()->selectedDate(), first);
    }
};

QTEST_MAIN(CnCalendarTest)
#include "cn_calendar_test.moc"

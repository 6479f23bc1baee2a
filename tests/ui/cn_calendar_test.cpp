// The date box 农历日期框1: range, text, keyboard and its pop-up calendar.
#include "calendar/lunar_date_text.h"
#include "query/query_driver.h"
#include "ui/cn_calendar.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QMouseEvent>
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
};

QTEST_MAIN(CnCalendarTest)
#include "cn_calendar_test.moc"

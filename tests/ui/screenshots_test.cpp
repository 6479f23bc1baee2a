// Pictures of the form for looking at and for the README: every page, a
// result page after a query, the chart of a result, the date box's calendar
// and the description window; the application window small and large, used by
// keyboard alone, with a typed date refused; written to <build>/screenshots/.
#include "ui/cn_calendar.h"
#include "ui/description_window.h"
#include "ui/main_form.h"
#include "ui/page_control.h"
#include "ui/chart_view.h"
#include "ui/language.h"
#include "ui/main_window.h"
#include "ui/result_view.h"

#include <QApplication>
#include <QLineEdit>
#include <QStandardPaths>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>
#include <QTest>

using namespace bazi::ui;

class ScreenshotTest : public QObject {
    Q_OBJECT

private:
    static void save(QWidget* widget, const QString& name) {
        QDir().mkpath(QStringLiteral(BAZI_SCREENSHOT_DIR));
        const QString path =
            QStringLiteral(BAZI_SCREENSHOT_DIR "/") + name + QStringLiteral(".png");
        QVERIFY2(widget->grab().save(path), qPrintable(path));
    }

    static void choose(MainForm& form, const char* name, const QString& item) {
        auto* box = form.findChild<QComboBox*>(QString::fromUtf8(name));
        QVERIFY(box);
        const int index = box->findText(item);
        QVERIFY(index >= 0);
        box->setCurrentIndex(index);
        Q_EMIT box->activated(index);
    }

    // Types as a keyboard does into whatever has the focus.
    static void type(const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(QApplication::focusWidget(), &press);
        }
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void theWindowByKeyboardSmallAndLarge() {
        LanguageSwitcher switcher;
        switcher.install(Language::simplifiedChinese);
        MainWindow window(&switcher);
        window.resize(window.minimumSizeHint());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.size(), window.minimumSizeHint());
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        MainForm* form = window.form();

        // Keyboard alone: a lunar date typed into the date box, the conditions
        // chosen with the arrow keys, Enter to run.
        form->dateBox()->setFocus();
        type(QStringLiteral("农历2016年二月初八"));
        save(&window, QStringLiteral("window-typing-a-lunar-date"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        form->dateBox()->setFocus();
        type(QStringLiteral("2016316"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(form->dateBox()->isEntryMarked());
        // The message is whole at the smallest size: the basis beside it gives
        // way, cut with "…", and is whole again once the message is gone.
        const QString message = window.statusBar()->currentMessage();
        QVERIFY(!message.isEmpty());
        QVERIFY(window.basisLabel()->x() >=
                window.statusBar()->fontMetrics().horizontalAdvance(message));
        save(&window, QStringLiteral("window-date-refused"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        form->dateBox()->setFocus();
        type(QStringLiteral("2016-2-8农历"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // takes the date, runs
        QCOMPARE(form->dateBox()->date(), QDate(2016, 3, 16));
        QVERIFY(window.statusBar()->currentMessage().isEmpty());
        QCOMPARE(window.basisLabel()->maximumWidth(), QWIDGETSIZE_MAX);
        QVERIFY(form->messageBox()); // no condition yet
        QTest::keyClick(form->messageBox(), Qt::Key_Return);
        QTRY_VERIFY(!form->messageBox());
        window.activateWindow(); // the offscreen platform does not give it back
        QVERIFY(QTest::qWaitForWindowActive(&window));

        form->pageControl()->setCurrentIndex(1);
        auto* stem = form->findChild<QComboBox*>(QStringLiteral("组合框_干1"));
        stem->setFocus();
        for (int i = 0; i < 5; ++i) // "-" → 丁
            QTest::keyClick(stem, Qt::Key_Down);
        QTest::keyClick(stem, Qt::Key_Tab); // to the position box
        for (int i = 0; i < 3; ++i)         // 不固定 → 日干
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        auto* branch = form->findChild<QComboBox*>(QStringLiteral("组合框_支1"));
        branch->setFocus();
        for (int i = 0; i < 13; ++i) // "-" → 亥
            QTest::keyClick(branch, Qt::Key_Down);
        QTest::keyClick(branch, Qt::Key_Tab);
        for (int i = 0; i < 4; ++i) // 不固定 → 时支
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        save(&window, QStringLiteral("window-conditions"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(form->pageControl()->currentIndex(), MainForm::kResultPage);
        QCOMPARE(form->resultGrid()->model()->rowCount(), 1);
        save(&window, QStringLiteral("window-results-small"));

        // Large: the result table takes the room.
        window.resize(1280, 800);
        QTRY_COMPARE(window.size(), QSize(1280, 800));
        save(&window, QStringLiteral("window-results-large"));
        form->pageControl()->setCurrentIndex(1);
        save(&window, QStringLiteral("window-conditions-large"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        save(&window, QStringLiteral("window-results-stale"));
    }

    void pagesAndPopups() {
        MainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.dateBox()->setDate(QDate(2016, 3, 16));

        // Some rows in use, so that the pictures show enabled controls too.
        choose(form, "组合框_行1", QStringLiteral("金"));
        choose(form, "组合框_位置行1", QStringLiteral("天干"));
        choose(form, "组合框_行01", QStringLiteral("水"));
        choose(form, "组合框_干1", QStringLiteral("丁"));
        choose(form, "组合框_位置干1", QStringLiteral("日干"));
        choose(form, "组合框_神1", QStringLiteral("正官"));
        choose(form, "组合框_神煞1", QStringLiteral("天乙贵人"));

        const char* pageNames[] = {"page0-elements", "page1-stems-branches", "page2-ten-gods",
                                   "page3-spirit-stars"};
        for (int page = 0; page < 4; ++page) {
            form.pageControl()->setCurrentIndex(page);
            save(&form, QString::fromLatin1(pageNames[page]));
        }

        choose(form, "组合框_神煞1", QStringLiteral("-"));
        choose(form, "组合框_行1", QStringLiteral("-"));
        choose(form, "组合框_行01", QStringLiteral("-"));
        choose(form, "组合框_神1", QStringLiteral("-"));
        form.runQuery();
        QVERIFY(!form.messageBox());
        QCOMPARE(form.pageControl()->currentIndex(), MainForm::kResultPage);
        save(&form, QStringLiteral("page4-results"));

        form.resultGrid()->inspectRow(0);
        QVERIFY(form.resultGrid()->chartView());
        QVERIFY(QTest::qWaitForWindowExposed(form.resultGrid()->chartView()));
        save(form.resultGrid()->chartView(), QStringLiteral("chart-view"));
        form.resultGrid()->chartView()->close();

        form.dateBox()->showPopup();
        QVERIFY(QTest::qWaitForWindowExposed(form.dateBox()->popup()));
        save(form.dateBox()->popup(), QStringLiteral("date-box-calendar"));
        form.dateBox()->hidePopup();

        form.showDescription();
        QVERIFY(QTest::qWaitForWindowExposed(form.descriptionWindow()));
        save(form.descriptionWindow(), QStringLiteral("description-window"));
    }
};

QTEST_MAIN(ScreenshotTest)
#include "screenshots_test.moc"

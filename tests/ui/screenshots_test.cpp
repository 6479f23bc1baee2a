// Pictures of the form for looking at and for the README: every page, a
// result page after a query, the chart of a result, the date box's calendar
// and the description window, written to <build>/screenshots/.
#include "ui/cn_calendar.h"
#include "ui/description_window.h"
#include "ui/main_form.h"
#include "ui/page_control.h"
#include "ui/chart_view.h"
#include "ui/result_view.h"

#include <QComboBox>
#include <QDir>
#include <QMessageBox>
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

private Q_SLOTS:
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

// The pages "时间范围" and "八字反查": a search off the window's thread with
// progress and cancel, its spans, why they matched, the calendar grid, the
// narrowing pillar boxes, exports equal to the command line's. Writes pictures
// of both pages to <build>/screenshots/.
#include "calendar/civil_seconds.h"
#include "conditions/conditions.h"
#include "form/form_state_writer.h"
#include "search/chart_lookup.h"
#include "search/span_search.h"
#include "texts/span_formats.h"
#include "texts/span_texts.h"
#include "ui/calendar_grid.h"
#include "ui/calendar_tally.h"
#include "ui/chart_lookup_page.h"
#include "ui/chart_view.h"
#include "ui/cn_calendar.h"
#include "ui/language.h"
#include "ui/main_form.h"
#include "ui/main_window.h"
#include "ui/qt_values.h"
#include "ui/range_search_page.h"
#include "ui/result_view.h"
#include "ui/span_job.h"
#include "ui/span_result_model.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using namespace bazi;
using namespace bazi::ui;

namespace {

CivilSeconds at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return civilSecondsOf(CivilDateTime{CivilDate{y, mo, d}, h, mi, s});
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The year stem 乙: the spans of 2016-02-04 before the second of 立春 (17:45:53).
FormState yearStemYi() {
    FormState form(CivilDate{2016, 3, 16});
    form.select("组合框_干1", 3);     // 乙
    form.select("组合框_位置干1", 1); // 年干
    form.select("组合框_干数量1", 5); // 非0
    return form;
}

// Every chart: "不指定" on any position, a count of at least 0 of some stem.
FormState everyChart() {
    FormState form(CivilDate{2016, 3, 16});
    form.select("组合框_干1", 1);      // 不指定
    form.select("组合框_干数量1", 10); // >=0
    return form;
}

QString runCli(const QStringList& args) {
    QProcess cli;
    cli.start(QCoreApplication::applicationDirPath() + QStringLiteral("/bazi-seek"), args);
    if (!cli.waitForFinished(60000) || cli.exitCode() != 0)
        return QStringLiteral("<bazi-seek failed: ") + cli.readAllStandardError() + ">";
    return QString::fromUtf8(cli.readAllStandardOutput());
}

} // namespace

class SearchPagesTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    FormState m_form = yearStemYi();

    static void save(QWidget* widget, const QString& name) {
        QCoreApplication::processEvents();
        QDir().mkpath(QStringLiteral(BAZI_SCREENSHOT_DIR));
        QVERIFY(widget->grab().save(QStringLiteral(BAZI_SCREENSHOT_DIR "/") + name +
                                    QStringLiteral(".png")));
    }

    void search(RangeSearchPage& page, QDate from, QDate to) {
        page.fromBox()->setDate(from);
        page.toBox()->setDate(to);
        QTest::mouseClick(page.findChild<QPushButton*>(QStringLiteral("按钮_搜索")),
                          Qt::LeftButton);
        QVERIFY(page.job()->waitForFinished(60000));
    }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
    }

    void theTallyShowsTheShareOfEveryBlock() {
        // 2016-02-04 with 乙 as year stem: until 立春 at 17:45:53.
        CalendarTally tally(at(2016, 2, 4), at(2016, 2, 5), HourWindows{});
        tally.addMatch(at(2016, 2, 4, 0), at(2016, 2, 4, 1));
        for (int h = 1; h < 17; h += 2)
            tally.addMatch(at(2016, 2, 4, h), at(2016, 2, 4, h + 2));
        tally.addMatch(at(2016, 2, 4, 17), at(2016, 2, 4, 17, 45, 53));
        QCOMPARE(tally.dayCount(), 2); // 23:00-24:00 is the 子 of the 5th
        QCOMPARE(tally.firstDay(), (CivilDate{2016, 2, 4}));
        QCOMPARE(tally.cell(0, 0).allowed, 3600); // the range starts at 00:00
        QCOMPARE(tally.cell(0, 0).share(), 1.0);
        QCOMPARE(tally.cell(0, 8).share(), 1.0);          // 申 15-17
        QCOMPARE(tally.cell(0, 9).matched, 45 * 60 + 53); // 酉 17-19, cut by 立春
        QCOMPARE(tally.cell(0, 10).matched, 0);           // 戌
        QCOMPARE(tally.cell(1, 0).allowed, 3600);         // 23:00-24:00 of the 4th
        QCOMPARE(tally.cell(1, 1).allowed, 0);            // beyond the range
        QCOMPARE(tally.blockStart(1, 0), at(2016, 2, 4, 23));
        QCOMPARE(tally.placeOf(at(2016, 2, 4, 23, 30)).row, 1);
        QCOMPARE(tally.sum(0, 1, 0).allowed, 7200);

        // Allowed hours 8-18 grey the others and halve the 辰 block (07-09).
        CalendarTally day(at(2016, 2, 1), at(2016, 2, 2), HourWindows{kNoHours.with(8, 18)});
        QCOMPARE(day.cell(0, 4).allowed, 3600); // 辰 07-09: 08-09 only
        QCOMPARE(day.cell(0, 5).allowed, 7200); // 巳 09-11
        QCOMPARE(day.cell(0, 9).allowed, 3600); // 酉 17-19: 17-18 only
        QCOMPARE(day.cell(0, 10).allowed, 0);   // 戌
    }

    void aSpanJobCanBeCancelled() {
        SpanJob job;
        QSignalSpy finished(&job, &SpanJob::finished);
        job.start(
            [](const SpanVisitor& visit, SearchControl& control) {
                // A walk that would never end on its own.
                for (CivilSeconds t = at(2000, 1, 1);; t += 7200)
                    if (!visit(Span{t, t + 7200, {}, CutReason::hourChange, CutReason::hourChange}))
                        return control.cancel ? SearchEnd::cancelled : SearchEnd::stopped;
            },
            at(2000, 1, 1), at(2100, 1, 1), HourWindows{});
        QVERIFY(job.isRunning());
        QTest::qWait(50);
        job.cancel();
        QVERIFY(job.waitForFinished(10000));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(job.result().end, SearchEnd::cancelled);
        QVERIFY(job.result().total > 0);
        QCOMPARE(std::int64_t(job.result().spans.size()),
                 std::min(job.result().total, kMaxShownSpans));
    }

    void theRangePageListsExplainsAndDrawsTheSpans() {
        RangeSearchPage page([this] { return m_form; });
        page.resize(1100, 700);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        search(page, QDate(2016, 2, 4), QDate(2016, 2, 4));

        // The spans are the engine's, to the second.
        std::vector<Span> expected;
        SearchRange range{at(2016, 2, 4), at(2016, 2, 5), HourWindows{}, nullptr};
        searchSpans(captureConditions(m_form), range, [&](const Span& s) {
            expected.push_back(s);
            return true;
        });
        QCOMPARE(page.resultModel()->spans(), expected);
        QCOMPARE(expected.size(), std::size_t(10)); // 00-01, then 01-03 … 15-17, 17-17:45:53
        QAbstractItemModel* model = page.resultView()->model();
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("开始"));
        QCOMPARE(model->headerData(4, Qt::Horizontal).toString(), QStringLiteral("起因/止因"));
        const int last = model->rowCount() - 1;
        QCOMPARE(model->index(last, 0).data().toString(), QStringLiteral("2016-02-04 17:00:00"));
        QCOMPARE(model->index(last, 1).data().toString(), QStringLiteral("2016-02-04 17:45:53"));
        QCOMPARE(model->index(last, 2).data().toString(), QStringLiteral("乙未 己丑 丙辰 丁酉"));
        QCOMPARE(model->index(last, 4).data().toString(), QStringLiteral("时辰交接 / 节气交接"));
        QVERIFY(page.statusLabel()->text().startsWith(QStringLiteral("条件数：1  符合时段数：10")));

        // The first span is selected and explained: the row, the item found, its place.
        const QString why = page.explanation()->toPlainText();
        QVERIFY2(why.contains(QStringLiteral("天干 条件一")), qPrintable(why));
        QVERIFY2(why.contains(QStringLiteral("年干")), qPrintable(why));
        QVERIFY2(why.contains(QStringLiteral("乙未 己丑 丙辰 戊子")), qPrintable(why)); // at 00:00

        // The grid: the share of each block of the day.
        CalendarGridModel* grid = page.calendarGrid()->model();
        QCOMPARE(grid->scale(), CalendarGridModel::Scale::day);
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(grid->index(0, 0).data(CalendarGridModel::kShareRole).toDouble(), 1.0);
        QCOMPARE(grid->index(0, 9).data(CalendarGridModel::kShareRole).toDouble(),
                 (45 * 60 + 53) / 7200.0);
        QCOMPARE(grid->index(0, 10).data(CalendarGridModel::kShareRole).toDouble(), 0.0);
        QCOMPARE(grid->index(1, 5).data(CalendarGridModel::kShareRole).toDouble(), -1.0); // greyed
        // Clicking the 酉 cell selects its span.
        QTableView* gridView = page.calendarGrid()->view();
        QTest::mouseClick(gridView->viewport(), Qt::LeftButton, {},
                          gridView->visualRect(grid->index(0, 9)).center());
        QCOMPARE(page.resultView()->currentIndex().row(), last);

        // A row's chart opens from the table as in the form.
        page.resultView()->inspectRow(last);
        QVERIFY(page.resultView()->chartView());
        QCOMPARE(page.resultView()->chartView()->sheet().moment,
                 (CivilDateTime{{2016, 2, 4}, 17, 0, 0}));
        page.resultView()->chartView()->close();
    }

    void theRangePagesExportIsTheCommandLines() {
        RangeSearchPage page([this] { return m_form; });
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        // Hours 8-18 (辰 half, 巳 .. 酉 half): the windows cut spans too.
        for (int block = 0; block < kBlocksPerDay; ++block)
            page.blockBox(block)->setChecked(block >= 4 && block <= 9);
        QCOMPARE(page.hourWindows(), kNoHours.with(7, 19));
        search(page, QDate(2016, 1, 25), QDate(2016, 2, 10));
        QVERIFY(page.resultModel()->rowCount() > 10);

        const QString formFile = m_dir.filePath(QStringLiteral("yi.json"));
        QFile out(formFile);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(QByteArray::fromStdString(formStateToJson(m_form)));
        out.close();
        const QStringList args = {QStringLiteral("search"),  formFile,
                                  QStringLiteral("--from"),  QStringLiteral("2016-01-25"),
                                  QStringLiteral("--to"),    QStringLiteral("2016-02-10"),
                                  QStringLiteral("--hours"), QStringLiteral("7-19")};
        for (const auto format : {ResultView::ExportFormat::csv, ResultView::ExportFormat::json}) {
            const bool csv = format == ResultView::ExportFormat::csv;
            const QString file =
                m_dir.filePath(csv ? QStringLiteral("s.csv") : QStringLiteral("s.json"));
            QVERIFY(page.resultView()->exportTo(file, format));
            QCOMPARE(QString::fromUtf8(readAll(file)),
                     runCli(args +
                            QStringList{csv ? QStringLiteral("--csv") : QStringLiteral("--json")}));
        }
    }

    void aLongSearchRunsOffTheWindowAndCanBeCancelled() {
        m_form = everyChart();
        RangeSearchPage page([this] { return m_form; });
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        auto* searchButton = page.findChild<QPushButton*>(QStringLiteral("按钮_搜索"));
        auto* cancelButton = page.findChild<QPushButton*>(QStringLiteral("按钮_取消搜索"));
        page.fromBox()->setDate(QDate(1800, 1, 1));
        page.toBox()->setDate(QDate(2200, 12, 31));
        QTest::mouseClick(searchButton, Qt::LeftButton);
        QVERIFY(page.job()->isRunning());
        QVERIFY(!searchButton->isEnabled());
        QVERIFY(cancelButton->isEnabled());
        QTest::mouseClick(cancelButton, Qt::LeftButton);
        QVERIFY(page.job()->waitForFinished(60000));
        QCOMPARE(page.job()->result().end, SearchEnd::cancelled);
        QVERIFY(page.statusLabel()->text().startsWith(QStringLiteral("已取消")));
        QVERIFY(searchButton->isEnabled());
        QVERIFY(!cancelButton->isEnabled());

        // More than 10,000 spans: the first 10,000 listed, the number said; a
        // range of years is summarised by month in the grid, and a line opens its days.
        search(page, QDate(2016, 1, 1), QDate(2018, 6, 30));
        const std::int64_t total = page.job()->result().total;
        QVERIFY(total > kMaxShownSpans);
        QCOMPARE(page.resultModel()->rowCount(), int(kMaxShownSpans));
        QVERIFY2(page.statusLabel()->text().contains(QString::number(total)),
                 qPrintable(page.statusLabel()->text()));
        QVERIFY(page.statusLabel()->text().contains(QStringLiteral("前 10000 个")));
        CalendarGridModel* grid = page.calendarGrid()->model();
        QCOMPARE(grid->scale(), CalendarGridModel::Scale::month);
        QCOMPARE(grid->rowCount(), 31); // July 2018 holds the 子 from 23:00 of 30 June
        QCOMPARE(grid->index(1, 3).data(CalendarGridModel::kSpansRole).toLongLong(),
                 29); // 卯, Feb 2016
        page.calendarGrid()->activateCell(grid->index(1, 3));
        QCOMPARE(grid->scale(), CalendarGridModel::Scale::day);
        QCOMPARE(grid->rowCount(), 29);
        auto* back = page.findChild<QPushButton*>(QStringLiteral("按钮_日历返回"));
        QVERIFY(!back->isHidden());
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(grid->scale(), CalendarGridModel::Scale::month);

        // Half a year: by week, Monday first.
        search(page, QDate(2016, 1, 1), QDate(2016, 6, 30));
        QCOMPARE(grid->scale(), CalendarGridModel::Scale::week);
        QCOMPARE(grid->daysOfLine(0), (std::pair<int, int>{0, 2})); // Fri 1 .. Sun 3 January
        QCOMPARE(grid->daysOfLine(1), (std::pair<int, int>{3, 9})); // Mon 4 .. Sun 10
        QCOMPARE(grid->index(1, 2).data(CalendarGridModel::kSpansRole).toLongLong(), 7); // 寅
        QCOMPARE(grid->index(1, 3).data(CalendarGridModel::kSpansRole).toLongLong(), 8); // 卯: 小寒
        m_form = yearStemYi();
    }

    void aSearchWithoutConditionsOrWithReversedDatesIsRefused() {
        m_form = FormState(CivilDate{2016, 3, 16});
        RangeSearchPage page([this] { return m_form; });
        QSignalSpy message(&page, &RangeSearchPage::message);
        page.startSearch();
        QCOMPARE(message.count(), 1);
        QCOMPARE(message.first().first().toString(), QStringLiteral("未设置条件！"));
        m_form = yearStemYi();
        page.fromBox()->setDate(QDate(2016, 3, 1));
        page.toBox()->setDate(QDate(2016, 2, 1));
        page.startSearch();
        QCOMPARE(message.count(), 2);
        QVERIFY(message.last().first().toString().startsWith(QStringLiteral("结束日期")));
        QVERIFY(!page.job()->isRunning());
    }

    void thePillarBoxesOfferOnlyWhatCanStand() {
        ChartLookupPage page;
        QComboBox* month = page.pillarBox(1);
        QComboBox* hour = page.pillarBox(3);
        QCOMPARE(month->count(), 61); // 不详 and the sixty
        page.choosePillar(0, 33);     // 丙申: months 庚寅 .. 辛丑
        QCOMPARE(month->count(), 13);
        QCOMPARE(month->itemText(0), QStringLiteral("不详"));
        QVERIFY(month->findText(QStringLiteral("辛卯")) > 0);
        QCOMPARE(month->findText(QStringLiteral("甲子")), -1);
        page.choosePillar(1, 28); // 辛卯
        page.choosePillar(2, 34); // 丁酉: hours 庚子 .. 辛亥
        QCOMPARE(hour->count(), 13);
        QVERIFY(hour->findText(QStringLiteral("辛亥")) > 0);
        QCOMPARE(hour->findText(QStringLiteral("壬子")), -1);
        // A year for which the month chosen cannot stand clears the month.
        page.choosePillar(0, 1); // 甲子: months 丙寅 ..
        QCOMPARE(month->currentText(), QStringLiteral("不详"));
        page.choosePillar(0, 0);
        QCOMPARE(month->count(), 61);
    }

    void theLookupFindsEverySpanOfAChart() {
        ChartLookupPage page;
        page.resize(1000, 600);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.choosePillar(0, 33);
        page.choosePillar(1, 28);
        page.choosePillar(2, 34);
        page.choosePillar(3, 48); // 丙申 辛卯 丁酉 辛亥
        QTest::mouseClick(page.findChild<QPushButton*>(QStringLiteral("按钮_查找")),
                          Qt::LeftButton);
        QVERIFY(page.job()->waitForFinished(60000));
        const auto& spans = page.resultModel()->spans();
        QVERIFY(!spans.empty());
        bool found = false;
        for (const Span& s : spans) {
            QCOMPARE(s.pillars, (PillarIndices{33, 28, 34, 48}));
            found = found || (s.start == at(2016, 3, 16, 21) && s.end == at(2016, 3, 16, 23));
        }
        QVERIFY(found);
        QVERIFY(page.chartPanel()->toPlainText().contains(QStringLiteral("丙申 辛卯 丁酉 辛亥")));
        const std::size_t exact = spans.size();
        save(&page, QStringLiteral("lookup-page"));

        const QString file = m_dir.filePath(QStringLiteral("find.csv"));
        QVERIFY(page.resultView()->exportTo(file, ResultView::ExportFormat::csv));
        QCOMPARE(QString::fromUtf8(readAll(file)),
                 runCli({QStringLiteral("find"), QStringLiteral("丙申 辛卯 丁酉 辛亥"),
                         QStringLiteral("--csv")}));

        // Hour unknown: every span of those three pillars.
        page.choosePillar(3, 0);
        QTest::mouseClick(page.findChild<QPushButton*>(QStringLiteral("按钮_查找")),
                          Qt::LeftButton);
        QVERIFY(page.job()->waitForFinished(60000));
        QVERIFY(page.resultModel()->spans().size() > exact);
    }

    void aChartNotInTheRangeSaysWhereItIsNearest() {
        ChartLookupPage page;
        QSignalSpy message(&page, &ChartLookupPage::message);
        page.startLookup(); // nothing chosen
        QCOMPARE(message.count(), 1);
        QCOMPARE(message.first().first().toString(), QStringLiteral("请至少选一柱"));

        page.choosePillar(0, 33);
        page.choosePillar(1, 28);
        page.choosePillar(2, 34);
        page.choosePillar(3, 48);
        page.rangeBox()->setChecked(true);
        page.fromBox()->setDate(QDate(2016, 4, 1));
        page.toBox()->setDate(QDate(2016, 12, 31));
        page.startLookup();
        QVERIFY(page.job()->waitForFinished(60000));
        QCOMPARE(page.resultModel()->rowCount(), 0);
        const QString text = page.statusLabel()->text();
        QVERIFY2(text.startsWith(QStringLiteral("丙申 辛卯 丁酉 辛亥 不出现在所选范围内")),
                 qPrintable(text));
        QVERIFY2(
            text.contains(QStringLiteral("之前最近：2016-03-16 21:00:00 – 2016-03-16 23:00:00")),
            qPrintable(text));
        QCOMPARE(message.last().first().toString(), text);
    }

    void anEmptiedSpanTableKeepsNothingOfTheLastSearch() {
        TimeBasis sameDay;
        sameDay.lateZi = LateZi::sameDay;
        SpanResultModel model;
        model.setSpans(
            {Span{at(2016, 3, 16, 21), at(2016, 3, 16, 23), PillarIndices{33, 28, 34, 48},
                  CutReason::hourChange, CutReason::hourChange}},
            1, ChartOptions{true, true}, QStringLiteral("八字反查"),
            QStringLiteral("bazi-seek-find"), std::make_shared<const TimeBasis>(sameDay));
        QCOMPARE(model.columnCount(), int(SpanResultModel::readingColumn) + 1);
        model.clear();
        // The next search's empty table has the calendar's columns.
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.columnCount(), int(SpanResultModel::cutColumn) + 1);
        QVERIFY(!model.basis());
        QVERIFY(model.headerData(SpanResultModel::readingColumn, Qt::Horizontal, Qt::DisplayRole)
                    .isNull());
        QCOMPARE(model.documentTitle(), QString());
        QCOMPARE(model.exportBaseName(), QStringLiteral("bazi-seek-spans"));
        QVERIFY(!model.chartOptions().swap && !model.chartOptions().female);
    }

    void cutReasonLabelsAreTheEngineTexts() {
        // Untranslated, each label is the text the command line writes.
        for (const CutReason reason : {CutReason::solarTerm, CutReason::dayChange,
                                       CutReason::hourChange, CutReason::range, CutReason::window})
            QCOMPARE(cutReasonLabel(reason), toQString(cutReasonText(reason)));
    }

    void theLookupKeepsNoCalendarTally() {
        // Nothing shows a tally of the lookup: a whole calendar's would be
        // some twenty megabytes.
        ChartLookupPage page;
        page.choosePillar(0, 33);
        page.choosePillar(1, 28);
        page.startLookup();
        QVERIFY(page.job()->waitForFinished(60000));
        QVERIFY(page.resultModel()->rowCount() > 0);
        QCOMPARE(page.job()->result().tally.dayCount(), 0);
    }

    void copyFollowsTheTableOfThePageShown() {
        LanguageSwitcher switcher;
        switcher.install(Language::simplifiedChinese);
        MainWindow window(&switcher);
        FormState dayStemDing(CivilDate{2016, 3, 16});
        dayStemDing.select("组合框_干1", 5);     // 丁
        dayStemDing.select("组合框_位置干1", 3); // 日干
        dayStemDing.select("组合框_干数量1", 5); // 非0
        window.form()->loadFormState(dayStemDing);
        window.form()->runQuery();
        QVERIFY(window.form()->resultGrid()->model()->rowCount() > 0);
        const auto copyOffered = [&window] {
            Q_EMIT window.editMenu()->aboutToShow();
            return window.copyAction()->isEnabled();
        };
        QVERIFY(copyOffered());
        // The other pages' tables are empty: there is nothing of theirs to copy.
        window.pages()->setCurrentIndex(MainWindow::rangeSearchPage);
        QVERIFY(!copyOffered());
        window.pages()->setCurrentIndex(MainWindow::chartLookupPage);
        QVERIFY(!copyOffered());
        window.pages()->setCurrentIndex(MainWindow::queryPage);
        QVERIFY(copyOffered());
    }

    void aPagesMessageShowsTypedTextAsPlainText() {
        LanguageSwitcher switcher;
        switcher.install(Language::simplifiedChinese);
        MainWindow window(&switcher);
        window.form()->loadFormState(yearStemYi());
        window.pages()->setCurrentIndex(MainWindow::rangeSearchPage);
        CnCalendar* from = window.rangePage()->fromBox();
        from->setFocus();
        QTest::keyClicks(from, "<");
        from->editor()->setText(QStringLiteral("<img src=\"x\">") + QString(500, QLatin1Char('9')));
        window.rangePage()->startSearch();
        QMessageBox* box = window.messageBox();
        QVERIFY(box);
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QVERIFY2(box->text().startsWith(QStringLiteral("日期“<img src=\"x\">999")),
                 qPrintable(box->text()));
        QVERIFY2(box->text().size() < 300, qPrintable(box->text()));
        box->close();
    }

    void theWindowHoldsThePagesAndTheirMenus() {
        LanguageSwitcher switcher;
        switcher.install(Language::simplifiedChinese);
        MainWindow window(&switcher);
        window.resize(1200, 760);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.form()->loadFormState(yearStemYi());
        QTabWidget* pages = window.pages();
        QCOMPARE(pages->count(), 3);
        QCOMPARE(pages->tabText(1), QStringLiteral("时间范围"));
        QCOMPARE(pages->tabText(2), QStringLiteral("八字反查"));
        pages->setCurrentIndex(MainWindow::rangeSearchPage);
        QCOMPARE(window.currentResultView(), window.rangePage()->resultView());
        QVERIFY(window.rangePage()
                    ->findChild<QLabel*>(QStringLiteral("标签_搜索条件"))
                    ->text()
                    .contains(QStringLiteral("天干 条件一：乙 年干 非0")));
        window.rangePage()->fromBox()->setDate(QDate(2016, 1, 28));
        window.rangePage()->toBox()->setDate(QDate(2016, 2, 12));
        window.rangePage()->startSearch();
        QVERIFY(window.rangePage()->job()->waitForFinished(60000));
        save(&window, QStringLiteral("range-page"));
        // "修改条件…" goes back to the form.
        QTest::mouseClick(
            window.rangePage()->findChild<QPushButton*>(QStringLiteral("按钮_修改条件")),
            Qt::LeftButton);
        QCOMPARE(pages->currentIndex(), int(MainWindow::queryPage));
        QCOMPARE(window.currentResultView(), window.form()->resultGrid());
        window.form()->loadFormState(window.form()->captureFormState());
    }
};

QTEST_MAIN(SearchPagesTest)
#include "search_pages_test.moc"

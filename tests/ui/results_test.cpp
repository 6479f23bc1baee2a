// The result page after a query: the chart of a row, export, copy, printing.
#include "form/form_state.h"
#include "form/form_state_writer.h"
#include "query/query_driver.h"
#include "texts/result_formats.h"
#include "ui/chart_sheet.h"
#include "ui/chart_view.h"
#include "ui/cn_calendar.h"
#include "ui/main_form.h"
#include "ui/query_result_model.h"
#include "ui/result_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using namespace bazi;
using namespace bazi::ui;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// 丁 as the day stem on 2016-03-16: the twelve moments of that day match.
FormState dayStemDing(bool swap = false, bool female = false) {
    FormState form(CivilDate{2016, 3, 16});
    form.select("组合框_干1", 5);     // 丁
    form.select("组合框_位置干1", 3); // 日干
    form.select("组合框_干数量1", 5); // 非0
    form.setChecked(kSwapCheckBox, swap);
    form.setChecked(kFemaleCheckBox, female);
    return form;
}

} // namespace

class ResultsTest : public QObject {
    Q_OBJECT

private:
    MainForm* m_form = nullptr;
    QTemporaryDir m_dir;

    ResultView* grid() const { return m_form->resultGrid(); }

    void runWith(const FormState& form) {
        m_form->loadFormState(form);
        m_form->runQuery();
        QVERIFY(!m_form->messageBox());
        QCOMPARE(grid()->model()->rowCount(), 12);
    }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
    }
    void init() {
        m_form = new MainForm;
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form));
    }
    void cleanup() {
        delete m_form;
        m_form = nullptr;
    }

    void chartSheetOfAKnownMoment() {
        const ChartSheet s = chartSheetOf({{2016, 3, 16}, 22, 0, 0}, {});
        QCOMPARE(s.facts.pillars, (PillarIndices{33, 28, 34, 48}));
        const QString text = chartSheetText(s);
        const QStringList lines = text.split('\n');
        // Facts, each on a line of its own.
        for (const char* fact : {
                 "公历：2016-03-16 22:00:00（亥时）",
                 "农历：2016年二月初八",
                 "八字：丙申 辛卯 丁酉 辛亥",
                 "当前节气：惊蛰  2016-03-05 11:43:23",
                 "下一节气：春分  2016-03-20 12:30:02",
                 "五行（八字）：金 4，水 1，木 1，火 2，土 0",
                 "读法：男命",
             })
            QVERIFY2(lines.contains(QString::fromUtf8(fact)), fact);
        // The pillar table: columns year .. hour, a tab between cells.
        for (const char* row : {
                 "\t年柱\t月柱\t日柱\t时柱",
                 "十神\t劫财\t偏财\t日主\t偏财",
                 "天干\t丙 火\t辛 金\t丁 火\t辛 金",
                 "地支\t申 金\t卯 木\t酉 金\t亥 水",
                 "十神\t正财\t偏印\t偏财\t偏官",
                 "神煞\t天德贵人\t元辰\t天乙贵人、咸池、童子\t天乙贵人、驿马",
             })
            QVERIFY2(lines.contains(QString::fromUtf8(row)), row);
        const QString hidden = lines.filter(QRegularExpression("^藏干\t")).value(0);
        QVERIFY2(hidden.startsWith(QStringLiteral("藏干\t庚 金 正财、")), qPrintable(hidden));
        QVERIFY2(hidden.contains(QStringLiteral("\t乙 木 偏印\t辛 金 偏财\t壬 水 正官")),
                 qPrintable(hidden));

        // The swap box turns 亥 yang: its ten-god becomes 正官; 女命 moves 元辰.
        const QString swapped =
            chartSheetText(chartSheetOf({{2016, 3, 16}, 22, 0, 0}, {true, false}));
        QVERIFY(swapped.contains(QStringLiteral("十神\t正财\t偏印\t偏财\t正官")));
        QVERIFY(swapped.contains(QStringLiteral("读法：男命，亥子巳午阴阳置换")));
        const QString female =
            chartSheetText(chartSheetOf({{2016, 3, 16}, 22, 0, 0}, {false, true}));
        QVERIFY(female.contains(QStringLiteral("读法：女命")));
        QVERIFY(!female.contains(QStringLiteral("神煞\t天德贵人\t元辰\t")));
    }

    void doubleClickOrEnterOpensTheChart() {
        runWith(dayStemDing(true, false));
        const QModelIndex first = grid()->model()->index(0, 0);
        // A double click: a click, then the second press as a double click.
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {},
                          grid()->visualRect(first).center());
        QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {},
                           grid()->visualRect(first).center());
        ChartView* view = grid()->chartView();
        QVERIFY(view);
        QVERIFY(view->isVisible());
        QCOMPARE(view->sheet().moment, (CivilDateTime{{2016, 3, 16}, 22, 0, 0}));
        QCOMPARE(view->sheet().options, (ChartOptions{true, false})); // the run's boxes
        QVERIFY(view->browser()->toPlainText().contains(QStringLiteral("丙申 辛卯 丁酉 辛亥")));
        // The window is named after the sheet's heading, the first line shown.
        QCOMPARE(view->windowTitle(), QStringLiteral("八字 2016-03-16 22:00:00 的八字"));
        QCOMPARE(view->browser()->toPlainText().section('\n', 0, 0),
                 chartSheetTitle(view->sheet()));
        QTest::keyClick(view, Qt::Key_Escape);
        QVERIFY(!view->isVisible());

        // Enter on the third row (20 - 4 = 18 时) opens its chart and runs no query.
        grid()->setFocus();
        grid()->setCurrentIndex(grid()->model()->index(2, 1));
        QSignalSpy changed(m_form->resultModel(), &QAbstractItemModel::modelReset);
        QTest::keyClick(grid(), Qt::Key_Return);
        QCOMPARE(changed.count(), 0);
        QVERIFY(view->isVisible());
        QCOMPARE(view->sheet().moment, (CivilDateTime{{2016, 3, 16}, 18, 0, 0}));

        // Copy puts the sheet's text on the clipboard.
        QTest::mouseClick(view->findChild<QPushButton*>(QStringLiteral("按钮_复制八字")),
                          Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), chartSheetText(view->sheet()));
        const QString pdf = m_dir.filePath(QStringLiteral("chart.pdf"));
        QVERIFY(view->writePdfTo(pdf));
        QVERIFY(readAll(pdf).startsWith("%PDF"));
        view->close();
    }

    void exportWritesTheCommandLinesFormats() {
        runWith(dayStemDing());
        const QueryResult expected = runQuery(dayStemDing());
        const QString csv = m_dir.filePath(QStringLiteral("result.csv"));
        const QString json = m_dir.filePath(QStringLiteral("result.json"));
        QVERIFY(grid()->exportTo(csv, ResultView::ExportFormat::csv));
        QVERIFY(grid()->exportTo(json, ResultView::ExportFormat::json));
        QCOMPARE(readAll(csv), QByteArray::fromStdString(queryResultCsv(expected)));
        QCOMPARE(readAll(json), QByteArray::fromStdString(queryResultJson(expected)));
        QVERIFY(readAll(csv).startsWith("moment,gregorian,lunar,chart\n2016-03-16T22:00:00,"
                                        "2016年3月16日22时,2016年 2月 初8,丙申 辛卯 丁酉 辛亥\n"));

        // Byte for byte what the command line writes for the same form.
        const QString formFile = m_dir.filePath(QStringLiteral("form.json"));
        QFile out(formFile);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(QByteArray::fromStdString(formStateToJson(dayStemDing())));
        out.close();
        for (const auto& [flag, file] : {std::pair{"--csv", csv}, std::pair{"--json", json}}) {
            QProcess cli;
            cli.start(QCoreApplication::applicationDirPath() + QStringLiteral("/bazi-seek"),
                      {QStringLiteral("query"), formFile, QString::fromLatin1(flag)});
            QVERIFY(cli.waitForFinished(20000));
            QCOMPARE(cli.exitCode(), 0);
            QCOMPARE(cli.readAllStandardOutput(), readAll(file));
        }

        // The file is written whole or not at all.
        QString error;
        QVERIFY(!grid()->exportTo(m_dir.filePath(QStringLiteral("no/such/folder/x.csv")),
                                  ResultView::ExportFormat::csv, &error));
        QVERIFY(!error.isEmpty());
    }

    void copyTakesTheSelectedRowsWithTheHeader() {
        runWith(dayStemDing());
        grid()->setFocus();
        grid()->selectRow(0);
        grid()->selectionModel()->select(grid()->model()->index(2, 0),
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QTest::keyClick(grid(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("公历时间\t农历时间\t八字\n"
                                "2016年3月16日22时\t2016年 2月 初8\t丙申 辛卯 丁酉 辛亥\n"
                                "2016年3月16日18时\t2016年 2月 初8\t丙申 辛卯 丁酉 己酉\n"));
        // Nothing selected: every row.
        grid()->clearSelection();
        QCOMPARE(grid()->selectedRowsText().count('\n'), 13);
    }

    void reckonedLunarDatesAreMarkedAsOnTheCommandLine() {
        FormState form = dayStemDing();
        form.date = CivilDate{1900, 3, 16};
        m_form->loadFormState(form);
        m_form->runQuery();
        QAbstractItemModel* model = grid()->model();
        QVERIFY(model->rowCount() > 0);
        QVERIFY(model->index(0, 1).data().toString().endsWith(QStringLiteral(" 推算")));
        const QString csv = m_dir.filePath(QStringLiteral("old.csv"));
        QVERIFY(grid()->exportTo(csv, ResultView::ExportFormat::csv));
        QCOMPARE(readAll(csv), QByteArray::fromStdString(queryResultCsv(runQuery(form))));
        QVERIFY(readAll(csv).contains(" 推算,"));
    }

    void printingWritesAPdfOfTheTable() {
        runWith(dayStemDing());
        QTextDocument document;
        grid()->fillDocument(document);
        const QString text = document.toPlainText();
        QVERIFY(text.contains(
            QStringLiteral("查询结果：2016-03-16 及前两天（条件数：1  符合数：12）")));
        QVERIFY(text.contains(QStringLiteral("丙申 辛卯 丁酉 庚子")));
        const QString pdf = m_dir.filePath(QStringLiteral("result.pdf"));
        QVERIFY(grid()->writePdfTo(pdf));
        QVERIFY(readAll(pdf).startsWith("%PDF"));
    }

    void contextMenuOffersTheActions() {
        // Before any run there is nothing to copy, print or inspect.
        QVERIFY(!grid()->copyAction()->isEnabled());
        QVERIFY(!grid()->printAction()->isEnabled());
        runWith(dayStemDing());
        grid()->setCurrentIndex(grid()->model()->index(0, 0));
        for (QAction* action :
             {grid()->inspectAction(), grid()->copyAction(), grid()->exportCsvAction(),
              grid()->exportJsonAction(), grid()->printAction(), grid()->pdfAction()}) {
            QVERIFY2(action->isEnabled(), qPrintable(action->text()));
            QVERIFY(!action->text().isEmpty());
        }
        QCOMPARE(grid()->copyAction()->shortcut(), QKeySequence(QKeySequence::Copy));
    }
};

QTEST_MAIN(ResultsTest)
#include "results_test.moc"

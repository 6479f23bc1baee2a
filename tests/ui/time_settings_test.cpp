// "时间设置" and the time basis in the window: the dialog's fields and
// refusals, the place search, the choice remembered between runs, the basis in
// the status line, and every page's results on Shanghai's clock across the
// start of summer time on 1988-04-17 (02:00 +08:00 became 03:00 +09:00), with
// exports equal to the command line's; the reverse lookup under "same-day".
// Writes pictures of the dialog and of results on that basis to
// <build>/screenshots/.
#include "calendar/civil_seconds.h"
#include "conditions/condition_model.h"
#include "form/form_catalog.h"
#include "form/form_state_writer.h"
#include "search/chart_lookup.h"
#include "search/span_search.h"
#include "search/span_walker.h"
#include "texts/basis_texts.h"
#include "ui/app_settings.h"
#include "ui/calendar_grid.h"
#include "ui/chart_lookup_page.h"
#include "ui/chart_view.h"
#include "ui/cn_calendar.h"
#include "ui/language.h"
#include "ui/main_form.h"
#include "ui/main_window.h"
#include "ui/query_result_model.h"
#include "ui/range_search_page.h"
#include "ui/result_view.h"
#include "ui/span_job.h"
#include "ui/span_result_model.h"
#include "ui/time_settings.h"
#include "ui/time_settings_dialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
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

QString runCli(const QStringList& args) {
    QProcess cli;
    cli.start(QCoreApplication::applicationDirPath() + QStringLiteral("/bazi-seek"), args);
    if (!cli.waitForFinished(60000) || cli.exitCode() != 0)
        return QStringLiteral("<bazi-seek failed: ") + cli.readAllStandardError() + ">";
    return QString::fromUtf8(cli.readAllStandardOutput());
}

// Row 1 of a group set by item texts, as the user picks them.
void setRow(FormState& form, GroupId group, const char* value, const char* position,
            const char* count) {
    const GroupSpec& spec = groupSpec(group);
    const RowNames names = rowNames(group, 1);
    const auto index = [](ItemList list, std::string_view text) {
        const auto items = itemsOf(list);
        for (std::size_t k = 0; k < items.size(); ++k)
            if (items[k] == text)
                return static_cast<int>(k);
        return -1;
    };
    form.select(names.value, index(spec.valueList, value));
    form.select(names.position, index(spec.positionList, position));
    form.select(names.count, index(spec.countList, count));
}

// Every moment of a window: some stem, anywhere, at least none of it.
FormState everyMoment(CivilDate date) {
    FormState form(date);
    setRow(form, GroupId::stem, "不指定", "不固定", ">=0");
    return form;
}

// The hour branch 丑: the span 01:00-03:00 of each day.
FormState hourBranchChou() {
    FormState form(CivilDate{1988, 4, 17});
    setRow(form, GroupId::branch, "丑", "时支", "非0");
    return form;
}

TimeSettings shanghai() {
    TimeSettings s;
    s.zone = "Asia/Shanghai";
    return s;
}

TimeBasis basisOf(const TimeSettings& s) {
    return basisFromSettings(s).basis;
}

template <class T> T* child(QWidget* parent, const char* name) {
    T* w = parent->findChild<T*>(QString::fromUtf8(name));
    if (!w)
        qWarning("no %s", name);
    return w;
}

} // namespace

class TimeSettingsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    static void save(QWidget* widget, const QString& name) {
        QCoreApplication::processEvents();
        QDir().mkpath(QStringLiteral(BAZI_SCREENSHOT_DIR));
        QVERIFY(widget->grab().save(QStringLiteral(BAZI_SCREENSHOT_DIR "/") + name +
                                    QStringLiteral(".png")));
    }

    QString writeForm(const FormState& form, const char* name) {
        const QString path = m_dir.filePath(QString::fromUtf8(name));
        QFile out(path);
        if (out.open(QIODevice::WriteOnly))
            out.write(QByteArray::fromStdString(formStateToJson(form)));
        return path;
    }

    // Types as a keyboard does into a widget (any script, unlike QTest::keyClicks).
    static void typeInto(QWidget* widget, const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &press);
        }
    }
    // The same into whatever has the focus.
    static void type(const QString& text) { typeInto(QApplication::focusWidget(), text); }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
    }
    void init() { QSettings().clear(); }

    void theDialogShowsAChoiceAndReadsItBack() {
        TimeSettingsDialog dialog(TimeSettings{});
        QVERIFY(child<QRadioButton>(&dialog, "单选框_固定时区")->isChecked());
        QVERIFY(!child<QComboBox>(&dialog, "组合框_时区")->isEnabled());
        QVERIFY(child<QRadioButton>(&dialog, "单选框_钟表时")->isChecked());
        QVERIFY(child<QRadioButton>(&dialog, "单选框_晚子时次日")->isChecked());
        QCOMPARE(dialog.settings(), TimeSettings{});
        QCOMPARE(child<QLabel>(&dialog, "标签_基准预览")->text(),
                 QStringLiteral("时间基准：时区 UTC+8（固定，无夏令时）；日柱、时柱按钟表时；"
                                "晚子时算次日"));

        // Every zone of the tz database is listed.
        QComboBox* zones = child<QComboBox>(&dialog, "组合框_时区");
        QVERIFY(zones->count() > 300);
        QVERIFY(zones->findText(QStringLiteral("America/New_York")) >= 0);

        TimeSettings chosen = shanghai();
        chosen.placeName = "成都";
        chosen.longitude = 104.0667;
        chosen.solarTime = SolarTime::apparent;
        chosen.lateZi = LateZi::sameDay;
        dialog.setSettings(chosen);
        QCOMPARE(dialog.settings(), chosen);
        QCOMPARE(dialog.problem(), SettingsProblem::none);
        QVERIFY(child<QRadioButton>(&dialog, "单选框_真太阳时")->isChecked());
        QVERIFY(child<QRadioButton>(&dialog, "单选框_晚子时当日")->isChecked());
        QCOMPARE(child<QLineEdit>(&dialog, "编辑框_经度")->text(), QStringLiteral("104.0667"));
        QCOMPARE(child<QLabel>(&dialog, "标签_所选地点")->text(), QStringLiteral("出生地：成都"));
        QCOMPARE(child<QLabel>(&dialog, "标签_基准预览")->text(),
                 QStringLiteral("时间基准：") +
                     QString::fromStdString(describeBasis(basisOf(chosen))));

        // A longitude typed by hand is no longer the place's.
        QLineEdit* longitude = child<QLineEdit>(&dialog, "编辑框_经度");
        longitude->setFocus();
        longitude->selectAll();
        QTest::keyClicks(longitude, QStringLiteral("104.5"));
        QCOMPARE(dialog.settings().longitude, std::optional<double>(104.5));
        QVERIFY(dialog.settings().placeName.empty());
        QCOMPARE(child<QLabel>(&dialog, "标签_所选地点")->text(),
                 QStringLiteral("出生地：按所填经度"));

        QTest::mouseClick(child<QPushButton>(&dialog, "按钮_恢复默认"), Qt::LeftButton);
        QCOMPARE(dialog.settings(), TimeSettings{});
    }

    void unknownZonesAreRefusedBesideTheBox() {
        TimeSettingsDialog dialog(TimeSettings{});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(child<QRadioButton>(&dialog, "单选框_时区"), Qt::LeftButton);
        QComboBox* zone = child<QComboBox>(&dialog, "组合框_时区");
        zone->lineEdit()->selectAll();
        QTest::keyClicks(zone->lineEdit(), QStringLiteral("Asia/Shangai"));
        QCOMPARE(dialog.problem(), SettingsProblem::unknownZone);
        QTest::mouseClick(child<QPushButton>(&dialog, "按钮_确定"), Qt::LeftButton);
        QVERIFY(dialog.isVisible()); // OK refused it
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QLabel* problem = child<QLabel>(&dialog, "标签_时区问题");
        QVERIFY(problem->isVisible());
        QVERIFY2(problem->text().startsWith(QStringLiteral("“Asia/Shangai”不是时区数据库中的时区")),
                 qPrintable(problem->text()));
        QVERIFY(child<QLabel>(&dialog, "标签_基准预览")->text().contains(QStringLiteral("标红")));

        // A zone with a name but not chosen from the database; then a right one.
        zone->lineEdit()->clear();
        QCOMPARE(dialog.problem(), SettingsProblem::unknownZone);
        QTest::keyClicks(zone->lineEdit(), QStringLiteral("Asia/Shanghai"));
        QTest::mouseClick(child<QPushButton>(&dialog, "按钮_确定"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!problem->isVisible());
        QCOMPARE(dialog.settings(), shanghai());
    }

    void longitudesOutsideTheRangeAreRefused() {
        TimeSettingsDialog dialog(TimeSettings{});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QLineEdit* longitude = child<QLineEdit>(&dialog, "编辑框_经度");
        QLabel* problem = child<QLabel>(&dialog, "标签_经度问题");
        for (const char* text : {"181", "-180.01", "东经104", "1e9"}) {
            longitude->clear();
            typeInto(longitude, QString::fromUtf8(text));
            QCOMPARE(dialog.problem(), SettingsProblem::longitudeOutOfRange);
            QVERIFY2(problem->isVisible(), text);
            dialog.accept();
            QVERIFY2(dialog.isVisible(), text);
        }
        QVERIFY(problem->text().contains(QStringLiteral("-180 到 180")));
        longitude->clear();
        QTest::keyClicks(longitude, QStringLiteral("-180"));
        QCOMPARE(dialog.problem(), SettingsProblem::none);
        QVERIFY(!problem->isVisible());
    }

    void solarTimeNeedsTheBirthPlace() {
        TimeSettingsDialog dialog(TimeSettings{});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QLabel* problem = child<QLabel>(&dialog, "标签_太阳时问题");
        for (const char* name : {"单选框_平太阳时", "单选框_真太阳时"}) {
            QTest::mouseClick(child<QRadioButton>(&dialog, name), Qt::LeftButton);
            QCOMPARE(dialog.problem(), SettingsProblem::solarTimeWithoutPlace);
            QVERIFY(problem->isVisible());
            dialog.accept();
            QVERIFY(dialog.isVisible());
            // Refused, the focus goes where the place is given.
            QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(&dialog, "编辑框_查找地点"));
        }
        QCOMPARE(problem->text(),
                 QStringLiteral("平太阳时、真太阳时要知道出生地：请查找地点或填写经度"));
        QTest::keyClicks(child<QLineEdit>(&dialog, "编辑框_经度"), QStringLiteral("87.6"));
        QCOMPARE(dialog.problem(), SettingsProblem::none);
        QVERIFY(!problem->isVisible());
        // The longitude alone keeps the fixed clock: only the pillars follow the sun.
        QCOMPARE(dialog.settings().zone, std::string());
        QCOMPARE(dialog.settings().solarTime, SolarTime::apparent);
    }

    void aPlaceFillsItsLongitudeAndClockZone() {
        TimeSettingsDialog dialog(TimeSettings{});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QLineEdit* search = child<QLineEdit>(&dialog, "编辑框_查找地点");
        QListWidget* list = child<QListWidget>(&dialog, "列表_地点");
        const struct {
            const char* query;
            const char* name;
            const char* zone;
        } cases[] = {
            {"成都", "成都", "Asia/Shanghai"},
            // Xinjiang keeps Beijing time, not tz's Asia/Urumqi.
            {"乌鲁木齐", "乌鲁木齐", "Asia/Shanghai"},
            {"London", "伦敦", "Europe/London"},
        };
        for (const auto& c : cases) {
            search->clear();
            typeInto(search, QString::fromUtf8(c.query));
            QTest::mouseClick(child<QPushButton>(&dialog, "按钮_查找地点"), Qt::LeftButton);
            QVERIFY2(!dialog.places().empty(), c.query);
            QVERIFY2(list->item(0)->text().contains(QString::fromUtf8(c.zone)),
                     qPrintable(list->item(0)->text()));
            dialog.choosePlace(0);
            const TimeSettings s = dialog.settings();
            QCOMPARE(QString::fromStdString(s.placeName), QString::fromUtf8(c.name));
            QCOMPARE(s.zone, std::string(c.zone));
            QCOMPARE(s.longitude, std::optional<double>(dialog.places().front().longitude));
            QVERIFY(child<QRadioButton>(&dialog, "单选框_时区")->isChecked());
        }
        // Nothing found is said in the list, and nothing can be chosen there.
        search->clear();
        QTest::keyClicks(search, QStringLiteral("Xyzzyqq"));
        dialog.searchPlaces();
        QVERIFY(dialog.places().empty());
        QCOMPARE(list->count(), 1);
        QVERIFY(list->item(0)->text().startsWith(QStringLiteral("没有找到“Xyzzyqq”")));
        QCOMPARE(list->item(0)->flags(), Qt::NoItemFlags);
    }

    void theWindowTakesItByKeyboardAndRemembersIt() {
        TimeSettings chosen;
        {
            LanguageSwitcher switcher;
            switcher.install(Language::simplifiedChinese);
            MainWindow window(&switcher);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QCOMPARE(window.timeSettingsAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
            QCOMPARE(window.basisLabel()->text(),
                     QStringLiteral("时间基准：时区 UTC+8（固定，无夏令时）；日柱、时柱按钟表时；"
                                    "晚子时算次日"));

            // Ctrl+T, the place by its name, the solar time by its letter, Enter.
            QTest::keyClick(&window, Qt::Key_T, Qt::ControlModifier);
            TimeSettingsDialog* dialog = window.timeSettingsDialog();
            QVERIFY(dialog);
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(dialog));
            QTest::keyClick(dialog, Qt::Key_P, Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(dialog, "编辑框_查找地点"));
            type(QStringLiteral("成都"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY(dialog->isVisible()); // Enter searched
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            QCOMPARE(QApplication::focusWidget(), child<QListWidget>(dialog, "列表_地点"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY(dialog->isVisible()); // Enter took the place
            QCOMPARE(dialog->settings().zone, std::string("Asia/Shanghai"));
            QTest::keyClick(dialog, Qt::Key_T, Qt::AltModifier);
            // A mnemonic clicks its button as a mouse would, a moment later.
            QTRY_VERIFY(child<QRadioButton>(dialog, "单选框_真太阳时")->isChecked());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY(QTest::qWaitFor([&window] { return !window.timeSettingsDialog(); }, 2000));

            chosen = window.timeSettings();
            QCOMPARE(chosen.zone, std::string("Asia/Shanghai"));
            QCOMPARE(chosen.placeName, std::string("成都"));
            QCOMPARE(chosen.solarTime, SolarTime::apparent);
            QCOMPARE(window.basisLabel()->text(),
                     QStringLiteral("时间基准：") +
                         QString::fromStdString(describeBasis(basisOf(chosen))));
            QVERIFY(window.basisLabel()->font().bold());
            // Every page runs on it.
            QVERIFY(sameReading(window.form()->timeBasis(), basisOf(chosen)));
        }

        // The next run starts with it, and the dialog shows it.
        LanguageSwitcher switcher;
        MainWindow again(&switcher);
        QCOMPARE(again.timeSettings(), chosen);
        QCOMPARE(again.basisLabel()->text(),
                 QStringLiteral("时间基准：") +
                     QString::fromStdString(describeBasis(basisOf(chosen))));
        again.openTimeSettings();
        QVERIFY(again.timeSettingsDialog());
        QCOMPARE(again.timeSettingsDialog()->settings(), chosen);
        // "恢复默认" and OK: the calendar's basis again, for this run and the next.
        QTest::mouseClick(child<QPushButton>(again.timeSettingsDialog(), "按钮_恢复默认"),
                          Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(again.timeSettingsDialog(), "按钮_确定"),
                          Qt::LeftButton);
        QCOMPARE(again.timeSettings(), TimeSettings{});
        QVERIFY(again.timeBasis().isDefault());
        QVERIFY(!again.basisLabel()->font().bold());
        QCOMPARE(loadTimeSettings(QSettings()), TimeSettings{});
    }

    void cancelChangesNothingAndABadSavedChoiceFallsBack() {
        {
            LanguageSwitcher switcher;
            MainWindow window(&switcher);
            window.openTimeSettings();
            TimeSettingsDialog* dialog = window.timeSettingsDialog();
            dialog->setSettings(shanghai());
            QTest::mouseClick(child<QPushButton>(dialog, "按钮_取消"), Qt::LeftButton);
            QVERIFY(window.timeBasis().isDefault());
            QVERIFY(!QSettings().contains(QStringLiteral("time/zone")));
            // A choice without a basis is not taken.
            TimeSettings bad = shanghai();
            bad.solarTime = SolarTime::mean;
            QVERIFY(!window.setTimeSettings(bad));
            QVERIFY(window.timeBasis().isDefault());
        }
        // A zone the tz database no longer knows: the calendar's basis, and a word why.
        QSettings().setValue(QStringLiteral("time/zone"), QStringLiteral("Asia/Atlantis"));
        LanguageSwitcher switcher;
        MainWindow window(&switcher);
        QVERIFY(window.timeBasis().isDefault());
        QVERIFY2(window.statusBar()->currentMessage().contains(QStringLiteral("Asia/Atlantis")),
                 qPrintable(window.statusBar()->currentMessage()));
        QVERIFY(window.basisLabel()->text().contains(QStringLiteral("UTC+8")));
    }

    // Shanghai 1988-04-17: 02:00 never showed; 04:00 is +09:00 and reads 03:00.
    void theQueryReadsClockTimesOfTheZone() {
        LanguageSwitcher switcher;
        switcher.install(Language::simplifiedChinese);
        MainWindow window(&switcher);
        window.resize(1000, 700);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.setTimeSettings(shanghai()));
        MainForm* form = window.form();
        const FormState state = everyMoment({1988, 4, 17});
        form->loadFormState(state);
        form->runQuery();
        QVERIFY(!form->messageBox());
        QueryResultModel* model = form->resultModel();
        QCOMPARE(model->rowCount(), 35); // 36 moments, less the one that never was
        QCOMPARE(model->columnCount(), 5);
        QCOMPARE(model->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("UTC 偏移"));
        const auto rowOf = [model](const QString& gregorian) {
            for (int r = 0; r < model->rowCount(); ++r)
                if (model->index(r, 0).data().toString() == gregorian)
                    return r;
            return -1;
        };
        QCOMPARE(rowOf(QStringLiteral("1988年4月17日2时")), -1);
        const int four = rowOf(QStringLiteral("1988年4月17日4时"));
        const int midnight = rowOf(QStringLiteral("1988年4月17日"));
        QVERIFY(four >= 0 && midnight > four);
        QCOMPARE(model->index(four, 3).data().toString(), QStringLiteral("+09:00"));
        QCOMPARE(model->index(four, 4).data().toString(),
                 QStringLiteral("标准时 1988-04-17 03:00:00"));
        QCOMPARE(model->index(midnight, 3).data().toString(), QStringLiteral("+08:00"));
        QCOMPARE(model->index(midnight, 4).data().toString(), QString());
        save(&window, QStringLiteral("result-page-basis"));

        // The chart of 04:00: on the basis, read on standard time, at an hour's cut.
        ResultView* grid = form->resultGrid();
        grid->inspectRow(four);
        ChartView* view = grid->chartView();
        QVERIFY(view && view->isVisible());
        const QString sheet = view->browser()->toPlainText();
        for (const char* line : {
                 "1988-04-17 04:00:00 +09:00（寅时）",
                 "时区 Asia/Shanghai；日柱、时柱按标准时（夏令时不计）；晚子时算次日",
                 "标准时 1988-04-17 03:00:00",
                 "时辰交接 1988-04-17 04:00:00 +09:00，0分0秒前；另一侧八字 戊辰 丙辰 壬寅 辛丑",
                 "清明 1988-04-04 21:39:05 +08:00",
                 "谷雨 1988-04-20 05:44:48 +09:00",
             })
            QVERIFY2(sheet.contains(QString::fromUtf8(line)), qPrintable(sheet));
        save(view, QStringLiteral("chart-view-basis"));
        view->close();

        // The exports are the command line's for the same basis, byte for byte.
        const QString file = writeForm(state, "every.json");
        for (const auto format : {ResultView::ExportFormat::csv, ResultView::ExportFormat::json}) {
            const bool csv = format == ResultView::ExportFormat::csv;
            const QString out =
                m_dir.filePath(csv ? QStringLiteral("q.csv") : QStringLiteral("q.json"));
            QVERIFY(grid->exportTo(out, format));
            QCOMPARE(QString::fromUtf8(readAll(out)),
                     runCli({QStringLiteral("query"), file, QStringLiteral("--tz"),
                             QStringLiteral("Asia/Shanghai"), QStringLiteral("--fold"),
                             QStringLiteral("earlier"),
                             csv ? QStringLiteral("--csv") : QStringLiteral("--json")}));
        }
        QVERIFY(readAll(m_dir.filePath(QStringLiteral("q.csv")))
                    .startsWith("moment,gregorian,lunar,chart,utcOffset,near\n"));

        // Another basis makes the results stale; back again, they are not.
        QVERIFY(!form->resultsStale());
        QVERIFY(window.setTimeSettings(TimeSettings{}));
        QVERIFY(form->resultsStale());
        QCOMPARE(child<QLabel>(form, "标签18")->text(), QStringLiteral("结果已过时"));
        QCOMPARE(child<QLabel>(form, "标签_过时")->text(),
                 QStringLiteral("结果已过时：时间设置已改动，请按“推算”重新查询"));
        QVERIFY(window.setTimeSettings(shanghai()));
        QVERIFY(!form->resultsStale());
    }

    // New York's evening of 2200-12-31 is past the calendar's last second.
    void aQueryWhoseMomentsLeaveTheCalendarIsRefused() {
        LanguageSwitcher switcher;
        switcher.install(Language::simplifiedChinese);
        MainWindow window(&switcher);
        TimeSettings newYork;
        newYork.zone = "America/New_York";
        QVERIFY(window.setTimeSettings(newYork));
        window.form()->loadFormState(everyMoment({2200, 12, 31}));
        window.form()->runQuery();
        QMessageBox* box = window.form()->messageBox();
        QVERIFY(box);
        QCOMPARE(box->text(), QStringLiteral("America/New_York 的钟表时间 2200年12月31日22时 "
                                             "落在日历范围（1800 至 2200 年）之外，无法查询；"
                                             "请换一个日期"));
        box->close();
        QCOMPARE(window.form()->resultModel()->rowCount(), 0);
        // A day earlier the whole window lies inside.
        window.form()->loadFormState(everyMoment({2200, 12, 30}));
        window.form()->runQuery();
        QCOMPARE(window.form()->resultModel()->rowCount(), 36);
        window.form()->loadFormState(window.form()->captureFormState());
    }

    void theRangeSearchListsClockTimesWithOffsets() {
        const FormState state = hourBranchChou();
        LanguageSwitcher switcher;
        switcher.install(Language::simplifiedChinese);
        MainWindow window(&switcher);
        window.resize(1200, 760);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.setTimeSettings(shanghai()));
        window.form()->loadFormState(state);
        window.pages()->setCurrentIndex(MainWindow::rangeSearchPage);
        RangeSearchPage* page = window.rangePage();
        page->fromBox()->setDate(QDate(1988, 4, 16));
        page->toBox()->setDate(QDate(1988, 4, 18));
        page->startSearch();
        QVERIFY(page->job()->waitForFinished(60000));

        // The spans are the engine's on that basis, to the second.
        const TimeBasis basis = basisOf(shanghai());
        std::vector<Span> expected;
        const SearchRange range{at(1988, 4, 16), at(1988, 4, 19), HourWindows{}, &basis};
        searchSpans(captureConditions(state), range, [&](const Span& s) {
            expected.push_back(s);
            return true;
        });
        QCOMPARE(page->resultModel()->spans(), expected);
        QAbstractItemModel* model = page->resultView()->model();
        QCOMPARE(model->rowCount(), 3);
        QCOMPARE(model->columnCount(), 6);
        // The 丑 hour of the 17th: 01:00 on the old clock to 04:00 on the new.
        QCOMPARE(model->index(1, 0).data().toString(),
                 QStringLiteral("1988-04-17 01:00:00 +08:00"));
        QCOMPARE(model->index(1, 1).data().toString(),
                 QStringLiteral("1988-04-17 04:00:00 +09:00"));
        QCOMPARE(model->index(2, 0).data().toString(),
                 QStringLiteral("1988-04-18 02:00:00 +09:00"));
        QCOMPARE(model->index(2, 5).data().toString(),
                 QStringLiteral("标准时 1988-04-18 01:00:00"));
        // The grid is of the clock's days: the 丑 block of the 18th is 02:00-04:00 on
        // the calendar's clock, 01:00-03:00 on Shanghai's.
        QCOMPARE(page->calendarGrid()
                     ->model()
                     ->index(2, 1)
                     .data(CalendarGridModel::kShareRole)
                     .toDouble(),
                 0.5);
        save(&window, QStringLiteral("range-page-basis"));

        const QString file = writeForm(state, "chou.json");
        for (const auto format : {ResultView::ExportFormat::csv, ResultView::ExportFormat::json}) {
            const bool csv = format == ResultView::ExportFormat::csv;
            const QString out =
                m_dir.filePath(csv ? QStringLiteral("s.csv") : QStringLiteral("s.json"));
            QVERIFY(page->resultView()->exportTo(out, format));
            QCOMPARE(QString::fromUtf8(readAll(out)),
                     runCli({QStringLiteral("search"), file, QStringLiteral("--from"),
                             QStringLiteral("1988-04-16"), QStringLiteral("--to"),
                             QStringLiteral("1988-04-18"), QStringLiteral("--tz"),
                             QStringLiteral("Asia/Shanghai"),
                             csv ? QStringLiteral("--csv") : QStringLiteral("--json")}));
        }

        // The span's chart and explanation are read on the basis too.
        QVERIFY(page->explanation()->toPlainText().contains(
            QStringLiteral("时区 Asia/Shanghai；日柱、时柱按标准时")));
        // Another basis marks the spans stale.
        QLabel* stale = child<QLabel>(page, "标签_搜索过时");
        QVERIFY(stale->isHidden());
        QVERIFY(window.setTimeSettings(TimeSettings{}));
        QVERIFY(page->resultsStale());
        QVERIFY(!stale->isHidden());
        QCOMPARE(stale->text(), QStringLiteral("结果已过时：条件或时间设置已改动，请重新搜索"));
        // So do other conditions, back on the basis searched; another reference
        // date alone does not (the range search does not read it).
        QVERIFY(window.setTimeSettings(shanghai()));
        QVERIFY(stale->isHidden());
        FormState otherDate = state;
        otherDate.date = CivilDate{2016, 3, 16};
        window.form()->loadFormState(otherDate);
        QVERIFY(stale->isHidden());
        FormState otherRow = otherDate;
        setRow(otherRow, GroupId::branch, "寅", "时支", "非0");
        window.form()->loadFormState(otherRow);
        QVERIFY(page->resultsStale());
        QVERIFY(!stale->isHidden());
        window.form()->loadFormState(window.form()->captureFormState());
    }

    // Under "same-day" 23:00-24:00 keeps the day's pillar and takes the next
    // day's 子 hour pillar: 丁酉's own 子 is 庚子, the next day's (戊戌) 壬子.
    void theLookupUnderSameDayTakesTheLateZiPillar() {
        ChartLookupPage page;
        page.resize(1000, 600);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        constexpr int kRenZi = 49;
        page.choosePillar(0, 33); // 丙申
        page.choosePillar(1, 28); // 辛卯
        page.choosePillar(2, 34); // 丁酉
        QCOMPARE(page.pillarBox(3)->findData(kRenZi), -1);
        TimeSettings sameDay;
        sameDay.lateZi = LateZi::sameDay;
        page.setTimeBasis(basisOf(sameDay));
        QCOMPARE(page.pillarBox(3)->count(), 14); // 不详, the twelve, and 壬子
        page.choosePillar(3, kRenZi);
        QCOMPARE(page.pillarBox(3)->currentText(), QStringLiteral("壬子"));
        page.rangeBox()->setChecked(true);
        page.fromBox()->setDate(QDate(2016, 1, 1));
        page.toBox()->setDate(QDate(2016, 12, 31));
        page.startLookup();
        QVERIFY(page.job()->waitForFinished(60000));
        const auto& spans = page.resultModel()->spans();
        QCOMPARE(spans.size(), std::size_t(1));
        QCOMPARE(spans.front().start, at(2016, 3, 16, 23));
        QCOMPARE(spans.front().end, at(2016, 3, 17, 0));
        QCOMPARE(page.resultView()->model()->index(0, 0).data().toString(),
                 QStringLiteral("2016-03-16 23:00:00 +08:00"));
        const QString file = m_dir.filePath(QStringLiteral("late.csv"));
        QVERIFY(page.resultView()->exportTo(file, ResultView::ExportFormat::csv));
        QCOMPARE(
            QString::fromUtf8(readAll(file)),
            runCli({QStringLiteral("find"), QStringLiteral("丙申 辛卯 丁酉 壬子"),
                    QStringLiteral("--late-zi"), QStringLiteral("same-day"),
                    QStringLiteral("--from"), QStringLiteral("2016-01-01"), QStringLiteral("--to"),
                    QStringLiteral("2016-12-31"), QStringLiteral("--csv")}));

        // Back on "next-day" the pillar cannot stand: the box lets it go, and the
        // spans shown are stale.
        page.setTimeBasis(TimeBasis{});
        QCOMPARE(page.pattern().pillars[3], 0);
        QCOMPARE(page.pillarBox(3)->count(), 13);
        QVERIFY(page.resultsStale());
        QVERIFY(!child<QLabel>(&page, "标签_反查过时")->isHidden());
    }

    void screenshotOfTheDialog() {
        LanguageSwitcher switcher;
        switcher.install(Language::simplifiedChinese);
        MainWindow window(&switcher);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.openTimeSettings();
        TimeSettingsDialog* dialog = window.timeSettingsDialog();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        typeInto(child<QLineEdit>(dialog, "编辑框_查找地点"), QStringLiteral("乌鲁木齐"));
        dialog->searchPlaces();
        dialog->choosePlace(0);
        QTest::mouseClick(child<QRadioButton>(dialog, "单选框_真太阳时"), Qt::LeftButton);
        QCOMPARE(dialog->problem(), SettingsProblem::none);
        save(dialog, QStringLiteral("time-settings"));
        QLineEdit* longitude = child<QLineEdit>(dialog, "编辑框_经度");
        longitude->clear();
        QTest::keyClicks(longitude, QStringLiteral("200"));
        save(dialog, QStringLiteral("time-settings-refused"));
        dialog->reject();
    }
};

QTEST_MAIN(TimeSettingsTest)
#include "time_settings_test.moc"

// The application window: saved searches (open, save, recent files, files
// that cannot be used), the question before losing changes, what is kept
// between runs, and the command line.
#include "form/form_state_writer.h"
#include "ui/app_settings.h"
#include "ui/application.h"
#include "ui/cn_calendar.h"
#include "ui/form_file.h"
#include "ui/language.h"
#include "ui/main_form.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace bazi;
using namespace bazi::ui;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A form with conditions on two pages and both page-wide boxes.
FormState sampleForm() {
    FormState form(CivilDate{2016, 3, 16});
    form.select("组合框_干1", 5);
    form.select("组合框_位置干1", 3);
    form.select("组合框_干数量1", 5);
    form.select("组合框_行1", 2);
    form.select("组合框_行数量1", 12);
    form.setChecked("单选框2", true);
    form.setChecked(kSwapCheckBox, true);
    return form;
}

// Answers the next modal question with the given button, once it is up.
void answerNextQuestion(QMessageBox::StandardButton answer, QString* text = nullptr) {
    QTimer::singleShot(0, [answer, text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (text)
                *text = QStringLiteral("<no question>");
            return;
        }
        if (text)
            *text = box->objectName() + QLatin1Char('|') + box->text();
        box->button(answer)->click();
    });
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    LanguageSwitcher* m_switcher = nullptr;
    MainWindow* m_window = nullptr;

    QString path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }

    QString closeMessageBox() {
        QMessageBox* box = m_window->messageBox();
        if (!box)
            return QStringLiteral("<no message box>");
        const QString text = box->text();
        box->button(QMessageBox::Ok)->click();
        if (!QTest::qWaitFor([this] { return !m_window->messageBox(); }, 2000))
            return QStringLiteral("<message box still open>");
        return text;
    }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
    }
    void init() {
        QSettings().clear();
        m_switcher = new LanguageSwitcher;
        m_window = new MainWindow(m_switcher);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }
    void cleanup() {
        // Close without a question: the tests that ask have answered theirs.
        m_window->form()->loadFormState(m_window->form()->captureFormState());
        delete m_window;
        delete m_switcher;
    }

    void saveAndOpenRoundTrip() {
        m_window->form()->loadFormState(sampleForm());
        QVERIFY(m_window->isFormModified());
        QVERIFY(m_window->isWindowModified());
        const QString file = path("saved.json");
        QVERIFY(m_window->saveToFile(file));
        QVERIFY(!m_window->isWindowModified());
        QCOMPARE(readAll(file), QByteArray::fromStdString(formStateToJson(sampleForm())));
        QVERIFY(m_window->windowTitle().startsWith(QStringLiteral("saved.json")));

        m_window->newForm();
        QVERIFY(m_window->currentFile().isEmpty());
        QVERIFY(m_window->form()->captureFormState() != sampleForm());
        QVERIFY(m_window->openFile(file));
        QVERIFY(m_window->form()->captureFormState() == sampleForm());
        QVERIFY(!m_window->isFormModified());
        QCOMPARE(m_window->currentFile(), file);
        QCOMPARE(
            m_window->form()->findChild<QComboBox*>(QStringLiteral("组合框_干1"))->currentText(),
            QStringLiteral("丁"));

        // The command line reads what the window saved.
        QProcess cli;
        cli.start(QCoreApplication::applicationDirPath() + QStringLiteral("/bazi-seek"),
                  {QStringLiteral("query"), file, QStringLiteral("--json")});
        QVERIFY(cli.waitForFinished(20000));
        QCOMPARE(cli.exitCode(), 0);
        QVERIFY(cli.readAllStandardOutput().startsWith("{\"conditions\":2,"));
    }

    void aFileWithoutDateKeepsTheDateShown() {
        m_window->form()->dateBox()->setDate(QDate(2020, 5, 5));
        writeFile(path("nodate.json"), R"({"controls": {"组合框_支1": "亥"}})");
        QVERIFY(m_window->openFile(path("nodate.json")));
        QCOMPARE(m_window->form()->dateBox()->date(), QDate(2020, 5, 5));
        QCOMPARE(m_window->form()->captureFormState().selectedText("组合框_支1"), "亥");
    }

    void aFileThatCannotBeUsedLeavesTheFormAsItWas() {
        m_window->form()->loadFormState(sampleForm());
        const FormState before = m_window->form()->captureFormState();
        QByteArray huge(int(kMaxFormFileSize) + 1, ' ');
        QByteArray nul("{\"date\": \"2016-03-16\"}");
        nul.append('\0');
        nul.append("{{{");
        huge.prepend("{\"date\": \"2016-03-16\", \"note\": \"");
        struct Case {
            const char* note;
            const char* name;
            QByteArray content; // empty: not written
            const char* problem;
        };
        const Case cases[] = {
            {"missing", "missing.json", {}, "文件不存在"},
            {"a folder", "folder.json", {}, "不是普通文件"},
            {"malformed", "broken.json", "{\"date\": \"2016-03-16\", ", "不是有效的条件文件："},
            {"unknown control", "unknown.json",
             R"({"date": "2016-03-16", "controls": {"组合框_X": 1}})", "组合框_X"},
            {"wrong item", "item.json",
             R"({"date": "2016-03-16", "controls": {"组合框_行1": "铁"}})", "组合框_行1"},
            {"out of range", "early.json", R"({"date": "1799-12-31"})",
             "日期 1799-12-31 不在可查询的范围内"},
            {"a NUL byte", "nul.json", nul, "空字符"},
            {"too large", "huge.json", huge, "文件太大"},
            {"control characters are not echoed", "escape.json",
             "{\"date\": \"2016-03-16\", \"controls\": {\"\\u001b]0;pwned\\u0007\": 1}}",
             "不是有效的条件文件"},
        };
        QDir(m_dir.path()).mkdir(QStringLiteral("folder.json"));
        for (const Case& c : cases) {
            if (!c.content.isEmpty())
                writeFile(path(c.name), c.content);
            QVERIFY2(!m_window->openFile(path(c.name)), c.note);
            const QString message = closeMessageBox();
            QVERIFY2(message.contains(QString::fromUtf8(c.name)), qPrintable(message));
            QVERIFY2(message.contains(QString::fromUtf8(c.problem)), qPrintable(message));
            QVERIFY2(!message.contains(QChar(0x1b)) && !message.contains(QChar(0x07)),
                     qPrintable(message));
            QVERIFY2(message.size() < 600, c.note);
            QVERIFY2(m_window->form()->captureFormState() == before, c.note);
        }
    }

    void recentFilesAreKeptAndOffered() {
        for (int i = 0; i < 10; ++i) {
            const QString file = path(qPrintable(QStringLiteral("r%1.json").arg(i)));
            QVERIFY(m_window->saveToFile(file));
        }
        const QStringList recent = m_window->recentFiles();
        QCOMPARE(recent.size(), settings::kRecentFileCount);
        QCOMPARE(recent.first(), path("r9.json"));
        QCOMPARE(recent.last(), path("r2.json"));
        QCOMPARE(QSettings().value(settings::kRecentFiles).toStringList(), recent);
        // The menu lists them, newest first, then the entry that clears them.
        const QList<QAction*> items = m_window->recentMenu()->actions();
        QCOMPARE(items.size(), settings::kRecentFileCount + 2);
        QVERIFY(items.first()->text().contains(QStringLiteral("r9.json")));

        // A recent file that has gone is dropped when it cannot be opened.
        QFile::remove(path("r9.json"));
        QVERIFY(!m_window->openFile(path("r9.json")));
        closeMessageBox();
        QVERIFY(!m_window->recentFiles().contains(path("r9.json")));
        m_window->clearRecentFiles();
        QVERIFY(m_window->recentFiles().isEmpty());
    }

    void closingWithUnsavedChangesAsks() {
        // Nothing changed: no question.
        QVERIFY(m_window->close());
        m_window->show();

        m_window->form()->loadFormState(sampleForm()); // unsaved
        QString question;
        answerNextQuestion(QMessageBox::Cancel, &question);
        QVERIFY(!m_window->close());
        QVERIFY(question.startsWith(QStringLiteral("询问_保存|条件已改动")));
        QVERIFY(m_window->isVisible());
        QVERIFY(m_window->form()->captureFormState() == sampleForm());

        // Save: with a current file, it is written and the window closes.
        const QString file = path("asked.json");
        QVERIFY(m_window->saveToFile(file));
        m_window->form()->dateBox()->setDate(QDate(2016, 3, 20));
        answerNextQuestion(QMessageBox::Save);
        QVERIFY(m_window->close());
        FormState expected = sampleForm();
        expected.date = CivilDate{2016, 3, 20};
        QCOMPARE(readAll(file), QByteArray::fromStdString(formStateToJson(expected)));

        // Discard: closes and leaves the file alone.
        m_window->show();
        m_window->form()->dateBox()->setDate(QDate(2016, 3, 21));
        answerNextQuestion(QMessageBox::Discard);
        QVERIFY(m_window->close());
        QCOMPARE(readAll(file), QByteArray::fromStdString(formStateToJson(expected)));

        // Opening another file asks too.
        m_window->show();
        m_window->form()->dateBox()->setDate(QDate(2016, 3, 22));
        answerNextQuestion(QMessageBox::Cancel, &question);
        m_window->newForm();
        QCOMPARE(m_window->form()->dateBox()->date(), QDate(2016, 3, 22));
    }

    void geometryAndLanguageAreKept() {
        m_window->resize(1111, 777);
        m_window->form()->loadFormState(m_window->form()->captureFormState());
        QVERIFY(m_window->close());
        QVERIFY(!QSettings().value(settings::kGeometry).toByteArray().isEmpty());
        MainWindow again(m_switcher);
        QCOMPARE(again.size(), QSize(1111, 777));

        m_window->setLanguage(Language::english);
        QCOMPARE(QSettings().value(settings::kLanguage).toString(), QStringLiteral("en"));
        m_window->setLanguage(Language::simplifiedChinese);
        QCOMPARE(QSettings().value(settings::kLanguage).toString(), QStringLiteral("zh_CN"));
    }

    void theCommandLineIsRead() {
        using Action = StartOptions::Action;
        const QString program = QStringLiteral("bazi-seek-gui");
        StartOptions o = parseStartOptions({program});
        QCOMPARE(o.action, Action::run);
        QVERIFY(o.formFile.isEmpty());
        o = parseStartOptions({program, QStringLiteral("form.json")});
        QCOMPARE(o.formFile, QStringLiteral("form.json"));
        o = parseStartOptions(
            {program, QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("a.json")});
        QCOMPARE(o.language, std::optional<Language>(Language::english));
        QCOMPARE(parseStartOptions({program, QStringLiteral("--help")}).action, Action::help);
        o = parseStartOptions({program, QStringLiteral("--help"), QStringLiteral("--lang=zh_TW")});
        QCOMPARE(o.action, Action::help); // in the language asked for
        QCOMPARE(o.language, std::optional<Language>(Language::traditionalChinese));
        QCOMPARE(parseStartOptions({program, QStringLiteral("--version")}).action, Action::version);
        QCOMPARE(
            parseStartOptions({program, QStringLiteral("--lang"), QStringLiteral("fr")}).action,
            Action::error);
        QCOMPARE(parseStartOptions({program, QStringLiteral("a"), QStringLiteral("b")}).action,
                 Action::error);
        QCOMPARE(parseStartOptions({program, QStringLiteral("--bogus")}).action, Action::error);
    }

    void helpAndVersionAnswerOnTheTerminal() {
        // Without any display: the window system is never started for them.
        const QString gui =
            QCoreApplication::applicationDirPath() + QStringLiteral("/bazi-seek-gui");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        struct Case {
            QStringList args;
            int exitCode;
            const char* out;
        };
        const Case cases[] = {
            {{QStringLiteral("--version")}, 0, "bazi-seek 0."},
            {{QStringLiteral("--help")}, 0, "--lang"},
            {{QStringLiteral("-h")}, 0, "FORM"},
        };
        for (const Case& c : cases) {
            QProcess p;
            p.setProcessEnvironment(env);
            p.start(gui, c.args);
            QVERIFY(p.waitForFinished(20000));
            QCOMPARE(p.exitCode(), c.exitCode);
            QVERIFY2(p.readAllStandardOutput().contains(c.out), c.out);
        }
        QProcess bad;
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        bad.setProcessEnvironment(env);
        bad.start(gui, {QStringLiteral("--bogus")});
        QVERIFY(bad.waitForFinished(20000));
        QCOMPARE(bad.exitCode(), 2);
        QVERIFY(bad.readAllStandardError().contains("bogus"));
        // An argument quoted back is escaped: no terminal control goes out.
        QProcess hostile;
        hostile.setProcessEnvironment(env);
        hostile.start(gui, {QStringLiteral("--lang"), QStringLiteral("\x1b]0;pwned\x07")});
        QVERIFY(hostile.waitForFinished(20000));
        QCOMPARE(hostile.exitCode(), 2);
        const QByteArray error = hostile.readAllStandardError();
        QVERIFY2(!error.contains('\x1b') && !error.contains('\x07'), error.constData());
        QVERIFY2(error.contains("\\u001b]0;pwned\\u0007"), error.constData());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

// The window in its three languages: switched from the menu, every text of
// the main pages changes, none is left untranslated, and Qt's own buttons
// follow. Writes the main form in each language to <build>/screenshots/.
#include "ui/cn_calendar.h"
#include "ui/language.h"
#include "ui/main_form.h"
#include "ui/main_window.h"
#include "ui/page_control.h"
#include "ui/result_view.h"
#include "ui/time_settings_dialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTableView>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>

#include <map>

using namespace bazi;
using namespace bazi::ui;

namespace {

// Asked last of all translators: it sees exactly the messages of the window
// that no translation answered.
class MissRecorder : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        if (QByteArray(context).startsWith("bazi::"))
            misses.insert(QString::fromUtf8(context) + QStringLiteral(" | ") +
                          QString::fromUtf8(source));
        return {};
    }
    bool isEmpty() const override { return false; }
    mutable QSet<QString> misses;
};

bool hasHan(const QString& text) {
    for (const QChar c : text)
        if (c.script() == QChar::Script_Han)
            return true;
    return false;
}

bool hasLatinLetter(const QString& text) {
    for (const QChar c : text)
        if (c.isLetter() && c.unicode() < 0x250)
            return true;
    return false;
}

// A stem or branch pair, a chart or a lunar date: data, the same in every language.
bool isData(const QString& text) {
    static const QString symbols = QStringLiteral(
        "甲乙丙丁戊己庚辛壬癸子丑寅卯辰巳午未申酉戌亥年月日初闰閏正二三四五六七八九十冬腊臘廿");
    for (const QChar c : text)
        if (c.script() == QChar::Script_Han && !symbols.contains(c))
            return false;
    return true;
}

// Where a widget stands: its name, or its place among its parent's children.
QString keyOf(const QWidget* w) {
    if (!w->objectName().isEmpty() || !w->parentWidget())
        return w->objectName();
    const QWidget* parent = w->parentWidget();
    int index = 0;
    for (const QObject* sibling : parent->children()) {
        if (sibling == w)
            break;
        if (sibling->metaObject() == w->metaObject())
            ++index;
    }
    return keyOf(parent) + QLatin1Char('/') + QString::fromLatin1(w->metaObject()->className()) +
           QString::number(index);
}

using TextMap = std::map<QString, QString>;

void putText(TextMap& texts, const QString& key, const QString& text) {
    if (!text.isEmpty())
        texts[key] = text;
}

// Every text of the widgets of one window (not its pop-ups and dialogs), keyed
// by where it stands.
void widgetTexts(QWidget* root, TextMap& texts) {
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (w->window() != root)
            continue; // pop-ups and dialogs
        const QString key = keyOf(w);
        if (auto* label = qobject_cast<QLabel*>(w))
            putText(texts, key, label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            putText(texts, key, button->text());
        else if (auto* box = qobject_cast<QGroupBox*>(w))
            putText(texts, key, box->title());
        else if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                putText(texts, key + QStringLiteral(" item %1").arg(i), combo->itemText(i));
        else if (auto* date = qobject_cast<CnCalendar*>(w))
            putText(texts, key, date->text());
        else if (auto* list = qobject_cast<QListWidget*>(w))
            for (int i = 0; i < list->count(); ++i)
                putText(texts, key + QStringLiteral(" item %1").arg(i), list->item(i)->text());
        else if (auto* edit = qobject_cast<QLineEdit*>(w))
            putText(texts, key + QStringLiteral(" placeholder"), edit->placeholderText());
        if (!w->toolTip().isEmpty())
            putText(texts, key + QStringLiteral(" tooltip"), w->toolTip());
    }
}

// Every text a user sees on the main pages (the form, 时间范围, 八字反查),
// keyed by where it stands. The result cells are data; the headers are not.
TextMap visibleTexts(MainWindow& window) {
    TextMap texts;
    auto put = [&texts](const QString& key, const QString& text) { putText(texts, key, text); };
    put(QStringLiteral("window"), window.windowTitle());
    const QList<QAction*> menus = window.menuBar()->actions();
    for (int m = 0; m < menus.size(); ++m) {
        put(QStringLiteral("menu %1").arg(m), menus[m]->text());
        const QList<QAction*> actions = menus[m]->menu()->actions();
        for (int a = 0; a < actions.size(); ++a)
            if (!actions[a]->objectName().startsWith(QStringLiteral("语言_")))
                put(QStringLiteral("action %1.%2").arg(m).arg(a), actions[a]->text());
    }
    MainForm* form = window.form();
    // Every page: the form, 时间范围 and 八字反查.
    widgetTexts(&window, texts);
    for (int i = 0; i < window.pages()->count(); ++i) {
        put(QStringLiteral("mode %1").arg(i), window.pages()->tabText(i));
        put(QStringLiteral("mode tooltip %1").arg(i), window.pages()->tabToolTip(i));
    }
    PageControl* pages = form->pageControl();
    for (int i = 0; i < pages->count(); ++i)
        put(QStringLiteral("page %1").arg(i), pages->pageCaption(i));
    for (QTableView* table : window.findChildren<QTableView*>()) {
        QAbstractItemModel* results = table->model();
        for (int c = 0; results && c < results->columnCount(); ++c)
            put(keyOf(table) + QStringLiteral(" header %1").arg(c),
                results->headerData(c, Qt::Horizontal).toString());
    }
    return texts;
}

// The texts of a dialog: its title and every widget's.
TextMap dialogTexts(QDialog& dialog) {
    TextMap texts;
    putText(texts, QStringLiteral("title"), dialog.windowTitle());
    widgetTexts(&dialog, texts);
    return texts;
}

// What the language check finds wrong between the source texts and those shown
// in `language`: texts lost, unchanged, or English without a gloss.
QStringList languageProblems(const TextMap& source, const TextMap& shown, Language language,
                             QWidget* root) {
    QStringList problems;
    for (const auto& [key, text] : source) {
        const auto it = shown.find(key);
        if (it == shown.end()) {
            problems << QStringLiteral("lost ") + key;
            continue;
        }
        const QString& now = it->second;
        // A caption as narrow as its term keeps the term in every language;
        // its tooltip, translated, explains it.
        const QWidget* w = root->findChild<QWidget*>(key);
        const bool explained = w && hasLatinLetter(w->toolTip());
        // Every text with words changes, except where both scripts write it
        // alike (a stem, 八字, 天干); in English every one does.
        const bool sameInBothScripts = language == Language::traditionalChinese;
        if (hasHan(text) && !isData(text) && now == text && !sameInBothScripts && !explained)
            problems << QStringLiteral("unchanged ") + key + QStringLiteral(": ") + text;
        if (language == Language::english && hasHan(now) && !hasLatinLetter(now) && !isData(now) &&
            !explained)
            problems << QStringLiteral("without gloss ") + key + QStringLiteral(": ") + now;
    }
    return problems;
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

private:
    MissRecorder m_recorder;

    static void saveScreenshot(QWidget* widget, const QString& name) {
        QCoreApplication::processEvents(); // the layouts the new texts asked for
        QDir().mkpath(QStringLiteral(BAZI_SCREENSHOT_DIR));
        QVERIFY(widget->grab().save(QStringLiteral(BAZI_SCREENSHOT_DIR "/") + name +
                                    QStringLiteral(".png")));
    }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        // Installed first, so asked last.
        QCoreApplication::installTranslator(&m_recorder);
    }

    void theMenuSwitchesEveryTextAndLeavesNoneUntranslated() {
        LanguageSwitcher switcher;
        QVERIFY(switcher.install(Language::simplifiedChinese));
        MainWindow window(&switcher);
        window.resize(1000, 700);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.form()->dateBox()->setDate(QDate(2016, 3, 16));
        const TextMap source = visibleTexts(window);
        QVERIFY(source.size() > 700);
        saveScreenshot(&window, QStringLiteral("window-zh_CN"));

        for (const Language language : {Language::traditionalChinese, Language::english}) {
            const QString code = languageCode(language);
            m_recorder.misses.clear();
            QAction* item = window.findChild<QAction*>(QStringLiteral("语言_") + code);
            QVERIFY(item);
            item->trigger();
            // The window's texts are written anew on the LanguageChange it is posted.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
            QCOMPARE(switcher.current(), language);
            QVERIFY(item->isChecked());

            const TextMap shown = visibleTexts(window);
            QVERIFY2(
                m_recorder.misses.isEmpty(),
                qPrintable(code + QStringLiteral(": untranslated ") +
                           QStringList(m_recorder.misses.values()).join(QStringLiteral("; "))));
            const QStringList problems = languageProblems(source, shown, language, &window);
            QVERIFY2(problems.isEmpty(),
                     qPrintable(code + QStringLiteral(": ") + problems.join(QStringLiteral("; "))));
            saveScreenshot(&window, QStringLiteral("window-") + code);
        }
        // In Traditional Chinese the simplified-only characters are gone.
        window.findChild<QAction*>(QStringLiteral("语言_zh_TW"))->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        for (const auto& [key, text] : visibleTexts(window))
            for (const QChar simplified : QStringLiteral("条简说时设选数财贵伤门页历农闰腊"))
                QVERIFY2(!text.contains(simplified), qPrintable(key + QStringLiteral(": ") + text));

        // And back: the source texts, exactly.
        window.findChild<QAction*>(QStringLiteral("语言_zh_CN"))->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QVERIFY(visibleTexts(window) == source);
    }

    // "时间设置" open over the window, a place chosen and a field refused: every
    // text of the dialog follows the language too.
    void theTimeSettingsDialogFollowsTheLanguage() {
        LanguageSwitcher switcher;
        QVERIFY(switcher.install(Language::simplifiedChinese));
        MainWindow window(&switcher);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.openTimeSettings();
        TimeSettingsDialog* dialog = window.timeSettingsDialog();
        QVERIFY(dialog);
        auto* search = dialog->findChild<QLineEdit*>(QStringLiteral("编辑框_查找地点"));
        search->setText(QStringLiteral("成都"));
        dialog->searchPlaces();
        dialog->choosePlace(0);
        dialog->findChild<QRadioButton*>(QStringLiteral("单选框_真太阳时"))->setChecked(true);
        dialog->findChild<QLineEdit*>(QStringLiteral("编辑框_经度"))
            ->setText(QStringLiteral("200"));
        dialog->accept(); // refused: the longitude's problem is shown
        QVERIFY(dialog->isVisible());
        const TextMap source = dialogTexts(*dialog);
        QVERIFY(source.size() > 30);
        QVERIFY(source.count(QStringLiteral("标签_经度问题")));

        for (const Language language : {Language::traditionalChinese, Language::english}) {
            const QString code = languageCode(language);
            m_recorder.misses.clear();
            window.findChild<QAction*>(QStringLiteral("语言_") + code)->trigger();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
            const TextMap shown = dialogTexts(*dialog);
            QVERIFY2(
                m_recorder.misses.isEmpty(),
                qPrintable(code + QStringLiteral(": untranslated ") +
                           QStringList(m_recorder.misses.values()).join(QStringLiteral("; "))));
            const QStringList problems = languageProblems(source, shown, language, dialog);
            QVERIFY2(problems.isEmpty(),
                     qPrintable(code + QStringLiteral(": ") + problems.join(QStringLiteral("; "))));
            saveScreenshot(dialog, QStringLiteral("time-settings-") + code);
        }
        window.findChild<QAction*>(QStringLiteral("语言_zh_CN"))->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        const TextMap back = dialogTexts(*dialog);
        for (const auto& [key, text] : source)
            QVERIFY2(back.count(key) && back.at(key) == text,
                     qPrintable(key + QStringLiteral(": ") + text + QStringLiteral(" / ") +
                                (back.count(key) ? back.at(key) : QStringLiteral("(lost)"))));
        QCOMPARE(back.size(), source.size());
        dialog->reject();
    }

    void qtsOwnButtonsFollowTheLanguage() {
        LanguageSwitcher switcher;
        const struct {
            Language language;
            const char* ok;
        } cases[] = {{Language::simplifiedChinese, "确定"},
                     {Language::traditionalChinese, "確定"},
                     {Language::english, "OK"}};
        for (const auto& c : cases) {
            switcher.install(c.language);
            QVERIFY2(switcher.hasQtTranslation(), qPrintable(languageCode(c.language)));
            QMessageBox box(QMessageBox::Information, QStringLiteral("x"), QStringLiteral("y"),
                            QMessageBox::Ok);
            QCOMPARE(box.button(QMessageBox::Ok)->text().remove(QLatin1Char('&')),
                     QString::fromUtf8(c.ok));
        }
        switcher.install(Language::simplifiedChinese);
    }

    void languageCodesAndLocales() {
        for (Language language : kLanguages)
            QCOMPARE(languageFromCode(languageCode(language)), std::optional<Language>(language));
        QVERIFY(!languageFromCode(QStringLiteral("fr")));
        QCOMPARE(languageOfLocale(QLocale(QStringLiteral("zh_CN"))), Language::simplifiedChinese);
        QCOMPARE(languageOfLocale(QLocale(QStringLiteral("zh_HK"))), Language::traditionalChinese);
        QCOMPARE(languageOfLocale(QLocale(QStringLiteral("zh_TW"))), Language::traditionalChinese);
        QCOMPARE(languageOfLocale(QLocale(QStringLiteral("en_GB"))), Language::english);
        QCOMPARE(languageOfLocale(QLocale(QStringLiteral("de_DE"))), Language::simplifiedChinese);
    }
};

QTEST_MAIN(LanguagesTest)
#include "languages_test.moc"

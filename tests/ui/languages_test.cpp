// The window in its three languages: switched from the menu, every text of
// the main pages changes, none is left untranslated, and Qt's own buttons
// follow. Writes the main form in each language to <build>/screenshots/.
#include "ui/cn_calendar.h"
#include "ui/language.h"
#include "ui/main_form.h"
#include "ui/main_window.h"
#include "ui/page_control.h"
#include "ui/result_view.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
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

// Every text a user sees on the main pages (the form, 时间范围, 八字反查),
// keyed by where it stands. The result cells are data; the headers are not.
std::map<QString, QString> visibleTexts(MainWindow& window) {
    std::map<QString, QString> texts;
    auto put = [&texts](const QString& key, const QString& text) {
        if (!text.isEmpty())
            texts[key] = text;
    };
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
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->window() != &window)
            continue; // pop-ups and dialogs
        const QString key = keyOf(w);
        if (auto* label = qobject_cast<QLabel*>(w))
            put(key, label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            put(key, button->text());
        else if (auto* box = qobject_cast<QGroupBox*>(w))
            put(key, box->title());
        else if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                put(key + QStringLiteral(" item %1").arg(i), combo->itemText(i));
        else if (auto* date = qobject_cast<CnCalendar*>(w))
            put(key, date->text());
        if (!w->toolTip().isEmpty())
            put(key + QStringLiteral(" tooltip"), w->toolTip());
    }
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
        const std::map<QString, QString> source = visibleTexts(window);
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

            const std::map<QString, QString> shown = visibleTexts(window);
            QVERIFY2(
                m_recorder.misses.isEmpty(),
                qPrintable(code + QStringLiteral(": untranslated ") +
                           QStringList(m_recorder.misses.values()).join(QStringLiteral("; "))));
            QStringList unchanged, unglossed;
            for (const auto& [key, text] : source) {
                const auto it = shown.find(key);
                QVERIFY2(it != shown.end(), qPrintable(code + QStringLiteral(": lost ") + key));
                const QString& now = it->second;
                // A caption as narrow as its term keeps the term in every
                // language; its tooltip, translated, explains it.
                const QWidget* w = window.findChild<QWidget*>(key);
                const bool explained = w && hasLatinLetter(w->toolTip());
                // Every text with words changes, except where both scripts write
                // it alike (a stem, 八字, 天干); in English every one does.
                const bool sameInBothScripts = language == Language::traditionalChinese;
                if (hasHan(text) && !isData(text) && now == text && !sameInBothScripts &&
                    !explained)
                    unchanged << key + QStringLiteral(": ") + text;
                if (language == Language::english && hasHan(now) && !hasLatinLetter(now) &&
                    !isData(now) && !explained)
                    unglossed << key + QStringLiteral(": ") + now;
            }
            QVERIFY2(unchanged.isEmpty(), qPrintable(code + QStringLiteral(": unchanged ") +
                                                     unchanged.join(QStringLiteral("; "))));
            QVERIFY2(unglossed.isEmpty(), qPrintable(code + QStringLiteral(": without gloss ") +
                                                     unglossed.join(QStringLiteral("; "))));
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

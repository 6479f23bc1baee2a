#include "ui/application.h"

#include "form/message_text.h"
#include "ui/app_settings.h"
#include "ui/description_window.h"
#include "ui/language.h"
#include "ui/main_window.h"
#include "ui/qt_values.h"

#include <QCoreApplication>
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QSettings>

#include <cstdio>

namespace bazi::ui {
namespace {

// The translation context of the texts below.
class Application {
    Q_DECLARE_TR_FUNCTIONS(bazi::ui::Application)
};

constexpr int kExitUsageError = 2;

void setNames() {
    QCoreApplication::setOrganizationName(QStringLiteral("bazi-seek"));
    QCoreApplication::setApplicationName(QStringLiteral("bazi-seek"));
    QCoreApplication::setApplicationVersion(versionNumber());
}

// The language to start in: --lang, else the one chosen last time, else the
// system's.
Language startLanguage(const std::optional<Language>& asked) {
    if (asked)
        return *asked;
    if (const auto saved = languageFromCode(QSettings().value(settings::kLanguage).toString()))
        return *saved;
    return languageOfLocale(QLocale::system());
}

// --help and --version need no window, and no display: they are answered
// before the application's window system starts.
bool asksForTerminalOnly(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--")
            return false;
        if (arg == "-h" || arg == "--help" || arg == "-?" || arg == "--help-all" || arg == "-v" ||
            arg == "--version")
            return true;
    }
    return false;
}

void print(FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

// A usage error on the terminal. The text may quote an argument as it was
// typed, so it goes out as one printable, bounded line, as the command line's do.
int printUsageError(const QString& text, const QString& hint = {}) {
    print(stderr, QStringLiteral("bazi-seek-gui: ") +
                      toQString(printableMessage(text.toStdString())) + QLatin1Char('\n') +
                      (hint.isEmpty() ? QString() : hint + QLatin1Char('\n')));
    return kExitUsageError;
}

} // namespace

StartOptions parseStartOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Application::tr("按八字条件找时间：设好日期和条件，列出合条件的时辰。"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption lang(
        QStringLiteral("lang"),
        Application::tr("界面语言：zh_CN（简体中文）、zh_TW（繁體中文）或 en（English）"),
        QStringLiteral("code"));
    parser.addOption(lang);
    parser.addPositionalArgument(
        QStringLiteral("FORM"),
        Application::tr("打开的条件文件（与 bazi-seek query 读的 JSON 相同）"),
        QStringLiteral("[FORM.json]"));

    StartOptions options;
    if (!parser.parse(arguments)) {
        options.action = StartOptions::Action::error;
        options.text = parser.errorText();
        return options;
    }
    if (parser.isSet(lang)) {
        options.language = languageFromCode(parser.value(lang));
        if (!options.language) {
            options.action = StartOptions::Action::error;
            options.text =
                Application::tr("未知的语言“%1”：请用 zh_CN、zh_TW 或 en").arg(parser.value(lang));
            return options;
        }
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        options.action = StartOptions::Action::help;
        options.text = parser.helpText();
        return options;
    }
    if (parser.isSet(version)) {
        options.action = StartOptions::Action::version;
        options.text = versionText() + QLatin1Char('\n');
        return options;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        options.action = StartOptions::Action::error;
        options.text = Application::tr("只能打开一个条件文件");
        return options;
    }
    options.formFile = files.value(0);
    return options;
}

int runApplication(int argc, char** argv) {
    if (asksForTerminalOnly(argc, argv)) {
        QCoreApplication app(argc, argv);
        setNames();
        // Read once for --lang, then again for the texts in that language.
        LanguageSwitcher switcher;
        switcher.install(startLanguage(parseStartOptions(QCoreApplication::arguments()).language));
        const StartOptions options = parseStartOptions(QCoreApplication::arguments());
        if (options.action == StartOptions::Action::error)
            return printUsageError(options.text);
        print(stdout, options.text);
        return 0;
    }

    QApplication app(argc, argv);
    setNames();
    // The application's id names its desktop entry, metainfo and icon (packaging/).
    const QString id = QStringLiteral("org.baziseek.bazi_seek");
    QApplication::setWindowIcon(
        QIcon::fromTheme(id, QIcon(QStringLiteral(":/icons/") + id + QStringLiteral(".svg"))));
    QApplication::setDesktopFileName(id);
    const StartOptions options = parseStartOptions(QCoreApplication::arguments());
    LanguageSwitcher switcher;
    switcher.install(startLanguage(options.language));
    if (options.action == StartOptions::Action::error)
        return printUsageError(options.text, Application::tr("用 bazi-seek-gui --help 查看用法。"));

    MainWindow window(&switcher);
    window.show();
    if (!options.formFile.isEmpty())
        window.openFile(options.formFile);
    return QApplication::exec();
}

} // namespace bazi::ui

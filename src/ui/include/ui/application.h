#pragma once
// bazi-seek-gui from start to end: its command line, the language, the main
// window and the message loop.
//
//   bazi-seek-gui [--lang zh_CN|zh_TW|en] [FORM.json]
//   bazi-seek-gui --help | --version     (answered on the terminal, no window)
//
// Exit status: 0 when the window is closed, 1 when the chart primitives
// library cannot be used, 2 for a bad argument.

#include <QString>
#include <QStringList>

#include <optional>

namespace bazi::ui {

enum class Language;

/// What the command line asks for.
struct StartOptions {
    enum class Action { run, help, version, error };
    Action action = Action::run;
    QString formFile;                 // FORM, empty for none
    std::optional<Language> language; // --lang
    QString text;                     // the help, version or error text to print
};

/// Reads the arguments (the program name first); Qt's own options must already
/// be taken out (QApplication does that).
[[nodiscard]] StartOptions parseStartOptions(const QStringList& arguments);

/// Runs the program; returns its exit status.
int runApplication(int argc, char** argv);

} // namespace bazi::ui

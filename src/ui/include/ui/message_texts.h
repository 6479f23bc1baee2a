#pragma once
// Text from outside quoted in a message box: a typed entry, a path, a file's
// content, a library's exception text. Such text may be long, hold control
// characters, or look like markup; the boxes show plain text, and these bound
// and clean what goes into them.

#include <QString>

#include <exception>

class QWidget;

namespace bazi::ui {

/// Text from outside (a typed entry, a path, a file's content) made fit for a
/// message: control characters shown as U+FFFD, at most `maxCharacters`
/// characters, with "…" when cut.
[[nodiscard]] QString fitForMessage(const QString& text, int maxCharacters = 200);

/// A library's exception text as one printable, bounded line (as the command
/// line prints it).
[[nodiscard]] QString libraryErrorText(const std::exception& error);

/// QMessageBox::critical, its text shown as plain text: waits until it is closed.
void showCritical(QWidget* parent, const QString& caption, const QString& text);

} // namespace bazi::ui

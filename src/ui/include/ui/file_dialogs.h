#pragma once
// The file dialogs of the window, opening in the folder last used (kept in
// the settings), and that folder itself.

#include <QString>

class QWidget;

namespace bazi::ui {

/// The folder of the last file opened, saved or exported; the user's
/// documents folder before any.
[[nodiscard]] QString lastFolder();
void rememberFolderOf(const QString& filePath);

/// A file to write, suggested as `suggestedName` in the last folder; empty
/// when the user cancels. The folder is remembered.
[[nodiscard]] QString askSaveFileName(QWidget* parent, const QString& title,
                                      const QString& suggestedName, const QString& filter);
/// A file to read; empty when the user cancels. The folder is remembered.
[[nodiscard]] QString askOpenFileName(QWidget* parent, const QString& title, const QString& filter);

} // namespace bazi::ui

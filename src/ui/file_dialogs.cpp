#include "ui/file_dialogs.h"

#include "ui/app_settings.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace bazi::ui {

QString lastFolder() {
    const QString folder = QSettings().value(settings::kLastFolder).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

void rememberFolderOf(const QString& filePath) {
    QSettings().setValue(settings::kLastFolder, QFileInfo(filePath).absolutePath());
}

QString askSaveFileName(QWidget* parent, const QString& title, const QString& suggestedName,
                        const QString& filter) {
    const QString path = QFileDialog::getSaveFileName(
        parent, title, QDir(lastFolder()).filePath(suggestedName), filter);
    if (!path.isEmpty())
        rememberFolderOf(path);
    return path;
}

QString askOpenFileName(QWidget* parent, const QString& title, const QString& filter) {
    const QString path = QFileDialog::getOpenFileName(parent, title, lastFolder(), filter);
    if (!path.isEmpty())
        rememberFolderOf(path);
    return path;
}

} // namespace bazi::ui

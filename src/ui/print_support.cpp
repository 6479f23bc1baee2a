#include "ui/print_support.h"

#include <QFile>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace bazi::ui {

bool printWithDialog(QTextDocument& document, const QString& title, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    document.print(&printer);
    return true;
}

bool writePdf(QTextDocument& document, const QString& title, const QString& path) {
    // QPrinter reports no write error: it writes beside the file, and the
    // file it leaves tells whether it could; only then the old file is replaced.
    const QString part = path + QStringLiteral(".part");
    QFile::remove(part);
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(part);
        printer.setDocName(title);
        printer.setPageSize(QPageSize(QPageSize::A4));
        document.print(&printer);
    }
    if (QFile(part).size() == 0) {
        QFile::remove(part);
        return false;
    }
    QFile::remove(path);
    return QFile::rename(part, path);
}

} // namespace bazi::ui

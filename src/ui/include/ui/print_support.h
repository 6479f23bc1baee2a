#pragma once
// Printing a document of the window (a result list, a chart) through Qt's
// print dialog, or into a PDF file.

#include <QString>

class QTextDocument;
class QWidget;

namespace bazi::ui {

/// Asks for a printer and prints; false when the user cancels.
bool printWithDialog(QTextDocument& document, const QString& title, QWidget* parent);

/// Writes the document as a PDF file (A4, the document's own margins); false
/// when the file cannot be written.
[[nodiscard]] bool writePdf(QTextDocument& document, const QString& title, const QString& path);

} // namespace bazi::ui

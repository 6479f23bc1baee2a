#pragma once
// ChartView, the window that shows the chart of one moment (a result row
// double-clicked or entered): the sheet of ui/chart_sheet.h, with buttons to
// copy it as text, print it, save it as PDF and close. Escape closes it.

#include "ui/chart_sheet.h"

#include <QDialog>

class QPushButton;
class QTextBrowser;

namespace bazi::ui {

class ChartView : public QDialog {
    Q_OBJECT
public:
    explicit ChartView(QWidget* parent = nullptr);

    void showSheet(const ChartSheet& sheet);
    [[nodiscard]] const ChartSheet& sheet() const { return m_sheet; }
    [[nodiscard]] QTextBrowser* browser() const { return m_browser; }

    /// What the buttons do.
    void copyToClipboard();
    void print();
    void saveAsPdf();
    /// Writes the sheet as a PDF file; false when it cannot be written.
    [[nodiscard]] bool writePdfTo(const QString& path);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void render();

    ChartSheet m_sheet;
    QString m_html; // the sheet as shown, in the language chosen; printed as it is
    QTextBrowser* m_browser;
    QPushButton* m_copy;
    QPushButton* m_print;
    QPushButton* m_pdf;
    QPushButton* m_close;
};

} // namespace bazi::ui

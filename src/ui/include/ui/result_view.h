#pragma once
// ResultView, a table of results as every result page shows it: rows selected
// whole, a header of its own, and the actions a result offers, in its context
// menu and by keyboard:
//   查看八字 (double-click, Enter)  the chart of the row's moment, in a ChartView
//   复制 (Ctrl+C)                   the selected rows as tab-separated text, header first
//   导出为 CSV… / JSON…             the whole result in the command line's formats
//   打印… / 保存为 PDF…             the whole result as a table
// It works on any ResultTableModel.

#include <QTableView>

class QAction;
class QTextDocument;

namespace bazi::ui {

class ChartView;
class ResultTableModel;

class ResultView : public QTableView {
    Q_OBJECT
public:
    enum class ExportFormat { csv, json };

    explicit ResultView(QWidget* parent = nullptr);

    void setResultModel(ResultTableModel* model);
    [[nodiscard]] ResultTableModel* resultModel() const { return m_model; }

    /// The selected rows (all rows when none is selected) as tab-separated
    /// text: the header line, then one line per row, each ending in a line feed.
    [[nodiscard]] QString selectedRowsText() const;
    /// The result as a printable document: its title and the whole table.
    void fillDocument(QTextDocument& document) const;
    /// Writes the whole result; false with `error` set when the file cannot be written.
    bool exportTo(const QString& path, ExportFormat format, QString* error = nullptr) const;
    [[nodiscard]] bool writePdfTo(const QString& path) const;

    /// The chart window of the last row inspected, or null.
    [[nodiscard]] ChartView* chartView() const { return m_chartView; }

    QAction* inspectAction() const { return m_inspect; }
    QAction* copyAction() const { return m_copy; }
    QAction* exportCsvAction() const { return m_exportCsv; }
    QAction* exportJsonAction() const { return m_exportJson; }
    QAction* printAction() const { return m_print; }
    QAction* pdfAction() const { return m_pdf; }

    /// The actions themselves.
    void inspectRow(int row);
    void inspectCurrent();
    void copySelection();
    void askExport(ExportFormat format);
    void print();
    void askPdf();

Q_SIGNALS:
    /// A chart could not be formed (the chart primitives library failed).
    void failed(const QString& message);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void updateActions();

    ResultTableModel* m_model = nullptr;
    ChartView* m_chartView = nullptr;
    QAction* m_inspect;
    QAction* m_copy;
    QAction* m_exportCsv;
    QAction* m_exportJson;
    QAction* m_print;
    QAction* m_pdf;
};

} // namespace bazi::ui

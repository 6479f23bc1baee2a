#include "ui/result_view.h"

#include "ui/chart_view.h"
#include "ui/file_dialogs.h"
#include "ui/message_texts.h"
#include "ui/print_support.h"
#include "ui/result_table_model.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QSaveFile>
#include <QTextDocument>

#include <set>

namespace bazi::ui {

ResultView::ResultView(QWidget* parent)
    : QTableView(parent), m_inspect(new QAction(this)), m_copy(new QAction(this)),
      m_exportCsv(new QAction(this)), m_exportJson(new QAction(this)), m_print(new QAction(this)),
      m_pdf(new QAction(this)) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    verticalHeader()->hide();

    m_copy->setShortcut(QKeySequence::Copy);
    m_copy->setShortcutContext(Qt::WidgetShortcut);
    addAction(m_copy);
    m_inspect->setShortcut(QKeySequence(Qt::Key_Return));
    m_inspect->setShortcutContext(Qt::WidgetShortcut); // shown in the menu; Enter is handled below

    connect(m_inspect, &QAction::triggered, this, &ResultView::inspectCurrent);
    connect(m_copy, &QAction::triggered, this, &ResultView::copySelection);
    connect(m_exportCsv, &QAction::triggered, this, [this] { askExport(ExportFormat::csv); });
    connect(m_exportJson, &QAction::triggered, this, [this] { askExport(ExportFormat::json); });
    connect(m_print, &QAction::triggered, this, &ResultView::print);
    connect(m_pdf, &QAction::triggered, this, &ResultView::askPdf);
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { inspectRow(index.row()); });
    retranslate();
}

void ResultView::setResultModel(ResultTableModel* model) {
    m_model = model;
    setModel(model);
    connect(model, &QAbstractItemModel::modelReset, this, &ResultView::updateActions);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ResultView::updateActions);
    updateActions();
}

void ResultView::retranslate() {
    m_inspect->setText(tr("查看八字"));
    m_copy->setText(tr("复制"));
    m_exportCsv->setText(tr("导出为 CSV…"));
    m_exportJson->setText(tr("导出为 JSON…"));
    m_print->setText(tr("打印…"));
    m_pdf->setText(tr("保存为 PDF…"));
    setToolTip(tr("双击一行或按 Enter 查看它的八字；右键可复制、导出、打印"));
}

void ResultView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QTableView::changeEvent(event);
}

void ResultView::updateActions() {
    const bool rows = m_model && m_model->rowCount() > 0;
    m_inspect->setEnabled(rows && currentIndex().isValid());
    m_copy->setEnabled(rows);
    m_exportCsv->setEnabled(m_model != nullptr);
    m_exportJson->setEnabled(m_model != nullptr);
    m_print->setEnabled(rows);
    m_pdf->setEnabled(rows);
}

QString ResultView::selectedRowsText() const {
    if (!m_model)
        return {};
    std::set<int> rows;
    if (selectionModel())
        for (const QModelIndex& index : selectionModel()->selectedRows())
            rows.insert(index.row());
    if (rows.empty())
        for (int r = 0; r < m_model->rowCount(); ++r)
            rows.insert(r);
    QStringList header;
    for (int c = 0; c < m_model->columnCount(); ++c)
        header << m_model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    QString text = header.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const int r : rows) {
        QStringList cells;
        for (int c = 0; c < m_model->columnCount(); ++c)
            cells << m_model->index(r, c).data().toString();
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

void ResultView::copySelection() {
    if (m_model && m_model->rowCount() > 0)
        QApplication::clipboard()->setText(selectedRowsText());
}

void ResultView::fillDocument(QTextDocument& document) const {
    // Runs of blanks in the texts ("条件数：1  符合数：12") are kept.
    QString html = QStringLiteral("<h3 style='white-space:pre'>%1</h3>"
                                  "<table border='1' cellspacing='0' cellpadding='3' "
                                  "style='white-space:pre'><tr>")
                       .arg(m_model ? m_model->documentTitle().toHtmlEscaped() : QString());
    if (m_model) {
        for (int c = 0; c < m_model->columnCount(); ++c)
            html += QStringLiteral("<th>%1</th>")
                        .arg(m_model->headerData(c, Qt::Horizontal, Qt::DisplayRole)
                                 .toString()
                                 .toHtmlEscaped());
        html += QStringLiteral("</tr>");
        for (int r = 0; r < m_model->rowCount(); ++r) {
            html += QStringLiteral("<tr>");
            for (int c = 0; c < m_model->columnCount(); ++c)
                html += QStringLiteral("<td>%1</td>")
                            .arg(m_model->index(r, c).data().toString().toHtmlEscaped());
            html += QStringLiteral("</tr>");
        }
    }
    document.setHtml(html + QStringLiteral("</table>"));
}

bool ResultView::exportTo(const QString& path, ExportFormat format, QString* error) const {
    if (!m_model)
        return false;
    const std::string text = format == ExportFormat::csv ? m_model->csvText() : m_model->jsonText();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), qint64(text.size())) != qint64(text.size()) || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

void ResultView::askExport(ExportFormat format) {
    if (!m_model)
        return;
    const bool csv = format == ExportFormat::csv;
    const QString path = askSaveFileName(
        this, csv ? tr("导出为 CSV") : tr("导出为 JSON"),
        m_model->exportBaseName() + (csv ? QStringLiteral(".csv") : QStringLiteral(".json")),
        csv ? tr("CSV 文件 (*.csv)") : tr("JSON 文件 (*.json)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!exportTo(path, format, &error))
        showCritical(this, tr("信息："),
                     tr("无法写入文件“%1”：%2").arg(fitForMessage(path), error));
}

bool ResultView::writePdfTo(const QString& path) const {
    QTextDocument document;
    fillDocument(document);
    return writePdf(document, m_model ? m_model->documentTitle() : QString(), path);
}

void ResultView::print() {
    QTextDocument document;
    fillDocument(document);
    printWithDialog(document, m_model ? m_model->documentTitle() : QString(), this);
}

void ResultView::askPdf() {
    if (!m_model)
        return;
    const QString path =
        askSaveFileName(this, tr("保存为 PDF"), m_model->exportBaseName() + QStringLiteral(".pdf"),
                        tr("PDF 文件 (*.pdf)"));
    if (!path.isEmpty() && !writePdfTo(path))
        showCritical(this, tr("信息："), tr("无法写入文件“%1”。").arg(fitForMessage(path)));
}

void ResultView::inspectCurrent() {
    if (currentIndex().isValid())
        inspectRow(currentIndex().row());
}

void ResultView::inspectRow(int row) {
    if (!m_model)
        return;
    const std::optional<Instant> instant = m_model->instantOfRow(row);
    if (!instant)
        return;
    ChartSheet sheet;
    try {
        sheet = chartSheetOf(*instant, m_model->timeBasis(), m_model->chartOptions(),
                             m_model->rowsAreMoments());
    } catch (const std::exception& e) {
        Q_EMIT failed(libraryErrorText(e));
        return;
    }
    if (!m_chartView)
        m_chartView = new ChartView(this);
    m_chartView->showSheet(sheet);
    m_chartView->show();
    m_chartView->raise();
    m_chartView->activateWindow();
}

void ResultView::keyPressEvent(QKeyEvent* event) {
    // Enter opens the chart of the current row and goes no further (the
    // window around would run the query).
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        currentIndex().isValid()) {
        inspectCurrent();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void ResultView::contextMenuEvent(QContextMenuEvent* event) {
    updateActions();
    QMenu menu(this);
    menu.addAction(m_inspect);
    menu.addSeparator();
    menu.addAction(m_copy);
    menu.addSeparator();
    menu.addAction(m_exportCsv);
    menu.addAction(m_exportJson);
    menu.addSeparator();
    menu.addAction(m_print);
    menu.addAction(m_pdf);
    menu.exec(event->globalPos());
}

} // namespace bazi::ui

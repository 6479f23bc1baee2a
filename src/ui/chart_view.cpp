#include "ui/chart_view.h"

#include "ui/file_dialogs.h"
#include "ui/message_texts.h"
#include "ui/print_support.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace bazi::ui {

ChartView::ChartView(QWidget* parent)
    : QDialog(parent), m_browser(new QTextBrowser(this)), m_copy(new QPushButton(this)),
      m_print(new QPushButton(this)), m_pdf(new QPushButton(this)), m_close(new QPushButton(this)) {
    setObjectName(QStringLiteral("ChartView"));
    m_browser->setObjectName(QStringLiteral("文本_八字"));
    m_copy->setObjectName(QStringLiteral("按钮_复制八字"));
    m_print->setObjectName(QStringLiteral("按钮_打印八字"));
    m_pdf->setObjectName(QStringLiteral("按钮_八字PDF"));
    m_close->setObjectName(QStringLiteral("按钮_关闭八字"));
    m_browser->setOpenLinks(false);
    m_close->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_copy);
    buttons->addWidget(m_print);
    buttons->addWidget(m_pdf);
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser, 1);
    layout->addLayout(buttons);
    resize(580, 640);

    connect(m_copy, &QPushButton::clicked, this, &ChartView::copyToClipboard);
    connect(m_print, &QPushButton::clicked, this, &ChartView::print);
    connect(m_pdf, &QPushButton::clicked, this, &ChartView::saveAsPdf);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    retranslate();
}

void ChartView::showSheet(const ChartSheet& sheet) {
    m_sheet = sheet;
    render();
}

void ChartView::render() {
    m_html = chartSheetHtml(m_sheet);
    m_browser->setHtml(m_html);
    setWindowTitle(tr("八字 %1").arg(chartSheetTitle(m_sheet)));
}

void ChartView::retranslate() {
    m_copy->setText(tr("复制"));
    m_copy->setToolTip(tr("把这张八字作为文本复制到剪贴板"));
    m_print->setText(tr("打印…"));
    m_pdf->setText(tr("保存为 PDF…"));
    m_close->setText(tr("关闭"));
    if (m_sheet.moment.date.year != 0)
        render();
}

void ChartView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void ChartView::copyToClipboard() {
    QApplication::clipboard()->setText(chartSheetText(m_sheet));
}

void ChartView::print() {
    QTextDocument document;
    document.setHtml(m_html);
    printWithDialog(document, windowTitle(), this);
}

bool ChartView::writePdfTo(const QString& path) {
    QTextDocument document;
    document.setHtml(m_html);
    return writePdf(document, windowTitle(), path);
}

void ChartView::saveAsPdf() {
    const QString path = askSaveFileName(this, tr("保存为 PDF"), QStringLiteral("chart.pdf"),
                                         tr("PDF 文件 (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!writePdfTo(path))
        showCritical(this, tr("信息："), tr("无法写入文件“%1”。").arg(fitForMessage(path)));
}

} // namespace bazi::ui

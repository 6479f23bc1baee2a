#include "ui/description_window.h"

#include "ui/form_texts.h"
#include "ui/platform_font.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#ifndef BAZI_VERSION
#define BAZI_VERSION "unknown"
#endif

namespace bazi::ui {

QString versionNumber() {
    return QStringLiteral(BAZI_VERSION);
}

QString versionText() {
    return QStringLiteral("bazi-seek ") + versionNumber();
}

DescriptionWindow::DescriptionWindow(QWidget* parent)
    : QDialog(parent), m_summary(new QLabel(this)), m_body(new QTextBrowser(this)),
      m_close(new QPushButton(this)) {
    setObjectName(QStringLiteral("DescriptionWindow"));
    setModal(true);
    setFont(formFont());
    m_summary->setObjectName(QStringLiteral("标签_说明"));
    m_summary->setWordWrap(true);
    m_summary->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_body->setObjectName(QStringLiteral("文本_说明"));
    m_body->setOpenExternalLinks(false);
    m_close->setObjectName(QStringLiteral("按钮_关闭说明"));
    m_close->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_body, 1);
    layout->addLayout(buttons);
    resize(560, 520);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    retranslate();
}

void DescriptionWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void DescriptionWindow::retranslate() {
    setWindowTitle(descriptionCaption());
    m_summary->setText(descriptionText());
    m_close->setText(tr("关闭"));
    const QString rows = [] {
        const QList<QPair<QString, QString>> keys = {
            {tr("Enter、F5"), tr("推算（在窗口中任何地方）")},
            {tr("Ctrl+Tab、Ctrl+PgDn"), tr("下一页")},
            {tr("Ctrl+Shift+Tab、Ctrl+PgUp"), tr("上一页")},
            {tr("Ctrl+Z、Ctrl+Shift+Z"), tr("撤销、重做条件的改动")},
            {tr("Ctrl+O、Ctrl+S"), tr("打开、保存条件文件")},
            {tr("Ctrl+P"), tr("打印查询结果")},
            {tr("Ctrl+T"), tr("时间设置：时区、出生地、真太阳时、晚子时")},
            {tr("日期框：直接输入"), tr("2016-03-16、20160316、农历2016年二月初八、2016-2-8农历")},
            {tr("日期框：↑↓、PageUp/PageDown"), tr("改日、改月")},
            {tr("日期框：Alt+↓、F4"), tr("打开日历")},
            {tr("结果表：双击、Enter"), tr("查看该时刻的八字")},
            {tr("结果表：Ctrl+C"), tr("复制所选的行")},
            {tr("F1"), tr("本说明")},
        };
        QString html;
        for (const auto& [key, what] : keys)
            html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                        .arg(key.toHtmlEscaped(), what.toHtmlEscaped());
        return html;
    }();
    m_body->setHtml(
        QStringLiteral("<p><b>%1</b></p>").arg(versionText().toHtmlEscaped()) +
        tr("<h4>用途</h4>"
           "<p>按八字条件找时间：设好日期和条件后按“推算”，软件查看该日及前两天共 36 个时辰"
           "（每两小时一个，自 22 时往前），列出八字符合全部条件的时辰。可用于择时，"
           "也可用于推寻不确定的出生时间。</p>"
           "<h4>条件怎样读</h4>"
           "<p>每一行：<b>条件</b>选要找的五行、干支、十神或神煞（“-”不用该行）；"
           "<b>位置</b>要求它出现在哪里；<b>数量</b>要求它的个数。"
           "数量为“0”表示<b>一个也没有</b>——只选了“金”而数量仍为“0”，找的是没有金的八字；"
           "要找有金的，请选“非0”。所有条件同时成立（并且）。</p>"
           "<h4>结果怎样读</h4>"
           "<p>“查询结果”页每行一个时辰，新的在前：公历时间、农历时间、八字（年柱 月柱 日柱 "
           "时柱）。"
           "年柱在立春交节的一刻更换，月柱在每个“节”交节的一刻更换，日柱在 23 时更换。"
           "时间为“时间设置”所选时区的钟表时间（默认东八区），状态栏写明所用的时间基准。"
           "双击一行可看该时刻的完整八字：十神、藏干、五行、神煞和节气。"
           "条件、日期或时间设置改动后，结果会标为“结果已过时”，请重新推算。</p>"
           "<h4>文件</h4>"
           "<p>“文件”菜单可把条件保存为 JSON 文件，命令行 <tt>bazi-seek query</tt> 读同样的文件；"
           "结果可导出为 CSV 或 JSON，也可打印或存为 PDF。</p>"
           "<h4>键盘</h4>") +
        QStringLiteral("<table cellpadding='2'>") + rows + QStringLiteral("</table>"));
}

} // namespace bazi::ui

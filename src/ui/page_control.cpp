#include "ui/page_control.h"

#include <QPainter>
#include <QStackedWidget>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace bazi::ui {

PageControl::PageControl(QWidget* parent)
    : QWidget(parent), m_tabs(new QTabBar(this)), m_pages(new QStackedWidget(this)) {
    m_tabs->setDrawBase(false);
    m_tabs->setExpanding(false);
    m_tabs->raise();
    connect(m_tabs, &QTabBar::currentChanged, m_pages, &QStackedWidget::setCurrentIndex);
    connect(m_tabs, &QTabBar::currentChanged, this, &PageControl::currentChanged);
}

QWidget* PageControl::addPage(const QString& caption) {
    auto* page = new QWidget(m_pages);
    m_pages->addWidget(page);
    m_tabs->addTab(caption);
    m_tabs->raise();
    return page;
}

int PageControl::count() const {
    return m_tabs->count();
}

int PageControl::currentIndex() const {
    return m_tabs->currentIndex();
}

QWidget* PageControl::page(int index) const {
    return m_pages->widget(index);
}

QString PageControl::pageCaption(int index) const {
    return m_tabs->tabText(index);
}

void PageControl::setPageCaption(int index, const QString& caption) {
    m_tabs->setTabText(index, caption);
    placeTabs();
}

void PageControl::placeTabs() {
    // The tabs' width follows their captions, inside the control's.
    const QSize tabs = m_tabs->sizeHint();
    m_tabs->setGeometry(2, 0, std::min(tabs.width(), std::max(0, width() - 4)), tabs.height());
}

void PageControl::setCurrentIndex(int index) {
    m_tabs->setCurrentIndex(index);
}

void PageControl::resizeEvent(QResizeEvent*) {
    m_pages->setGeometry(rect());
    placeTabs();
}

void PageControl::paintEvent(QPaintEvent*) {
    // The frame of the pages, starting where the tabs end.
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(0, m_tabs->height() - 1, 0, 0);
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarSize = m_tabs->size();
    frame.tabBarRect = m_tabs->geometry();
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}

} // namespace bazi::ui

#include "ui/cn_calendar.h"

#include "calendar/lunar_date_text.h"
#include "query/query_driver.h"
#include "ui/form_texts.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace bazi::ui {

CivilDate civilFromQDate(QDate date) {
    return {date.year(), date.month(), date.day()};
}

QDate qDateFromCivil(CivilDate date) {
    return QDate(date.year, date.month, date.day);
}

QString lunarText(QDate date, const QString& format) {
    return toQString(lunarDateText(civilFromQDate(date), format.toStdString()));
}

CnCalendar::CnCalendar(QWidget* parent)
    : QWidget(parent), m_popup(new QWidget(this, Qt::Popup)),
      m_calendar(new QCalendarWidget(m_popup)), m_status(new QLabel(m_popup)) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    setAccessibleName(QStringLiteral("日期"));
    setToolTip(QStringLiteral("查询的日期：显示农历日期。↑↓ 改日，PageUp/PageDown 改月，"
                              "Alt+↓ 或 F4 打开日历"));

    m_calendar->setLocale(QLocale(QLocale::Chinese, QLocale::China));
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setGridVisible(true);
    m_calendar->setDateRange(minimumDate(), maximumDate());
    m_status->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_status->setAlignment(Qt::AlignCenter);
    m_status->setAccessibleName(QStringLiteral("指针所在日的农历日期"));
    auto* layout = new QVBoxLayout(m_popup);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(m_calendar);
    layout->addWidget(m_status);

    // The status line follows the pointer over the day grid; the grid is the
    // calendar's own table view, reached by its object name.
    m_dayGrid = m_calendar->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
    if (m_dayGrid) {
        m_dayGrid->setMouseTracking(true);
        m_dayGrid->viewport()->setMouseTracking(true);
        m_dayGrid->viewport()->installEventFilter(this);
    }
    connect(m_calendar, &QCalendarWidget::clicked, this, &CnCalendar::pickDate);
    connect(m_calendar, &QCalendarWidget::activated, this, &CnCalendar::pickDate);
    connect(m_calendar, &QCalendarWidget::selectionChanged, this, &CnCalendar::showSelectedDay);
    connect(m_calendar, &QCalendarWidget::currentPageChanged, this, &CnCalendar::showSelectedDay);

    m_date = clampedDate(QDate::currentDate());
    refreshText();
}

QDate CnCalendar::minimumDate() {
    return qDateFromCivil(kFirstQueryDate);
}

QDate CnCalendar::maximumDate() {
    return qDateFromCivil(kLastQueryDate);
}

QDate CnCalendar::clampedDate(QDate date) {
    return std::clamp(date, minimumDate(), maximumDate());
}

void CnCalendar::setDate(QDate date) {
    if (!date.isValid())
        return;
    date = clampedDate(date);
    if (date == m_date)
        return;
    m_date = date;
    refreshText();
    Q_EMIT dateChanged(m_date);
}

void CnCalendar::setFormat(const QString& format) {
    m_format = format;
    refreshText();
}

QString CnCalendar::textOf(QDate date) const {
    return lunarText(date, m_format);
}

void CnCalendar::refreshText() {
    m_text = textOf(m_date);
    setAccessibleDescription(m_text);
    update();
}

void CnCalendar::showPopup() {
    m_calendar->setSelectedDate(m_date);
    showSelectedDay();
    m_popup->adjustSize();
    // Below the box, or above it where the screen ends; never off its sides.
    QPoint pos = mapToGlobal(QPoint(0, height()));
    if (const QScreen* s = screen()) {
        const QRect area = s->availableGeometry();
        if (pos.y() + m_popup->height() > area.bottom() + 1)
            pos.setY(mapToGlobal(QPoint(0, 0)).y() - m_popup->height());
        pos.setX(std::clamp(pos.x(), area.left(),
                            std::max(area.left(), area.right() + 1 - m_popup->width())));
    }
    m_popup->move(pos);
    m_popup->show();
    m_calendar->setFocus(Qt::PopupFocusReason);
}

void CnCalendar::hidePopup() {
    m_popup->hide();
}

bool CnCalendar::isPopupVisible() const {
    return m_popup->isVisible();
}

QDate CnCalendar::dateAtCell(const QModelIndex& index) const {
    if (!index.isValid())
        return {};
    bool isDay = false;
    const int day = index.data(Qt::DisplayRole).toInt(&isDay);
    if (!isDay || day < 1 || day > 31)
        return {};
    // The grid shows six weeks: the shown month with the end of the month
    // before it in the first week row and the start of the next month in the
    // last two. Only those rows can hold other months' days, and there the day
    // numbers tell them apart (above 20 before, below 15 after).
    const int headerRows =
        m_calendar->horizontalHeaderFormat() == QCalendarWidget::NoHorizontalHeader ? 0 : 1;
    const int week = index.row() - headerRows; // [0, 5]
    QDate month(m_calendar->yearShown(), m_calendar->monthShown(), 1);
    if (week == 0 && day > 20)
        month = month.addMonths(-1);
    else if (week >= 4 && day < 15)
        month = month.addMonths(1);
    return QDate(month.year(), month.month(), day);
}

// The status line always uses the default format, whatever the box's own.
void CnCalendar::showSelectedDay() {
    m_status->setText(lunarText(m_calendar->selectedDate()));
}

void CnCalendar::showDayAt(QPoint viewportPos) {
    const QDate date = dateAtCell(m_dayGrid->indexAt(viewportPos));
    if (date.isValid() && date >= minimumDate() && date <= maximumDate())
        m_status->setText(lunarText(date));
    else
        showSelectedDay();
}

void CnCalendar::pickDate(QDate date) {
    hidePopup();
    setDate(date);
}

bool CnCalendar::eventFilter(QObject* watched, QEvent* event) {
    if (m_dayGrid && watched == m_dayGrid->viewport()) {
        if (event->type() == QEvent::MouseMove)
            showDayAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        else if (event->type() == QEvent::Leave)
            showSelectedDay();
    }
    return QWidget::eventFilter(watched, event);
}

QSize CnCalendar::sizeHint() const {
    const int textWidth = fontMetrics().horizontalAdvance(m_text);
    return {textWidth + 40, std::max(fontMetrics().height() + 8, 24)};
}

void CnCalendar::paintEvent(QPaintEvent*) {
    // Drawn as a non-editable combo box: a framed line with a drop-down arrow.
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.editable = false;
    option.frame = true;
    option.currentText = m_text;
    if (isPopupVisible())
        option.state |= QStyle::State_On;
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void CnCalendar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        if (isPopupVisible())
            hidePopup();
        else
            showPopup();
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void CnCalendar::keyPressEvent(QKeyEvent* event) {
    const bool alt = event->modifiers() & Qt::AltModifier;
    switch (event->key()) {
    case Qt::Key_F4:
    case Qt::Key_Space: showPopup(); return;
    case Qt::Key_Down:
        if (alt)
            showPopup();
        else
            setDate(m_date.addDays(-1));
        return;
    case Qt::Key_Left: setDate(m_date.addDays(-1)); return;
    case Qt::Key_Up:
    case Qt::Key_Right: setDate(m_date.addDays(1)); return;
    case Qt::Key_PageUp: setDate(m_date.addMonths(1)); return;
    case Qt::Key_PageDown: setDate(m_date.addMonths(-1)); return;
    default: QWidget::keyPressEvent(event);
    }
}

} // namespace bazi::ui

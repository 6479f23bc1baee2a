#include "ui/cn_calendar.h"

#include "calendar/lunar_calendar.h"
#include "calendar/lunar_date_text.h"
#include "query/query_driver.h"
#include "ui/month_calendar.h"
#include "ui/terms.h"

#include <QCoreApplication>
#include <QEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

namespace bazi::ui {
namespace {

// The default line: the engine's default format, as the language writes it.
//: The date box's line. %Y zodiac animal, %S year pillar, %M lunar month,
//: %D lunar day, %y %m %d the Gregorian year, month and day.
constexpr std::string_view kDefaultFormatSource =
    QT_TRANSLATE_NOOP("bazi::ui::CnCalendar", "%Y年(%S)%M%D %y-%m-%d");
static_assert(kDefaultFormatSource == kDefaultLunarDateFormat);

QString defaultFormat() {
    return QCoreApplication::translate("bazi::ui::CnCalendar", kDefaultFormatSource.data());
}

} // namespace

QString lunarText(QDate date, const QString& format) {
    const QString f = format.isEmpty() ? defaultFormat() : format;
    QString text = calendarText(lunarDateText(civilFromQDate(date), f.toStdString()));
    // Before the printed almanacs the lunar date is the astronomical reckoning.
    if (isReckonedLunarDate(civilFromQDate(date)))
        text += CnCalendar::tr(" 推算");
    return text;
}

CnCalendar::CnCalendar(QWidget* parent)
    : QWidget(parent), m_popup(new QWidget(this, Qt::Popup)),
      m_calendar(new MonthCalendar(m_popup)), m_status(new QLabel(m_popup)),
      m_editor(new QLineEdit(this)) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    setAttribute(Qt::WA_InputMethodEnabled);

    m_calendar->setDateRange(m_lowest, m_highest);
    m_status->setObjectName(QStringLiteral("标签_农历"));
    m_status->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_status->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(m_popup);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(m_calendar);
    layout->addWidget(m_status);

    m_editor->setObjectName(QStringLiteral("农历日期框1_输入"));
    m_editor->setFrame(false);
    m_editor->hide();
    m_editor->installEventFilter(this);
    connect(m_editor, &QLineEdit::textEdited, this, &CnCalendar::onEntryEdited);

    // The status line follows the pointer over the day grid.
    dayGrid()->viewport()->installEventFilter(this);
    connect(m_calendar, &MonthCalendar::clicked, this, &CnCalendar::pickDate);
    connect(m_calendar, &MonthCalendar::activated, this, &CnCalendar::pickDate);
    connect(m_calendar, &MonthCalendar::selectionChanged, this, &CnCalendar::showSelectedDay);
    connect(m_calendar, &MonthCalendar::currentPageChanged, this, &CnCalendar::showSelectedDay);

    m_date = std::clamp(QDate::currentDate(), m_lowest, m_highest);
    retranslate();
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

void CnCalendar::setDateRange(QDate lowest, QDate highest) {
    m_lowest = lowest;
    m_highest = highest;
    m_calendar->setDateRange(lowest, highest);
    const QDate clamped = std::clamp(m_date, lowest, highest);
    if (clamped != m_date) {
        m_date = clamped;
        refreshText();
        Q_EMIT dateChanged(m_date);
    }
}

QTableView* CnCalendar::dayGrid() const {
    return m_calendar->dayGrid();
}

void CnCalendar::setDate(QDate date) {
    if (!date.isValid())
        return;
    if (isEditing())
        cancelEditing();
    date = std::clamp(date, m_lowest, m_highest);
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
    updateGeometry();
    update();
}

void CnCalendar::retranslate() {
    //: The locale whose weekday and month names the calendar shows.
    m_calendar->setLocale(QLocale(tr("zh_CN")));
    setAccessibleName(tr("日期"));
    setToolTip(
        tr("查询的日期，显示为农历日期。\n"
           "可直接输入：2016-03-16、20160316、农历2016年二月初八 或 2016-2-8农历，按 Enter 确定，"
           "Esc 取消；F2 编辑当前日期。\n"
           "↑↓ 改日，PageUp/PageDown 改月，Alt+↓ 或 F4 打开日历。"));
    m_status->setAccessibleName(tr("指针所在日的农历日期"));
    m_editor->setPlaceholderText(tr("2016-03-16 或 农历2016年二月初八"));
    m_editor->setAccessibleName(tr("输入日期"));
    refreshText();
    if (isPopupVisible())
        showSelectedDay();
    if (isEditing())
        onEntryEdited(m_editor->text());
}

void CnCalendar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

// --- the pop-up calendar ---

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
    m_calendar->dayGrid()->setFocus(Qt::PopupFocusReason);
    update();
}

void CnCalendar::hidePopup() {
    m_popup->hide();
    update();
}

bool CnCalendar::isPopupVisible() const {
    return m_popup->isVisible();
}

QDate CnCalendar::dateAtCell(const QModelIndex& index) const {
    return m_calendar->dateAt(index);
}

// The status line always uses the default format, whatever the box's own.
void CnCalendar::showSelectedDay() {
    m_status->setText(lunarText(m_calendar->selectedDate()));
}

void CnCalendar::showDayAt(QPoint viewportPos) {
    const QDate date = dateAtCell(dayGrid()->indexAt(viewportPos));
    if (date.isValid() && date >= m_lowest && date <= m_highest)
        m_status->setText(lunarText(date));
    else
        showSelectedDay();
}

void CnCalendar::pickDate(QDate date) {
    hidePopup();
    setDate(date);
    setFocus(Qt::PopupFocusReason);
}

// --- the typed entry ---

bool CnCalendar::isEditing() const {
    return !m_editor->isHidden();
}

QRect CnCalendar::editFieldRect() const {
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.editable = true;
    option.frame = true;
    return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                   this);
}

void CnCalendar::startEditing(const QString& text, bool selectAll) {
    m_editor->setGeometry(editFieldRect());
    m_editor->setFont(font());
    m_editor->setText(text);
    if (selectAll)
        m_editor->selectAll();
    else
        m_editor->end(false);
    m_editor->show();
    m_editor->setFocus(Qt::OtherFocusReason);
    onEntryEdited(text);
    update();
}

void CnCalendar::onEntryEdited(const QString& text) {
    m_entry = parseDateEntry(text, m_lowest, m_highest);
    // Marked at once when the text can no longer become a date; an unfinished
    // one only when it is offered as a date (Enter, leaving the box).
    markEntry(m_entry.status == DateEntryStatus::refused);
    if (m_entry.ok())
        m_editor->setToolTip(tr("= %1").arg(lunarText(m_entry.date)));
    else
        m_editor->setToolTip(entryProblem());
}

void CnCalendar::markEntry(bool refused) {
    m_entryMarked = refused;
    m_editor->setProperty("refused", refused);
    QPalette p = palette();
    if (refused) {
        p.setColor(QPalette::Base, QColor(0xff, 0xd9, 0xd9));
        p.setColor(QPalette::Text, QColor(0x80, 0x00, 0x00));
    }
    m_editor->setPalette(p);
}

QString CnCalendar::entryProblem() const {
    if (!isEditing())
        return {};
    return dateEntryProblemText(m_entry, m_lowest, m_highest);
}

void CnCalendar::refuseEntry() {
    markEntry(true);
    const QString problem = entryProblem();
    m_editor->setToolTip(problem);
    QToolTip::showText(mapToGlobal(QPoint(0, height())), problem, this);
    Q_EMIT entryRefused(problem);
}

bool CnCalendar::commitEditing() {
    if (!isEditing())
        return true;
    m_entry = parseDateEntry(m_editor->text(), m_lowest, m_highest);
    if (m_entry.status == DateEntryStatus::empty) {
        cancelEditing();
        return true;
    }
    if (!m_entry.ok()) {
        refuseEntry();
        return false;
    }
    const QDate date = m_entry.date;
    cancelEditing();
    setDate(date);
    return true;
}

void CnCalendar::cancelEditing() {
    const bool hadFocus = m_editor->hasFocus();
    m_editor->hide();
    m_editor->clear();
    m_entry = {};
    markEntry(false);
    QToolTip::hideText();
    if (hadFocus)
        setFocus(Qt::OtherFocusReason);
    update();
}

void CnCalendar::inputMethodEvent(QInputMethodEvent* event) {
    if (!isEditing())
        startEditing(QString());
    QCoreApplication::sendEvent(m_editor, event);
}

QVariant CnCalendar::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (isEditing())
        return m_editor->inputMethodQuery(query);
    return QWidget::inputMethodQuery(query);
}

bool CnCalendar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_editor) {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                // A taken date lets Enter go on to the window (which runs the query).
                if (commitEditing())
                    key->ignore();
                return true;
            case Qt::Key_Escape: cancelEditing(); return true;
            case Qt::Key_F4: showPopup(); return true;
            case Qt::Key_Down:
                if (key->modifiers() & Qt::AltModifier)
                    showPopup();
                return true; // no stepping while a date is typed
            case Qt::Key_Up:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
                if (key->modifiers() & Qt::ControlModifier)
                    break; // the window's page switching
                return true;
            default: break;
            }
        } else if (event->type() == QEvent::FocusOut && isEditing()) {
            const auto* focus = static_cast<QFocusEvent*>(event);
            // The pop-up taking the focus is not leaving the box.
            if (focus->reason() != Qt::PopupFocusReason && !isPopupVisible())
                commitEditing();
        }
        return false;
    }
    if (watched == dayGrid()->viewport()) {
        if (event->type() == QEvent::MouseMove)
            showDayAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        else if (event->type() == QEvent::Leave)
            showSelectedDay();
    }
    return QWidget::eventFilter(watched, event);
}

// --- the box itself ---

QSize CnCalendar::sizeHint() const {
    const int textWidth = fontMetrics().horizontalAdvance(m_text);
    return {textWidth + 40, std::max(fontMetrics().height() + 8, 24)};
}

QSize CnCalendar::minimumSizeHint() const {
    return {120, std::max(fontMetrics().height() + 8, 24)};
}

void CnCalendar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (isEditing())
        m_editor->setGeometry(editFieldRect());
}

void CnCalendar::paintEvent(QPaintEvent*) {
    // Drawn as a combo box: a framed line with a drop-down arrow; while a
    // date is typed the line is the entry's.
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.editable = isEditing();
    option.frame = true;
    option.currentText = isEditing() ? QString() : m_text;
    if (isPopupVisible())
        option.state |= QStyle::State_On;
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (!isEditing())
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
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (isEditing()) {
        // Characters sent to the box itself while a date is typed belong to
        // the entry; other keys come here only when the entry let them go.
        const QString text = event->text();
        if (!alt && !ctrl && !text.isEmpty() && text.at(0).isPrint()) {
            m_editor->insert(text);
            onEntryEdited(m_editor->text());
            return;
        }
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_F4:
    case Qt::Key_Space: showPopup(); return;
    case Qt::Key_F2: startEditing(m_date.toString(QStringLiteral("yyyy-MM-dd")), true); return;
    case Qt::Key_Down:
        if (alt)
            showPopup();
        else
            setDate(m_date.addDays(-1));
        return;
    case Qt::Key_Left: setDate(m_date.addDays(-1)); return;
    case Qt::Key_Up:
    case Qt::Key_Right: setDate(m_date.addDays(1)); return;
    case Qt::Key_PageUp:
        if (ctrl)
            break; // page switching of the window
        setDate(m_date.addMonths(1));
        return;
    case Qt::Key_PageDown:
        if (ctrl)
            break;
        setDate(m_date.addMonths(-1));
        return;
    case Qt::Key_Backspace:
    case Qt::Key_Delete: startEditing(QString()); return;
    default: break;
    }
    const QString text = event->text();
    if (!alt && !ctrl && !text.isEmpty() && text.at(0).isPrint()) {
        startEditing(text);
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace bazi::ui

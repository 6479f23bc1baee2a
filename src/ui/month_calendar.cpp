#include "ui/month_calendar.h"

#include "calendar/lunar_calendar.h"
#include "calendar/lunar_date_text.h"
#include "calendar/solar_terms.h"
#include "ui/qt_values.h"
#include "ui/terms.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>

namespace bazi::ui {
namespace {

constexpr int kWeeks = 6;
constexpr int kCellWidth = 40;
constexpr int kCellHeight = 32;

// The line under a day's number: a solar term's name on its day, the month's
// name on its first day, else the lunar day's name.
QString lunarLine(QDate date) {
    const CivilDate civil = civilFromQDate(date);
    if (const int term = termOnDate(civil); term != 0)
        return solarTermText(term);
    const std::optional<LunarDate> lunar = toLunar(civil);
    if (!lunar)
        return {};
    return calendarText(lunarDateText(civil, lunar->day == 1 ? "%M" : "%D"));
}

// A day cell: the day number, and the lunar line in a smaller font below it.
class DayCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString day = opt.text;
        opt.text.clear();
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

        const bool selected = opt.state & QStyle::State_Selected;
        QColor ink = selected ? opt.palette.color(QPalette::HighlightedText)
                              : opt.palette.color(QPalette::Text);
        if (!selected && index.data(MonthModel::kOtherMonthRole).toBool())
            ink = opt.palette.color(QPalette::Disabled, QPalette::Text);
        if (!(index.flags() & Qt::ItemIsEnabled))
            ink = opt.palette.color(QPalette::Disabled, QPalette::Text);

        painter->save();
        const QRect r = opt.rect.adjusted(1, 1, -1, -1);
        painter->setPen(ink);
        painter->setFont(opt.font);
        painter->drawText(QRect(r.left(), r.top(), r.width(), r.height() * 11 / 20),
                          Qt::AlignHCenter | Qt::AlignBottom, day);
        QFont small = opt.font;
        small.setPixelSize(std::max(8, opt.font.pixelSize() > 0 ? opt.font.pixelSize() - 2 : 9));
        painter->setFont(small);
        if (!selected && index.data(MonthModel::kTermRole).toBool())
            painter->setPen(opt.palette.color(QPalette::Link));
        painter->drawText(QRect(r.left(), r.top() + r.height() * 11 / 20, r.width(),
                                r.height() - r.height() * 11 / 20),
                          Qt::AlignHCenter | Qt::AlignTop,
                          index.data(MonthModel::kLunarRole).toString());
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {kCellWidth, kCellHeight};
    }
};

// The grid: its navigation keys move the calendar's selection across months.
class DayGridView : public QTableView {
public:
    DayGridView(MonthCalendar* calendar, QWidget* parent)
        : QTableView(parent), m_calendar(calendar) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool ctrl = event->modifiers() & Qt::ControlModifier;
        switch (event->key()) {
        case Qt::Key_Left: m_calendar->moveSelection(-1); return;
        case Qt::Key_Right: m_calendar->moveSelection(1); return;
        case Qt::Key_Up: m_calendar->moveSelection(-7); return;
        case Qt::Key_Down: m_calendar->moveSelection(7); return;
        case Qt::Key_PageUp: m_calendar->moveSelection(0, ctrl ? -12 : -1); return;
        case Qt::Key_PageDown: m_calendar->moveSelection(0, ctrl ? 12 : 1); return;
        case Qt::Key_Home: m_calendar->moveSelection(1 - m_calendar->selectedDate().day()); return;
        case Qt::Key_End: {
            const QDate d = m_calendar->selectedDate();
            m_calendar->moveSelection(d.daysInMonth() - d.day());
            return;
        }
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space: m_calendar->activateSelection(); return;
        default: event->ignore(); // Escape and the rest go to the window around
        }
    }

private:
    MonthCalendar* m_calendar;
};

QToolButton* makeNavButton(QWidget* parent, const QString& name, Qt::ArrowType arrow,
                           const QString& text) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    if (arrow != Qt::NoArrow)
        button->setArrowType(arrow);
    else
        button->setText(text);
    return button;
}

} // namespace

// --- MonthModel ---

MonthModel::MonthModel(QObject* parent) : QAbstractTableModel(parent) {}

void MonthModel::setPage(int year, int month, Qt::DayOfWeek firstDay) {
    const QDate first(year, month, 1);
    const int lead = (first.dayOfWeek() - int(firstDay) + 7) % 7; // [0, 6]
    m_month = month;
    m_first = first.addDays(-lead);
    static_assert(kCells == kWeeks * 7);
    // The lines under the numbers are worked out once per page (and language),
    // not on every paint of a cell.
    for (int cell = 0; cell < kCells; ++cell) {
        const QDate date = m_first.addDays(cell);
        m_lunarLines[std::size_t(cell)] = lunarLine(date);
        m_termDays[std::size_t(cell)] = termOnDate(civilFromQDate(date)) != 0;
    }
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(kWeeks - 1, 6));
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, 6);
}

void MonthModel::setDateRange(QDate minimum, QDate maximum) {
    m_minimum = minimum;
    m_maximum = maximum;
    Q_EMIT dataChanged(index(0, 0), index(kWeeks - 1, 6));
}

void MonthModel::setWeekdayLocale(const QLocale& locale) {
    m_locale = locale;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, 6);
}

QModelIndex MonthModel::indexOf(QDate date) const {
    const qint64 offset = m_first.daysTo(date);
    if (offset < 0 || offset >= kWeeks * 7)
        return {};
    return index(int(offset / 7), int(offset % 7));
}

int MonthModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kWeeks;
}

int MonthModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 7;
}

std::size_t MonthModel::cellOf(const QModelIndex& index) {
    return std::size_t(index.row() * 7 + index.column()); // [0, kCells)
}

QDate MonthModel::dateOf(const QModelIndex& index) const {
    return m_first.addDays(qint64(cellOf(index)));
}

QVariant MonthModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const QDate date = dateOf(index);
    switch (role) {
    case Qt::DisplayRole: return date.day();
    case kDateRole: return date;
    case kLunarRole: return m_lunarLines[cellOf(index)];
    case kOtherMonthRole: return date.month() != m_month;
    case kTermRole: return bool(m_termDays[cellOf(index)]);
    case Qt::ToolTipRole: return calendarText(lunarDateText(civilFromQDate(date)));
    case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
    default: return {};
    }
}

QVariant MonthModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    const int weekday = (m_first.dayOfWeek() - 1 + section) % 7 + 1; // [1, 7]
    return m_locale.dayName(weekday, QLocale::ShortFormat);
}

Qt::ItemFlags MonthModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    const QDate date = dateOf(index);
    if ((m_minimum.isValid() && date < m_minimum) || (m_maximum.isValid() && date > m_maximum))
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

// --- MonthCalendar ---

MonthCalendar::MonthCalendar(QWidget* parent)
    : QWidget(parent), m_model(new MonthModel(this)), m_grid(new DayGridView(this, this)),
      m_previousYear(
          makeNavButton(this, QStringLiteral("按钮_上一年"), Qt::NoArrow, QStringLiteral("«"))),
      m_previousMonth(makeNavButton(this, QStringLiteral("按钮_上月"), Qt::LeftArrow, {})),
      m_title(new QLabel(this)),
      m_nextMonth(makeNavButton(this, QStringLiteral("按钮_下月"), Qt::RightArrow, {})),
      m_nextYear(
          makeNavButton(this, QStringLiteral("按钮_下一年"), Qt::NoArrow, QStringLiteral("»"))) {
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setObjectName(QStringLiteral("标签_月份"));
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    m_title->setFont(titleFont);

    m_grid->setObjectName(QStringLiteral("表格_日"));
    m_grid->setModel(m_model);
    m_grid->setItemDelegate(new DayCellDelegate(m_grid));
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->horizontalHeader()->setDefaultSectionSize(kCellWidth);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(kCellHeight);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setShowGrid(true);
    m_grid->setMouseTracking(true);
    m_grid->viewport()->setMouseTracking(true);
    m_grid->setFixedSize(7 * kCellWidth + 2 * m_grid->frameWidth(),
                         kWeeks * kCellHeight + m_grid->horizontalHeader()->sizeHint().height() +
                             2 * m_grid->frameWidth());
    m_grid->viewport()->installEventFilter(this);
    setFocusProxy(m_grid);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(0, 0, 0, 0);
    bar->addWidget(m_previousYear);
    bar->addWidget(m_previousMonth);
    bar->addWidget(m_title, 1);
    bar->addWidget(m_nextMonth);
    bar->addWidget(m_nextYear);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(bar);
    layout->addWidget(m_grid);

    connect(m_previousMonth, &QToolButton::clicked, this, [this] {
        const QDate d = QDate(m_year, m_month, 1).addMonths(-1);
        setCurrentPage(d.year(), d.month());
    });
    connect(m_nextMonth, &QToolButton::clicked, this, [this] {
        const QDate d = QDate(m_year, m_month, 1).addMonths(1);
        setCurrentPage(d.year(), d.month());
    });
    connect(m_previousYear, &QToolButton::clicked, this,
            [this] { setCurrentPage(m_year - 1, m_month); });
    connect(m_nextYear, &QToolButton::clicked, this,
            [this] { setCurrentPage(m_year + 1, m_month); });
    connect(m_grid, &QTableView::clicked, this, &MonthCalendar::onCellClicked);

    retranslate();
    setSelectedDate(QDate::currentDate());
}

Qt::DayOfWeek MonthCalendar::firstDayOfWeek() const {
    return locale().firstDayOfWeek();
}

QDate MonthCalendar::dateAt(const QModelIndex& index) const {
    return index.isValid() ? index.data(MonthModel::kDateRole).toDate() : QDate();
}

void MonthCalendar::setDateRange(QDate minimum, QDate maximum) {
    m_minimum = minimum;
    m_maximum = maximum;
    m_model->setDateRange(minimum, maximum);
    setSelectedDate(m_selected);
}

void MonthCalendar::setSelectedDate(QDate date) {
    if (!date.isValid())
        return;
    date = std::clamp(date, m_minimum, m_maximum);
    const bool changed = date != m_selected;
    m_selected = date;
    showPage(date.year(), date.month());
    syncGridSelection();
    if (changed)
        Q_EMIT selectionChanged();
}

void MonthCalendar::setCurrentPage(int year, int month) {
    // Pages outside the range are not shown.
    QDate first(year, month, 1);
    const QDate lowest(m_minimum.year(), m_minimum.month(), 1);
    const QDate highest(m_maximum.year(), m_maximum.month(), 1);
    first = std::clamp(first, lowest, highest);
    showPage(first.year(), first.month());
    syncGridSelection();
}

void MonthCalendar::showPage(int year, int month) {
    const bool changed = year != m_year || month != m_month || !m_model->firstShownDate().isValid();
    m_year = year;
    m_month = month;
    m_model->setPage(year, month, firstDayOfWeek());
    m_title->setText(locale().toString(QDate(year, month, 1), tr("yyyy年M月")));
    m_previousMonth->setEnabled(QDate(year, month, 1) > m_minimum);
    m_nextMonth->setEnabled(QDate(year, month, 1).addMonths(1) <= m_maximum);
    m_previousYear->setEnabled(QDate(year, month, 1).addMonths(-12).addMonths(1) > m_minimum);
    m_nextYear->setEnabled(QDate(year, month, 1).addMonths(12) <= m_maximum);
    if (changed)
        Q_EMIT currentPageChanged(year, month);
}

void MonthCalendar::syncGridSelection() {
    const QModelIndex cell = m_model->indexOf(m_selected);
    if (cell.isValid() && m_selected.month() == m_month) {
        m_grid->setCurrentIndex(cell);
    } else {
        m_grid->clearSelection();
    }
}

void MonthCalendar::moveSelection(int days, int months) {
    const QDate target = m_selected.addMonths(months).addDays(days);
    setSelectedDate(target);
}

void MonthCalendar::activateSelection() {
    Q_EMIT activated(m_selected);
}

void MonthCalendar::onCellClicked(const QModelIndex& index) {
    if (!(index.flags() & Qt::ItemIsEnabled))
        return;
    const QDate date = dateAt(index);
    setSelectedDate(date);
    Q_EMIT clicked(date);
}

void MonthCalendar::retranslate() {
    m_previousYear->setToolTip(tr("上一年"));
    m_previousMonth->setToolTip(tr("上个月"));
    m_nextMonth->setToolTip(tr("下个月"));
    m_nextYear->setToolTip(tr("下一年"));
    m_model->setWeekdayLocale(locale());
    if (m_model->firstShownDate().isValid())
        showPage(m_year, m_month);
}

void MonthCalendar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::LocaleChange)
        retranslate();
    QWidget::changeEvent(event);
}

bool MonthCalendar::eventFilter(QObject* watched, QEvent* event) {
    // The mouse wheel over the grid turns the pages.
    if (watched == m_grid->viewport() && event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        const int step = wheel->angleDelta().y() > 0 ? -1 : 1;
        const QDate d = QDate(m_year, m_month, 1).addMonths(step);
        setCurrentPage(d.year(), d.month());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace bazi::ui

#include "ui/calendar_grid.h"

#include "calendar/gregorian.h"
#include "calendar/sexagenary.h"
#include "ui/qt_values.h"

#include <QDate>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace bazi::ui {
namespace {

constexpr int kDayScaleLimit = 92;   // days shown one by one
constexpr int kWeekScaleLimit = 731; // weeks up to two years, then months

// The colour of a share: white through to a clear green.
QColor shareColour(double share) {
    const auto mix = [share](int from, int to) {
        return static_cast<int>(from + (to - from) * share);
    };
    return QColor(mix(255, 46), mix(255, 160), mix(255, 67));
}

QString blockHours(int block) {
    const int start = (23 + 2 * block) % 24;
    return QStringLiteral("%1:00–%2:00")
        .arg(start, 2, 10, QLatin1Char('0'))
        .arg((start + 2) % 24, 2, 10, QLatin1Char('0'));
}

} // namespace

CalendarGridModel::CalendarGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void CalendarGridModel::setTally(const CalendarTally* tally) {
    beginResetModel();
    m_tally = tally;
    m_zoomed = false;
    const int days = tally ? tally->dayCount() : 0;
    m_overall = days <= kDayScaleLimit    ? Scale::day
                : days <= kWeekScaleLimit ? Scale::week
                                          : Scale::month;
    layLines(m_overall, 0, days - 1);
    endResetModel();
}

void CalendarGridModel::layLines(Scale scale, int firstDay, int lastDay) {
    m_scale = scale;
    m_lines.clear();
    if (!m_tally)
        return;
    for (int day = firstDay; day <= lastDay;) {
        int last = day;
        if (scale != Scale::day) {
            const CivilDate date = m_tally->dayAt(day);
            // The line runs to the end of the week (Monday first) or of the month.
            const int toEnd = scale == Scale::week
                                  ? 6 - qDateFromCivil(date).dayOfWeek() + 1
                                  : gregorianMonthDays(date.year, date.month) - date.day;
            last = std::min(lastDay, day + toEnd);
        }
        m_lines.emplace_back(day, last);
        day = last + 1;
    }
}

void CalendarGridModel::zoomInto(int line) {
    if (m_scale == Scale::day || line < 0 || line >= rowCount())
        return;
    const auto [first, last] = m_lines[static_cast<std::size_t>(line)];
    beginResetModel();
    m_zoomed = true;
    layLines(Scale::day, first, last);
    endResetModel();
}

void CalendarGridModel::zoomOut() {
    beginResetModel();
    m_zoomed = false;
    layLines(m_overall, 0, m_tally ? m_tally->dayCount() - 1 : -1);
    endResetModel();
}

std::pair<int, int> CalendarGridModel::daysOfLine(int line) const {
    if (line < 0 || line >= rowCount())
        return {-1, -1};
    return m_lines[static_cast<std::size_t>(line)];
}

void CalendarGridModel::retranslate() {
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, kBlocksPerDay - 1);
    if (rowCount() > 0) {
        Q_EMIT headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, kBlocksPerDay - 1));
    }
}

int CalendarGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

int CalendarGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kBlocksPerDay;
}

QVariant CalendarGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !m_tally || index.row() >= rowCount())
        return {};
    const auto [first, last] = m_lines[static_cast<std::size_t>(index.row())];
    switch (role) {
    case kBlockStartRole: return qint64(m_tally->blockStart(first, index.column()));
    case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
    case kShareRole:
    case kSpansRole:
    case Qt::DisplayRole:
    case Qt::BackgroundRole:
    case Qt::ToolTipRole: break;
    default: return {};
    }
    // The roles below read the cell's sum, over up to a month of days.
    const TallyCell cell = m_tally->sum(first, last, index.column());
    switch (role) {
    case kShareRole: return cell.allowed > 0 ? cell.share() : -1.0;
    case kSpansRole: return qint64(cell.spans);
    case Qt::DisplayRole:
        if (m_scale == Scale::day || cell.spans == 0)
            return {};
        return qint64(cell.spans);
    case Qt::BackgroundRole:
        if (cell.allowed == 0)
            return QColor(0xd8, 0xd8, 0xd8);
        return shareColour(cell.share());
    case Qt::ToolTipRole: {
        const QString hours = toQString(kBranchNames[static_cast<std::size_t>(index.column())]) +
                              tr("时") + QStringLiteral(" ") + blockHours(index.column());
        if (cell.allowed == 0)
            return tr("%1：不在允许的时段内").arg(hours);
        return tr("%1：符合 %2%（%3 个时段）")
            .arg(hours)
            .arg(qRound(cell.share() * 100))
            .arg(cell.spans);
    }
    default: return {};
    }
}

QVariant CalendarGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= kBlocksPerDay)
            return {};
        if (role == Qt::DisplayRole)
            return toQString(kBranchNames[static_cast<std::size_t>(section)]);
        if (role == Qt::ToolTipRole)
            return blockHours(section);
        return {};
    }
    if (role != Qt::DisplayRole || !m_tally || section < 0 || section >= rowCount())
        return {};
    const auto [first, last] = m_lines[static_cast<std::size_t>(section)];
    const QDate date = qDateFromCivil(m_tally->dayAt(first));
    switch (m_scale) {
    case Scale::day: return QLocale().toString(date, tr("yyyy-MM-dd ddd"));
    case Scale::week: return tr("%1 起一周").arg(date.toString(QStringLiteral("yyyy-MM-dd")));
    case Scale::month: return QLocale().toString(date, tr("yyyy年M月"));
    }
    return {};
}

// --- CalendarGrid ---

CalendarGrid::CalendarGrid(QWidget* parent)
    : QWidget(parent), m_model(new CalendarGridModel(this)), m_view(new QTableView(this)),
      m_caption(new QLabel(this)), m_back(new QPushButton(this)) {
    m_view->setObjectName(QStringLiteral("表格_日历"));
    m_caption->setObjectName(QStringLiteral("标签_日历"));
    m_back->setObjectName(QStringLiteral("按钮_日历返回"));
    m_view->setModel(m_model);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_view->horizontalHeader()->setMinimumSectionSize(24);
    m_view->verticalHeader()->setDefaultSectionSize(20);
    m_back->hide();

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(0, 0, 0, 0);
    bar->addWidget(m_caption, 1);
    bar->addWidget(m_back);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(bar);
    layout->addWidget(m_view, 1);

    connect(m_view, &QTableView::clicked, this, &CalendarGrid::activateCell);
    connect(m_view, &QTableView::activated, this, &CalendarGrid::activateCell);
    connect(m_back, &QPushButton::clicked, this, [this] {
        m_model->zoomOut();
        updateCaption();
    });
    retranslate();
}

void CalendarGrid::setTally(const CalendarTally* tally) {
    m_model->setTally(tally);
    updateCaption();
}

void CalendarGrid::activateCell(const QModelIndex& index) {
    if (!index.isValid())
        return;
    if (m_model->scale() != CalendarGridModel::Scale::day) {
        m_model->zoomInto(index.row());
        updateCaption();
        return;
    }
    Q_EMIT blockActivated(index.data(CalendarGridModel::kBlockStartRole).toLongLong());
}

void CalendarGrid::updateCaption() {
    switch (m_model->scale()) {
    case CalendarGridModel::Scale::day:
        m_caption->setText(tr("每格一个时辰：绿色越深，符合的部分越多；灰色不在允许的时段内"));
        break;
    case CalendarGridModel::Scale::week:
        m_caption->setText(tr("每行一周，格中数字为符合的时段数；点一行看其中各日"));
        break;
    case CalendarGridModel::Scale::month:
        m_caption->setText(tr("每行一月，格中数字为符合的时段数；点一行看其中各日"));
        break;
    }
    m_back->setVisible(m_model->isZoomed());
}

void CalendarGrid::retranslate() {
    m_back->setText(tr("返回"));
    m_view->setAccessibleName(tr("日历"));
    updateCaption();
    m_model->retranslate();
}

void CalendarGrid::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace bazi::ui

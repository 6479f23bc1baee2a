#include "ui/range_search_page.h"

#include "calendar/calendar_range.h"
#include "calendar/civil_seconds.h"
#include "calendar/day_hour_pillars.h"
#include "calendar/sexagenary.h"
#include "search/span_search.h"
#include "ui/calendar_grid.h"
#include "ui/cn_calendar.h"
#include "ui/form_texts.h"
#include "ui/message_texts.h"
#include "ui/result_view.h"
#include "ui/search_page_parts.h"
#include "ui/span_explain.h"
#include "ui/span_job.h"
#include "ui/span_result_model.h"
#include "ui/time_settings.h"

#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace bazi::ui {
namespace {

QString isoDay(QDate date) {
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

// The form as the range search reads it: everything but the reference date.
FormState withoutDate(FormState form) {
    form.date = CivilDate{};
    return form;
}

} // namespace

RangeSearchPage::RangeSearchPage(std::function<FormState()> formState, QWidget* parent)
    : QWidget(parent), m_formState(std::move(formState)), m_from(new CnCalendar(this)),
      m_to(new CnCalendar(this)), m_fromLabel(new QLabel(this)), m_toLabel(new QLabel(this)),
      m_hoursLabel(new QLabel(this)), m_allDay(new QCheckBox(this)),
      m_search(new QPushButton(this)), m_cancel(new QPushButton(this)),
      m_progress(new QProgressBar(this)), m_conditions(new QLabel(this)),
      m_editConditions(new QPushButton(this)), m_status(new QLabel(this)),
      m_staleNote(new QLabel(this)), m_model(new SpanResultModel(this)),
      m_view(new ResultView(this)), m_grid(new CalendarGrid(this)), m_why(new QTextBrowser(this)),
      m_job(new SpanJob(this)) {
    setObjectName(QStringLiteral("RangeSearchPage"));
    m_from->setObjectName(QStringLiteral("农历日期框_起"));
    m_to->setObjectName(QStringLiteral("农历日期框_止"));
    m_allDay->setObjectName(QStringLiteral("选择框_全天"));
    m_search->setObjectName(QStringLiteral("按钮_搜索"));
    m_cancel->setObjectName(QStringLiteral("按钮_取消搜索"));
    m_progress->setObjectName(QStringLiteral("进度条_搜索"));
    m_conditions->setObjectName(QStringLiteral("标签_搜索条件"));
    m_editConditions->setObjectName(QStringLiteral("按钮_修改条件"));
    m_status->setObjectName(QStringLiteral("标签_搜索状态"));
    m_staleNote->setObjectName(QStringLiteral("标签_搜索过时"));
    setWarningColour(m_staleNote);
    m_staleNote->hide();
    m_view->setObjectName(QStringLiteral("表格_时段"));
    m_why->setObjectName(QStringLiteral("文本_理由"));
    m_fromLabel->setBuddy(m_from);
    m_toLabel->setBuddy(m_to);

    // The whole calendar can be searched; two weeks from today to start with.
    for (CnCalendar* box : {m_from, m_to})
        box->setDateRange(qDateFromCivil(kCalendarFirstMoment.date),
                          qDateFromCivil(kCalendarLastMoment.date));
    m_from->setDate(QDate::currentDate());
    m_to->setDate(QDate::currentDate().addDays(13));

    auto* dates = new QHBoxLayout;
    dates->addWidget(m_fromLabel);
    dates->addWidget(m_from, 1);
    dates->addWidget(m_toLabel);
    dates->addWidget(m_to, 1);
    dates->addWidget(m_search);
    dates->addWidget(m_cancel);
    dates->addWidget(m_progress, 1);

    auto* hours = new QHBoxLayout;
    hours->addWidget(m_hoursLabel);
    for (int block = 0; block < kBlocksPerDay; ++block) {
        auto* box = new QCheckBox(this);
        box->setObjectName(QStringLiteral("选择框_时辰%1").arg(block + 1));
        box->setChecked(true);
        m_blocks[static_cast<std::size_t>(block)] = box;
        hours->addWidget(box);
        connect(box, &QCheckBox::toggled, this, [this] {
            bool all = true;
            for (QCheckBox* b : m_blocks)
                all = all && b->isChecked();
            const QSignalBlocker quiet(m_allDay);
            m_allDay->setChecked(all);
        });
    }
    m_allDay->setChecked(true);
    hours->addWidget(m_allDay);
    hours->addStretch(1);
    connect(m_allDay, &QCheckBox::clicked, this, [this](bool checked) {
        for (QCheckBox* box : m_blocks)
            box->setChecked(checked);
    });

    auto* conditions = new QHBoxLayout;
    m_conditions->setWordWrap(true);
    m_conditions->setTextFormat(Qt::PlainText);
    conditions->addWidget(m_conditions, 1);
    conditions->addWidget(m_editConditions, 0, Qt::AlignTop);

    m_view->setResultModel(m_model);
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_why->setOpenLinks(false);
    auto* side = new QSplitter(Qt::Vertical, this);
    side->addWidget(m_grid);
    side->addWidget(m_why);
    auto* split = new QSplitter(Qt::Horizontal, this);
    split->setObjectName(QStringLiteral("分隔_时段"));
    split->addWidget(m_view);
    split->addWidget(side);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(dates);
    layout->addLayout(hours);
    layout->addLayout(conditions);
    auto* status = new QHBoxLayout;
    status->addWidget(m_status, 1);
    status->addWidget(m_staleNote);
    layout->addLayout(status);
    layout->addWidget(split, 1);

    m_progress->setRange(0, 1000);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_cancel->setEnabled(false);

    connect(m_search, &QPushButton::clicked, this, &RangeSearchPage::startSearch);
    connect(m_cancel, &QPushButton::clicked, this, &RangeSearchPage::cancelSearch);
    connect(m_editConditions, &QPushButton::clicked, this,
            &RangeSearchPage::editConditionsRequested);
    connect(m_job, &SpanJob::progressed, m_progress, &QProgressBar::setValue);
    connect(m_job, &SpanJob::finished, this, &RangeSearchPage::onFinished);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { showSpan(current.row()); });
    connect(m_grid, &CalendarGrid::blockActivated, this, &RangeSearchPage::selectBlock);
    connect(m_view, &ResultView::failed, this, &RangeSearchPage::message);
    retranslate();
}

HourWindows RangeSearchPage::hourWindows() const {
    // Each clock hour is allowed when the box of its 时辰 is checked.
    HourWindows windows = kNoHours;
    for (int hour = 0; hour < 24; ++hour)
        if (m_blocks[static_cast<std::size_t>(hourBranchOfHour(hour) - 1)]->isChecked())
            windows = windows.with(hour, hour + 1);
    return windows;
}

void RangeSearchPage::refreshConditions() {
    const FormState form = m_formState();
    const QStringList lines = conditionLines(form);
    m_conditions->setText(lines.isEmpty() ? tr("条件：尚未设置（在“推算”页的条件页中设置）")
                                          : tr("条件：%1").arg(lines.join(QStringLiteral("；"))));
    m_staleNote->setVisible(resultsStaleFor(form));
}

void RangeSearchPage::startSearch() {
    if (m_job->isRunning())
        return;
    // Typed dates are taken first; one that is not a date stops the search.
    for (CnCalendar* box : {m_from, m_to}) {
        if (box->isEditing() && !box->commitEditing()) {
            Q_EMIT message(tr("日期“%1”无法使用：%2")
                               .arg(fitForMessage(box->editor()->text()), box->entryProblem()));
            return;
        }
    }
    const FormState form = m_formState();
    const Conditions conditions = captureConditions(form);
    if (conditions.conditionCount == 0) {
        Q_EMIT message(outcomeMessageText(QueryOutcome::noCondition));
        return;
    }
    if (m_to->date() < m_from->date()) {
        Q_EMIT message(
            tr("结束日期 %1 早于开始日期 %2").arg(isoDay(m_to->date()), isoDay(m_from->date())));
        return;
    }
    const HourWindows windows = hourWindows();
    if (windows.hours == 0) {
        Q_EMIT message(tr("请至少选一个时辰"));
        return;
    }
    // The dates are days of the basis's clock; the range is kept on the
    // calendar's timeline, and the basis lives as long as the search needs it.
    const std::shared_ptr<const TimeBasis> basis = searchBasisOf(m_basis);
    const std::optional<ClockDays> days = clockDays(m_from->date(), m_to->date(), basis.get());
    if (!days) {
        Q_EMIT message(tr("所选日期在这个时区的钟表上落在日历范围之外"));
        return;
    }
    SearchRange range;
    range.from = days->from;
    range.to = days->to;
    range.windows = windows;
    range.basis = basis.get();

    m_searchBasis = basis;
    m_searched = conditions;
    m_searchedForm = withoutDate(form);
    m_model->clear();
    m_hasResults = false;
    showStale();
    m_grid->setTally(nullptr);
    m_why->clear();
    refreshConditions();
    m_status->setText(tr("搜索中…"));
    setRunning(true);
    SpanJob::ClockOf clockOf;
    if (basis)
        clockOf = [basis](CivilSeconds t) { return clockSecondOf(t, *basis); };
    m_job->start(
        [conditions, range, keepBasis = basis](const SpanVisitor& visit, SearchControl& control) {
            return searchSpans(conditions, range, visit, &control);
        },
        range.from, range.to, windows, clockOf);
}

void RangeSearchPage::cancelSearch() {
    m_job->cancel();
}

void RangeSearchPage::setRunning(bool running) {
    m_search->setEnabled(!running);
    m_cancel->setEnabled(running);
    if (running)
        m_progress->setValue(0);
}

void RangeSearchPage::onFinished() {
    setRunning(false);
    const SpanJobResult& result = m_job->result();
    if (!result.error.isEmpty()) {
        m_status->setText(tr("搜索失败"));
        Q_EMIT message(result.error);
        return;
    }
    const QString summary =
        tr("条件数：%1  符合时段数：%2").arg(m_searched.conditionCount).arg(result.total);
    const QString from = isoDay(m_from->date());
    const QString to = isoDay(m_to->date());
    QString title = tr("时间范围：%1 至 %2（%3）").arg(from, to, summary);
    if (m_searchBasis)
        title += QLatin1Char('\n') + tr("时间基准：%1").arg(basisLineText(*m_searchBasis));
    m_model->setSpans(result.spans, result.total, chartOptionsOf(m_searchedForm), title,
                      QStringLiteral("bazi-seek-search-%1-%2")
                          .arg(m_from->date().toString(QStringLiteral("yyyyMMdd")),
                               m_to->date().toString(QStringLiteral("yyyyMMdd"))),
                      m_searchBasis);
    m_hasResults = true;
    showStale();
    // The grid reads the job's tally, kept until the next search starts.
    m_grid->setTally(&result.tally);
    if (result.end == SearchEnd::cancelled)
        m_status->setText(tr("已取消：此前找到 %1 个时段").arg(result.total));
    else if (result.total == 0)
        m_status->setText(tr("%1：范围内没有符合条件的时段").arg(summary));
    else if (result.total > kMaxShownSpans)
        m_status->setText(tr("%1，表中列出前 %2 个").arg(summary).arg(kMaxShownSpans));
    else
        m_status->setText(summary);
    if (m_model->rowCount() > 0)
        m_view->setCurrentIndex(m_model->index(0, 0));
}

void RangeSearchPage::showSpan(int row) {
    if (row < 0 || row >= m_model->rowCount()) {
        m_why->clear();
        return;
    }
    try {
        m_why->setHtml(spanExplanationHtml(m_model->spans()[static_cast<std::size_t>(row)],
                                           &m_searched, chartOptionsOf(m_searchedForm),
                                           m_model->basis()));
    } catch (const std::exception& e) {
        Q_EMIT message(libraryErrorText(e));
    }
}

void RangeSearchPage::selectBlock(qint64 start) {
    // The first span of the block, or the one the block starts in; the grid's
    // blocks are on the clock of the spans' basis.
    const auto& spans = m_model->spans();
    const TimeBasis* basis = m_model->basis();
    const auto onClock = [basis](CivilSeconds t) { return basis ? clockSecondOf(t, *basis) : t; };
    const auto it =
        std::lower_bound(spans.begin(), spans.end(), start,
                         [&onClock](const Span& s, qint64 t) { return onClock(s.end) <= t; });
    if (it == spans.end() || onClock(it->start) >= start + 2 * 3600) {
        m_status->setText(it == spans.end() && m_model->total() > kMaxShownSpans
                              ? tr("这个时辰的时段不在表中列出的前 %1 个之内").arg(kMaxShownSpans)
                              : tr("这个时辰没有符合条件的时段"));
        return;
    }
    const int row = static_cast<int>(it - spans.begin());
    m_view->setCurrentIndex(m_model->index(row, 0));
    m_view->scrollTo(m_model->index(row, 0));
}

void RangeSearchPage::setTimeBasis(const TimeBasis& basis) {
    m_basis = basis;
    showStale();
}

bool RangeSearchPage::resultsStale() const {
    // The form is read only when the basis leaves the question open.
    return m_hasResults &&
           (readsOtherwise(m_searchBasis.get(), m_basis) || formDiffers(m_formState()));
}

bool RangeSearchPage::resultsStaleFor(const FormState& form) const {
    return m_hasResults && (readsOtherwise(m_searchBasis.get(), m_basis) || formDiffers(form));
}

bool RangeSearchPage::formDiffers(const FormState& form) const {
    return withoutDate(form) != m_searchedForm;
}

void RangeSearchPage::showStale() {
    m_staleNote->setVisible(resultsStale());
}

void RangeSearchPage::retranslate() {
    m_fromLabel->setText(tr("从："));
    m_toLabel->setText(tr("至："));
    m_hoursLabel->setText(tr("时辰："));
    for (int block = 0; block < kBlocksPerDay; ++block) {
        QCheckBox* box = m_blocks[static_cast<std::size_t>(block)];
        const int first = (23 + 2 * block) % 24;
        box->setText(toQString(kBranchNames[static_cast<std::size_t>(block)]));
        box->setToolTip(tr("%1时：%2:00 至 %3:00")
                            .arg(toQString(kBranchNames[static_cast<std::size_t>(block)]))
                            .arg(first, 2, 10, QLatin1Char('0'))
                            .arg((first + 2) % 24, 2, 10, QLatin1Char('0')));
    }
    m_allDay->setText(tr("全天"));
    m_search->setText(tr("搜索"));
    m_search->setToolTip(
        tr("在这段时间里找八字符合全部条件的时段，精确到秒；条件在“推算”页的条件页中设置"));
    m_cancel->setText(tr("取消"));
    m_editConditions->setText(tr("修改条件…"));
    m_staleNote->setText(tr("结果已过时：条件或时间设置已改动，请重新搜索"));
    m_view->setAccessibleName(tr("符合条件的时段"));
    m_why->setAccessibleName(tr("为何符合"));
    m_model->retranslate();
    refreshConditions();
    if (m_view->currentIndex().isValid())
        showSpan(m_view->currentIndex().row());
}

void RangeSearchPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void RangeSearchPage::keyPressEvent(QKeyEvent* event) {
    if (isPlainEnter(event)) {
        startSearch();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace bazi::ui

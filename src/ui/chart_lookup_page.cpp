#include "ui/chart_lookup_page.h"

#include "calendar/calendar_range.h"
#include "calendar/civil_seconds.h"
#include "calendar/sexagenary.h"
#include "texts/lookup_texts.h"
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
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace bazi::ui {
namespace {

SearchRange wholeCalendar() {
    SearchRange range;
    range.from = civilSecondsOf(kCalendarFirstMoment);
    range.to = civilSecondsOf(kCalendarLastMoment) + 1;
    return range;
}

QString spanLine(const Span& span, const TimeBasis* basis) {
    return spanTimeText(span.start, basis) + QStringLiteral(" – ") + spanTimeText(span.end, basis);
}

} // namespace

ChartLookupPage::ChartLookupPage(QWidget* parent)
    : QWidget(parent), m_find(new QPushButton(this)), m_limit(new QCheckBox(this)),
      m_from(new CnCalendar(this)), m_toLabel(new QLabel(this)), m_to(new CnCalendar(this)),
      m_status(new QLabel(this)), m_staleNote(new QLabel(this)), m_model(new SpanResultModel(this)),
      m_view(new ResultView(this)), m_chart(new QTextBrowser(this)), m_job(new SpanJob(this)) {
    setObjectName(QStringLiteral("ChartLookupPage"));
    m_find->setObjectName(QStringLiteral("按钮_查找"));
    m_limit->setObjectName(QStringLiteral("选择框_限定范围"));
    m_from->setObjectName(QStringLiteral("农历日期框_反查起"));
    m_to->setObjectName(QStringLiteral("农历日期框_反查止"));
    m_status->setObjectName(QStringLiteral("标签_反查状态"));
    m_staleNote->setObjectName(QStringLiteral("标签_反查过时"));
    setWarningColour(m_staleNote);
    m_staleNote->hide();
    m_view->setObjectName(QStringLiteral("表格_反查"));
    m_chart->setObjectName(QStringLiteral("文本_反查八字"));

    static const char* const kNames[] = {"组合框_年柱", "组合框_月柱", "组合框_日柱",
                                         "组合框_时柱"};
    auto* pillars = new QHBoxLayout;
    for (int p = 0; p < 4; ++p) {
        auto* label = new QLabel(this);
        auto* box = new QComboBox(this);
        box->setObjectName(QString::fromUtf8(kNames[p]));
        box->setMaxVisibleItems(20);
        label->setBuddy(box);
        m_labels[static_cast<std::size_t>(p)] = label;
        m_boxes[static_cast<std::size_t>(p)] = box;
        pillars->addWidget(label);
        pillars->addWidget(box, 1);
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            if (!m_filling)
                narrow();
        });
    }
    pillars->addWidget(m_find);

    for (CnCalendar* box : {m_from, m_to})
        box->setDateRange(qDateFromCivil(kCalendarFirstMoment.date),
                          qDateFromCivil(kCalendarLastMoment.date));
    m_from->setDate(qDateFromCivil(kCalendarFirstMoment.date));
    m_to->setDate(qDateFromCivil(kCalendarLastMoment.date));
    auto* range = new QHBoxLayout;
    range->addWidget(m_limit);
    range->addWidget(m_from, 1);
    range->addWidget(m_toLabel);
    range->addWidget(m_to, 1);
    range->addStretch(1);
    const auto enableRange = [this](bool on) {
        m_from->setEnabled(on);
        m_to->setEnabled(on);
    };
    enableRange(false);
    connect(m_limit, &QCheckBox::toggled, this, enableRange);

    m_view->setResultModel(m_model);
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_chart->setOpenLinks(false);
    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(m_view);
    split->addWidget(m_chart);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pillars);
    layout->addLayout(range);
    auto* status = new QHBoxLayout;
    status->addWidget(m_status, 1);
    status->addWidget(m_staleNote);
    layout->addLayout(status);
    layout->addWidget(split, 1);

    connect(m_find, &QPushButton::clicked, this, &ChartLookupPage::startLookup);
    connect(m_job, &SpanJob::finished, this, &ChartLookupPage::onFinished);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { showSpan(current.row()); });
    connect(m_view, &ResultView::failed, this, &ChartLookupPage::message);

    std::array<bool, 61> all{};
    all.fill(true);
    m_filling = true;
    for (int p = 0; p < 4; ++p)
        fillBox(p, all);
    m_filling = false;
    retranslate();
}

ChartPattern ChartLookupPage::pattern() const {
    ChartPattern chart;
    for (std::size_t p = 0; p < 4; ++p)
        chart.pillars[p] = m_boxes[p]->currentData().toInt();
    return chart;
}

void ChartLookupPage::choosePillar(int pillar, int cycleIndex) {
    QComboBox* box = m_boxes[static_cast<std::size_t>(pillar)];
    const int index = box->findData(cycleIndex);
    if (index >= 0)
        box->setCurrentIndex(index);
}

// Rebuilds a box with "不详" and the allowed pillars, keeping its choice when
// it is still allowed.
void ChartLookupPage::fillBox(int pillar, const std::array<bool, 61>& allowed) {
    QComboBox* box = m_boxes[static_cast<std::size_t>(pillar)];
    const int chosen = box->currentData().toInt();
    box->clear();
    box->addItem(tr("不详"), 0);
    for (int cycle = 1; cycle <= 60; ++cycle)
        if (allowed[static_cast<std::size_t>(cycle)])
            box->addItem(toQString(pillarText(cycle)), cycle);
    const int index = box->findData(chosen);
    box->setCurrentIndex(index >= 0 ? index : 0);
}

void ChartLookupPage::narrow() {
    // The month box follows the year, the hour box the day (and the late 子 rule).
    const ChartPattern chart = pattern();
    const bool sameDay = m_basis.lateZi == LateZi::sameDay;
    std::array<bool, 61> months{}, hours{};
    for (int cycle = 1; cycle <= 60; ++cycle) {
        const auto c = static_cast<std::size_t>(cycle);
        months[c] = problemOf(ChartPattern{{chart.pillars[0], cycle, 0, 0}}) == ChartProblem::none;
        hours[c] =
            problemOf(ChartPattern{{0, 0, chart.pillars[2], cycle}}, sameDay) == ChartProblem::none;
    }
    m_filling = true;
    fillBox(1, months);
    fillBox(3, hours);
    m_filling = false;
}

void ChartLookupPage::startLookup() {
    if (m_job->isRunning())
        return;
    const ChartPattern chart = pattern();
    if (chart == ChartPattern{}) {
        Q_EMIT message(tr("请至少选一柱"));
        return;
    }
    const std::shared_ptr<const TimeBasis> basis = searchBasisOf(m_basis);
    SearchRange range = wholeCalendar();
    range.basis = basis.get();
    if (m_limit->isChecked()) {
        for (CnCalendar* box : {m_from, m_to}) {
            if (box->isEditing() && !box->commitEditing()) {
                Q_EMIT message(box->entryProblem());
                return;
            }
        }
        if (m_to->date() < m_from->date()) {
            Q_EMIT message(tr("结束日期早于开始日期"));
            return;
        }
        // Days of the basis's clock, on the calendar's timeline.
        const std::optional<ClockDays> days = clockDays(m_from->date(), m_to->date(), basis.get());
        if (!days) {
            Q_EMIT message(tr("所选日期在这个时区的钟表上落在日历范围之外"));
            return;
        }
        range.from = days->from;
        range.to = days->to;
    }
    m_searched = chart;
    m_range = range;
    m_searchBasis = basis;
    m_hasResults = false;
    showStale();
    m_model->clear();
    m_chart->clear();
    m_status->setText(tr("查找中…"));
    m_find->setEnabled(false);
    m_job->start(
        [chart, range, keepBasis = basis](const SpanVisitor& visit, SearchControl& control) {
            return findChartSpans(chart, range, visit, &control);
        },
        range.from, range.to);
}

void ChartLookupPage::onFinished() {
    m_find->setEnabled(true);
    const SpanJobResult& result = m_job->result();
    if (!result.error.isEmpty()) {
        m_status->setText(QString());
        Q_EMIT message(result.error);
        return;
    }
    const QString chart = toQString(chartPatternText(m_searched));
    QString title = tr("八字反查：%1（%2 个时段）").arg(chart).arg(result.total);
    if (m_searchBasis)
        title += QLatin1Char('\n') + tr("时间基准：%1").arg(basisLineText(*m_searchBasis));
    m_model->setSpans(result.spans, result.total, ChartOptions{}, title,
                      QStringLiteral("bazi-seek-find"), m_searchBasis);
    m_hasResults = true;
    showStale();
    if (result.total > 0) {
        m_status->setText(result.total > kMaxShownSpans
                              ? tr("%1：%2 个时段，表中列出前 %3 个")
                                    .arg(chart)
                                    .arg(result.total)
                                    .arg(kMaxShownSpans)
                              : tr("%1：%2 个时段").arg(chart).arg(result.total));
        m_view->setCurrentIndex(m_model->index(0, 0));
        return;
    }
    // Nothing here: say where it occurs nearest, or that it never does.
    SearchRange whole = wholeCalendar();
    whole.basis = m_range.basis;
    QString text;
    if (m_range.from == whole.from && m_range.to == whole.to) {
        text = tr("%1 在整个日历（%2 至 %3）中都不出现")
                   .arg(chart,
                        qDateFromCivil(kCalendarFirstMoment.date)
                            .toString(QStringLiteral("yyyy-MM-dd")),
                        qDateFromCivil(kCalendarLastMoment.date)
                            .toString(QStringLiteral("yyyy-MM-dd")));
    } else {
        const NearestOccurrences nearest = nearestOutside(m_searched, m_range, whole);
        text = tr("%1 不出现在所选范围内").arg(chart);
        if (!nearest.before && !nearest.after)
            text += tr("，在整个日历中也不出现");
        if (nearest.before)
            text += tr("；之前最近：%1").arg(spanLine(*nearest.before, m_range.basis));
        if (nearest.after)
            text += tr("；之后最近：%1").arg(spanLine(*nearest.after, m_range.basis));
    }
    m_status->setText(text);
    Q_EMIT message(text);
}

void ChartLookupPage::showSpan(int row) {
    if (row < 0 || row >= m_model->rowCount()) {
        m_chart->clear();
        return;
    }
    try {
        m_chart->setHtml(spanExplanationHtml(m_model->spans()[static_cast<std::size_t>(row)],
                                             nullptr, {}, m_model->basis()));
    } catch (const std::exception& e) {
        Q_EMIT message(libraryErrorText(e));
    }
}

void ChartLookupPage::setTimeBasis(const TimeBasis& basis) {
    m_basis = basis;
    narrow();
    showStale();
}

bool ChartLookupPage::resultsStale() const {
    return m_hasResults && readsOtherwise(m_searchBasis.get(), m_basis);
}

void ChartLookupPage::showStale() {
    m_staleNote->setVisible(resultsStale());
}

void ChartLookupPage::retranslate() {
    static const char* const kCaptions[] = {QT_TR_NOOP("年柱："), QT_TR_NOOP("月柱："),
                                            QT_TR_NOOP("日柱："), QT_TR_NOOP("时柱：")};
    for (std::size_t p = 0; p < 4; ++p) {
        m_labels[p]->setText(tr(kCaptions[p]));
        m_boxes[p]->setItemText(0, tr("不详"));
    }
    m_boxes[1]->setToolTip(tr("只列出能在所选年柱之下的月柱（五虎遁：年干定月干）"));
    m_boxes[3]->setToolTip(tr("只列出能在所选日柱之下的时柱（五鼠遁：日干定时干）；"
                              "晚子时算当日时，另有次日的子时柱（23 时至 24 时）"));
    m_find->setText(tr("查找"));
    m_find->setToolTip(tr("列出有这个八字的所有时段，精确到秒；“不详”的柱不限"));
    m_limit->setText(tr("限定范围："));
    m_toLabel->setText(tr("至"));
    m_staleNote->setText(tr("结果已过时：时间设置已改动，请重新查找"));
    m_view->setAccessibleName(tr("有这个八字的时段"));
    m_model->retranslate();
}

void ChartLookupPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void ChartLookupPage::keyPressEvent(QKeyEvent* event) {
    if (isPlainEnter(event)) {
        startLookup();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace bazi::ui

#include "ui/span_job.h"

#include "ui/message_texts.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QTimer>

#include <exception>
#include <optional>

namespace bazi::ui {

SpanJob::SpanJob(QObject* parent)
    : QObject(parent), m_control(std::make_unique<SearchControl>()),
      m_result(std::make_shared<SpanJobResult>()), m_timer(new QTimer(this)) {
    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, [this] { Q_EMIT progressed(progress()); });
}

SpanJob::~SpanJob() {
    if (m_thread) {
        m_control->cancel = true;
        m_thread->wait();
        delete m_thread;
    }
}

void SpanJob::start(Work work, CivilSeconds from, CivilSeconds to, HourWindows windows,
                    ClockOf clockOf) {
    if (!clockOf)
        clockOf = [](CivilSeconds t) { return t; };
    CalendarTally tally(clockOf(from), clockOf(to), windows);
    launch(std::move(work), from, to, std::move(tally), std::move(clockOf));
}

void SpanJob::start(Work work, CivilSeconds from, CivilSeconds to) {
    launch(std::move(work), from, to, std::nullopt, {});
}

void SpanJob::launch(Work work, CivilSeconds from, CivilSeconds to,
                     std::optional<CalendarTally> tally, ClockOf clockOf) {
    m_control = std::make_unique<SearchControl>();
    m_result = std::make_shared<SpanJobResult>();
    const bool tallied = tally.has_value();
    if (tally)
        m_result->tally = std::move(*tally);
    m_from = from;
    m_to = to;
    SearchControl* control = m_control.get();
    std::shared_ptr<SpanJobResult> result = m_result;
    const CivilSeconds begin = from;
    m_thread = QThread::create(
        [work = std::move(work), clockOf = std::move(clockOf), control, result, begin, tallied] {
            const SpanVisitor keep = [control, result, begin, tallied, &clockOf](const Span& span) {
                if (control->cancel)
                    return false;
                if (result->total < kMaxShownSpans)
                    result->spans.push_back(span);
                ++result->total;
                // On a clock put back, a span across the change may end before it
                // starts on the clock: the tally then leaves it out.
                if (tallied)
                    result->tally.addMatch(clockOf(span.start), clockOf(span.end));
                // A walk that reports no progress of its own still moves the bar.
                if (control->secondsDone < span.end - begin)
                    control->secondsDone = span.end - begin;
                return true;
            };
            try {
                result->end = work(keep, *control);
            } catch (const std::exception& e) {
                result->error = libraryErrorText(e);
            }
            if (control->cancel)
                result->end = SearchEnd::cancelled;
        });
    connect(m_thread, &QThread::finished, this, &SpanJob::onThreadFinished);
    m_thread->start();
    m_timer->start();
}

void SpanJob::cancel() {
    if (m_thread)
        m_control->cancel = true;
}

bool SpanJob::isRunning() const {
    return m_thread != nullptr;
}

int SpanJob::progress() const {
    if (m_to <= m_from)
        return 0;
    const double done =
        static_cast<double>(m_control->secondsDone.load()) / static_cast<double>(m_to - m_from);
    return static_cast<int>(std::clamp(done, 0.0, 1.0) * 1000.0);
}

bool SpanJob::waitForFinished(int milliseconds) {
    if (!m_thread)
        return true;
    if (!m_thread->wait(QDeadlineTimer(milliseconds)))
        return false;
    QCoreApplication::sendPostedEvents(this);
    if (m_thread) // the queued finished signal had not arrived yet
        onThreadFinished();
    return true;
}

void SpanJob::onThreadFinished() {
    if (!m_thread)
        return;
    m_timer->stop();
    m_thread->deleteLater();
    m_thread = nullptr;
    Q_EMIT progressed(result().error.isEmpty() ? 1000 : progress());
    Q_EMIT finished();
}

} // namespace bazi::ui

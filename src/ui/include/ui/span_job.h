#pragma once
// A walk over chart spans (a range search, a reverse lookup) on a thread of
// its own, so that the window never waits for it: it can be followed (the
// share of the range done) and cancelled. It keeps the first kMaxShownSpans
// spans found, counts them all and, when asked, tallies every one into a
// CalendarTally, whose days and 时辰 are those of the clock the search was
// read on.

#include "search/span_search.h"
#include "ui/calendar_tally.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QThread;
class QTimer;

namespace bazi::ui {

/// A search that finds more spans keeps, and shows, the first this many.
inline constexpr std::int64_t kMaxShownSpans = 10'000;

struct SpanJobResult {
    std::vector<Span> spans; // the first kMaxShownSpans, in time order
    std::int64_t total = 0;  // every span found
    SearchEnd end = SearchEnd::finished;
    CalendarTally tally; // empty when the job was started without one
    QString error;       // the run-time failure that ended it (the chart library); empty for none
};

class SpanJob : public QObject {
    Q_OBJECT
public:
    /// The walk: calls the visitor for each span found, follows the control.
    using Work = std::function<SearchEnd(const SpanVisitor&, SearchControl&)>;
    /// A second of the calendar's clock as the same instant's second of the
    /// clock the tally is kept on; none for the calendar's clock itself.
    using ClockOf = std::function<CivilSeconds(CivilSeconds)>;

    explicit SpanJob(QObject* parent = nullptr);
    /// A job still running is cancelled and waited for.
    ~SpanJob() override;

    /// Starts `work` over [from, to) with the allowed hours (for the tally,
    /// kept on the clock `clockOf` gives). Precondition: no job is running.
    void start(Work work, CivilSeconds from, CivilSeconds to, HourWindows windows,
               ClockOf clockOf = {});
    /// As above, without a tally: a walk no calendar grid shows (a whole
    /// calendar's tally is some twenty megabytes).
    void start(Work work, CivilSeconds from, CivilSeconds to);
    void cancel();
    [[nodiscard]] bool isRunning() const;
    /// Per mille of the range walked.
    [[nodiscard]] int progress() const;
    /// The result, once finished() has been emitted.
    [[nodiscard]] const SpanJobResult& result() const { return *m_result; }
    /// Waits for the job's end (and delivers finished()); false on timeout.
    bool waitForFinished(int milliseconds);

Q_SIGNALS:
    void progressed(int permille);
    void finished();

private:
    void launch(Work work, CivilSeconds from, CivilSeconds to, std::optional<CalendarTally> tally,
                ClockOf clockOf);
    void onThreadFinished();

    std::unique_ptr<SearchControl> m_control;
    std::shared_ptr<SpanJobResult> m_result;
    QThread* m_thread = nullptr;
    QTimer* m_timer;
    CivilSeconds m_from = 0, m_to = 0;
};

} // namespace bazi::ui

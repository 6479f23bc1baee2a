#pragma once
// Walking the chart spans of a stretch of time, in order, without forming any
// moment from scratch: the year and month pillars come from a table of the 节
// (built once from the solar-term table), the day and hour pillars from the
// second count.

#include "basis/instant.h"
#include "basis/pillar_cuts.h"
#include "basis/time_basis.h"
#include "calendar/civil_seconds.h"
#include "search/hour_windows.h"
#include "search/span.h"

#include <cstddef>
#include <limits>
#include <span>
#include <vector>

namespace bazi {

/// A 节 (odd-numbered solar term) and the year and month pillars in force from its second.
struct JieEntry {
    CivilSeconds at = 0;
    int yearPillar = 0;
    int monthPillar = 0;
};

/// Every 节 of the solar-term table, in time order (formed once, thread-safe).
[[nodiscard]] std::span<const JieEntry> jieTable();

/// The index in jieTable() of the first 节 after second `t` (the one before it is in force).
[[nodiscard]] std::size_t jieIndexAfter(CivilSeconds t);

/// The day (counted from 0001-01-01 as day 0) whose pillar holds at second t
/// of the calendar's clock: the day pillar changes at 23:00.
[[nodiscard]] constexpr CivilSeconds pillarDayAt(CivilSeconds t) {
    return floorDiv(t + 3600, kSecondsPerDay);
}

/// The pillar (cycle index 1..60) of such a day.
[[nodiscard]] int dayPillarOfDay(CivilSeconds day);

/// Spans are counted on the calendar's clock (UTC+8) whatever the time basis:
/// it is one timeline, a constant shift from UTC.
[[nodiscard]] constexpr Instant instantOfCivil(CivilSeconds t) {
    return Instant{t - (dayNumber(1970, 1, 1) - 1) * kSecondsPerDay - kCalendarUtcOffset};
}
[[nodiscard]] constexpr CivilSeconds civilOfInstant(Instant t) {
    return t.seconds + kCalendarUtcOffset + (dayNumber(1970, 1, 1) - 1) * kSecondsPerDay;
}

/// The reason a span carries at a cut of the pillars.
[[nodiscard]] constexpr CutReason cutReasonOf(CutKind kind) {
    switch (kind) {
    case CutKind::jie: return CutReason::solarTerm;
    case CutKind::dayChange: return CutReason::dayChange;
    case CutKind::hourChange: return CutReason::hourChange;
    }
    return CutReason::hourChange;
}

/// The reason a span starting or ending at second `t` of the stretch [from, to)
/// carries: the first of solarTerm, dayChange, hourChange, range, window that
/// applies there. `basis`: the time basis (null for the calendar's own).
[[nodiscard]] CutReason cutReasonAt(CivilSeconds t, CivilSeconds from, CivilSeconds to,
                                    const HourWindows& windows, const TimeBasis* basis = nullptr);

class SpanWalker {
public:
    /// The spans of [from, to), from < to, both inside the solar-term table's
    /// years. Spans in hours the windows do not allow are walked too (allowed()
    /// says so) so that callers see every cut. Under a time basis other than the
    /// calendar's (`basis` not null), the day and hour pillars change where the
    /// basis's reading does and the windows are hours of its clock; the basis
    /// must outlive the walker.
    SpanWalker(CivilSeconds from, CivilSeconds to, HourWindows windows = {},
               const TimeBasis* basis = nullptr);

    /// The next span, or false after the last.
    [[nodiscard]] bool next(Span& span);
    /// Is the span's time allowed by the windows (a span never straddles an edge).
    [[nodiscard]] bool allowed(const Span& span) const;
    /// The second the walk has reached (the start of the next span).
    [[nodiscard]] CivilSeconds position() const { return m_at; }

private:
    struct Cut {
        CivilSeconds at = 0;
        CutReason reason = CutReason::hourChange;
    };

    // The first window edge after `start`, found again only when needed.
    CivilSeconds windowEdgeAfter(CivilSeconds start);

    const TimeBasis* m_basis = nullptr; // null on the calendar's own basis
    CivilSeconds m_at;
    CivilSeconds m_to;
    HourWindows m_windows;
    CutReason m_startReason;
    std::span<const JieEntry> m_jie;
    std::size_t m_nextJie = 0; // index of the first 节 after m_at
    CivilSeconds m_day = -1;   // the day whose pillar m_dayPillar is
    int m_dayPillar = 0;
    int m_ziHourPillar = 0; // the day's 子 hour pillar
    // Under a basis: the day and hour pillars in force and the cut that ends them.
    DayHourPillars m_dayHour;
    Cut m_dayHourCut{std::numeric_limits<CivilSeconds>::min()};
    // The next window edge, and up to where it stands.
    CivilSeconds m_windowEdge = 0;
    CivilSeconds m_windowEdgeValidTo = std::numeric_limits<CivilSeconds>::min();
};

} // namespace bazi

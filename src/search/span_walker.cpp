#include "search/span_walker.h"

#include "basis/pillar_cuts.h"
#include "calendar/four_pillars.h"
#include "calendar/sexagenary.h"
#include "calendar/solar_terms.h"

#include <algorithm>
#include <limits>

namespace bazi {
namespace {

constexpr CivilSeconds kHour = 3600;
constexpr CivilSeconds kTwoHours = 7200;
constexpr CivilSeconds kDayChangeOfDay = 23 * kHour; // 23:00, seconds into the day

// The year pillar from 立春 of Gregorian year `year` on: 1901 is 辛丑 (38).
constexpr int yearPillarFromLichun(int year) {
    return cycleAdd(38, year - 1901);
}

// The hour branch (1 子 .. 12 亥) of second t.
int hourBranchAt(CivilSeconds t) {
    return static_cast<int>(floorMod(t + kHour, kSecondsPerDay) / kTwoHours) + 1; // [1, 12]
}

// The first odd hour h:00:00 after t.
constexpr CivilSeconds nextOddHourAfter(CivilSeconds t) {
    return t + (kTwoHours - floorMod(t - kHour, kTwoHours));
}

constexpr bool isOddHour(CivilSeconds t) {
    return floorMod(t - kHour, kTwoHours) == 0;
}

constexpr bool isDayChange(CivilSeconds t) {
    return floorMod(t, kSecondsPerDay) == kDayChangeOfDay;
}

int hourOfDay(CivilSeconds t) {
    return static_cast<int>(floorMod(t, kSecondsPerDay) / kHour); // [0, 23]
}

std::vector<JieEntry> formJieTable() {
    std::vector<JieEntry> table;
    table.reserve(static_cast<std::size_t>(kSolarTermLastYear - kSolarTermFirstYear + 1) * 12);
    for (int year = kSolarTermFirstYear; year <= kSolarTermLastYear; ++year) {
        for (int n = 1; n <= 23; n += 2) {
            // 小寒 (n = 1) opens 丑, still in the year that began at the last 立春.
            const int yearPillar = yearPillarFromLichun(n == 1 ? year - 1 : year);
            const int monthBranch = ((n - 1) / 2 + 1) % 12 + 1; // 小寒 丑 .. 大雪 子
            table.push_back(JieEntry{civilSecondsOf(termMoment(year, n)), yearPillar,
                                     monthPillarOf(yearPillar, monthBranch)});
        }
    }
    return table;
}

// The hour of the basis's clock at `t` (0..23).
int clockHourAt(CivilSeconds t, const TimeBasis& basis) {
    return clockFromInstant(instantOfCivil(t), basis).time.hour;
}

// Can allowed time start or stop anywhere: not when every hour is allowed or none is.
constexpr bool hasWindowEdges(const HourWindows& windows) {
    return !windows.allowsAll() && windows.hours != 0;
}

// Does allowed time start or stop at second t: at a whole hour of the
// calendar's clock, or (with a basis) where the hour of its clock crosses an edge.
bool isWindowEdge(CivilSeconds t, const HourWindows& windows, const TimeBasis* basis) {
    if (!hasWindowEdges(windows))
        return false;
    if (basis)
        return windows.allows(clockHourAt(t, *basis)) != windows.allows(clockHourAt(t - 1, *basis));
    return floorMod(t, kHour) == 0 && windows.edgeAt(hourOfDay(t));
}

// The first whole hour of the clock after t at which allowed time starts or
// stops; none (the largest count) when there is no edge within a day and a
// bit. A clock put forward or back by whole hours keeps its hours on whole
// hours of the timeline, so the next one is found a timeline hour at a time,
// from the clock's next whole hour after t.
CivilSeconds nextWindowEdgeAfter(CivilSeconds t, const HourWindows& windows,
                                 const TimeBasis* basis) {
    constexpr CivilSeconds kNone = std::numeric_limits<CivilSeconds>::max();
    if (!hasWindowEdges(windows))
        return kNone;
    CivilSeconds intoHour = floorMod(t, kHour);
    if (basis) {
        const CivilDateTime clock = clockFromInstant(instantOfCivil(t), *basis).time;
        intoHour = clock.minute * 60 + clock.second;
    }
    // 24 hours on the calendar's clock; 27 on a zone's, whose day may run 25.
    const int hours = basis ? 27 : 24;
    CivilSeconds at = t + (kHour - intoHour);
    for (int k = 0; k < hours; ++k, at += kHour)
        if (isWindowEdge(at, windows, basis))
            return at;
    return kNone;
}

bool isJie(CivilSeconds t, std::span<const JieEntry> jie) {
    const auto it = std::lower_bound(jie.begin(), jie.end(), t,
                                     [](const JieEntry& e, CivilSeconds s) { return e.at < s; });
    return it != jie.end() && it->at == t;
}

} // namespace

std::span<const JieEntry> jieTable() {
    static const std::vector<JieEntry> table = formJieTable();
    return table;
}

std::size_t jieIndexAfter(CivilSeconds t) {
    const auto jie = jieTable();
    return static_cast<std::size_t>(
        std::upper_bound(jie.begin(), jie.end(), t,
                         [](CivilSeconds s, const JieEntry& e) { return s < e.at; }) -
        jie.begin());
}

int dayPillarOfDay(CivilSeconds day) {
    static const int pillarOfDay0 = dayPillarOfDate(CivilDate{1, 1, 1});
    return cycleAdd(pillarOfDay0, static_cast<int>(floorMod(day, CivilSeconds{60})));
}

CutReason cutReasonAt(CivilSeconds t, CivilSeconds from, CivilSeconds to,
                      const HourWindows& windows, const TimeBasis* basis) {
    if (isJie(t, jieTable()))
        return CutReason::solarTerm;
    if (basis) {
        const PillarCut cut = nextDayHourCut(instantOfCivil(t - 1), *basis);
        if (civilOfInstant(cut.at) == t)
            return cutReasonOf(cut.kind);
    } else if (isDayChange(t)) {
        return CutReason::dayChange;
    } else if (isOddHour(t)) {
        return CutReason::hourChange;
    }
    return t == from || t == to || !isWindowEdge(t, windows, basis) ? CutReason::range
                                                                    : CutReason::window;
}

SpanWalker::SpanWalker(CivilSeconds from, CivilSeconds to, HourWindows windows,
                       const TimeBasis* basis)
    : m_basis(basis && !basis->isDefault() ? basis : nullptr), m_at(from), m_to(to),
      m_windows(windows), m_startReason(cutReasonAt(from, from, to, windows, m_basis)),
      m_jie(jieTable()), m_nextJie(jieIndexAfter(from)) {}

bool SpanWalker::next(Span& span) {
    if (m_at >= m_to || m_nextJie == 0)
        return false;
    const CivilSeconds start = m_at;
    PillarIndices pillars;
    Cut dayOrHour;
    // The year and month pillars from the 节 in force.
    const JieEntry& inForce = m_jie[m_nextJie - 1];
    if (m_basis) {
        // Under another time basis the day and hour pillars and their cuts come
        // from the basis (its reading moves with the clock's zone or the sun);
        // they hold until the cut, past any 节 or window edge on the way.
        if (start >= m_dayHourCut.at) {
            const Instant at = instantOfCivil(start);
            const PillarCut cut = nextDayHourCut(at, *m_basis);
            m_dayHourCut = Cut{civilOfInstant(cut.at), cutReasonOf(cut.kind)};
            m_dayHour = dayHourPillarsAt(at, *m_basis);
        }
        dayOrHour = m_dayHourCut;
        pillars =
            PillarIndices{inForce.yearPillar, inForce.monthPillar, m_dayHour.day, m_dayHour.hour};
    } else {
        const CivilSeconds hourCut = nextOddHourAfter(start);
        dayOrHour =
            Cut{hourCut, isDayChange(hourCut) ? CutReason::dayChange : CutReason::hourChange};
        if (const CivilSeconds day = pillarDayAt(start); day != m_day) {
            m_day = day;
            m_dayPillar = dayPillarOfDay(day);
            m_ziHourPillar = hourPillarOf(m_dayPillar, 1);
        }
        // A day's hour pillars follow one another in the cycle from its 子 hour.
        pillars = PillarIndices{inForce.yearPillar, inForce.monthPillar, m_dayPillar,
                                cycleAdd(m_ziHourPillar, hourBranchAt(start) - 1)};
    }
    const CivilSeconds jieCut =
        m_nextJie < m_jie.size() ? m_jie[m_nextJie].at : std::numeric_limits<CivilSeconds>::max();
    const CivilSeconds windowCut = windowEdgeAfter(start);
    const CivilSeconds end = std::min({dayOrHour.at, jieCut, windowCut, m_to});

    // The first reason that applies at the end, in the order of CutReason.
    CutReason endReason = CutReason::window;
    if (end == jieCut)
        endReason = CutReason::solarTerm;
    else if (end == dayOrHour.at)
        endReason = dayOrHour.reason;
    else if (end == m_to)
        endReason = CutReason::range;

    span = Span{start, end, pillars, m_startReason, endReason};
    m_at = end;
    m_startReason = endReason;
    if (end == jieCut)
        ++m_nextJie;
    return true;
}

CivilSeconds SpanWalker::windowEdgeAfter(CivilSeconds start) {
    // No edge lies between the start the edge was found from and the edge, so
    // it stands until a span starts at it; under a zone also only while the
    // clock keeps the offset the search aligned its hours with.
    if (start >= m_windowEdgeValidTo) {
        m_windowEdge = nextWindowEdgeAfter(start, m_windows, m_basis);
        m_windowEdgeValidTo = m_windowEdge;
        if (m_basis)
            m_windowEdgeValidTo =
                std::min(m_windowEdgeValidTo,
                         civilOfInstant(m_basis->zone.stretchAt(instantOfCivil(start)).end));
        if (m_windowEdge == std::numeric_limits<CivilSeconds>::max() && hasWindowEdges(m_windows))
            m_windowEdgeValidTo = start + 1; // none within the search's reach: look again
    }
    return m_windowEdge;
}

bool SpanWalker::allowed(const Span& span) const {
    if (m_windows.allowsAll())
        return true;
    if (m_basis)
        return m_windows.allows(clockHourAt(span.start, *m_basis));
    return m_windows.allows(hourOfDay(span.start));
}

} // namespace bazi

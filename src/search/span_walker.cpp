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

constexpr CivilSeconds floorDiv(CivilSeconds a, CivilSeconds b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// The year pillar from 立春 of Gregorian year `year` on: 1901 is 辛丑 (38).
constexpr int yearPillarFromLichun(int year) {
    return cycleAdd(38, year - 1901);
}

// The day (counted from 0001-01-01 as day 0) whose pillar holds at second t:
// the day pillar changes at 23:00.
constexpr CivilSeconds pillarDayAt(CivilSeconds t) {
    return floorDiv(t + kHour, kSecondsPerDay);
}

// The pillar of such a day.
int dayPillarOfDay(CivilSeconds day) {
    static const int pillarOfDay0 = dayPillarOfDate(CivilDate{1, 1, 1});
    return cycleAdd(pillarOfDay0, static_cast<int>(floorMod(day, CivilSeconds{60})));
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

// The first whole hour after t at which allowed time starts or stops; none
// (the largest count) when every hour is allowed or none is.
CivilSeconds nextWindowEdgeAfter(CivilSeconds t, const HourWindows& windows) {
    if (windows.allowsAll() || windows.hours == 0)
        return std::numeric_limits<CivilSeconds>::max();
    CivilSeconds at = t + (kHour - floorMod(t, kHour));
    for (int k = 0; k < 24; ++k, at += kHour)
        if (windows.edgeAt(hourOfDay(at)))
            return at;
    return std::numeric_limits<CivilSeconds>::max();
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

// The first whole hour of the basis's clock after t at which allowed time starts
// or stops. A clock put forward or back by whole hours keeps its hours on whole
// hours of the timeline, so the next one is found a timeline hour at a time.
CivilSeconds nextClockWindowEdgeAfter(CivilSeconds t, const HourWindows& windows,
                                      const TimeBasis& basis) {
    if (windows.allowsAll() || windows.hours == 0)
        return std::numeric_limits<CivilSeconds>::max();
    const CivilDateTime clock = clockFromInstant(instantOfCivil(t), basis).time;
    CivilSeconds at = t + (kHour - (clock.minute * 60 + clock.second));
    for (int k = 0; k < 27; ++k, at += kHour) {
        if (windows.allows(clockHourAt(at, basis)) != windows.allows(clockHourAt(at - 1, basis)))
            return at;
    }
    return std::numeric_limits<CivilSeconds>::max();
}

CutReason reasonOf(CutKind kind) {
    return kind == CutKind::dayChange ? CutReason::dayChange : CutReason::hourChange;
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

CutReason cutReasonAt(CivilSeconds t, CivilSeconds from, CivilSeconds to,
                      const HourWindows& windows, const TimeBasis* basis) {
    if (isJie(t, jieTable()))
        return CutReason::solarTerm;
    if (basis) {
        const PillarCut cut = nextDayHourCut(instantOfCivil(t - 1), *basis);
        if (civilOfInstant(cut.at) == t)
            return reasonOf(cut.kind);
        const bool edge =
            !windows.allowsAll() && windows.hours != 0 &&
            windows.allows(clockHourAt(t, *basis)) != windows.allows(clockHourAt(t - 1, *basis));
        return t == from || t == to || !edge ? CutReason::range : CutReason::window;
    }
    if (isDayChange(t))
        return CutReason::dayChange;
    if (isOddHour(t))
        return CutReason::hourChange;
    if (t == from || t == to || floorMod(t, kHour) != 0 || !windows.edgeAt(hourOfDay(t)))
        return CutReason::range;
    return CutReason::window;
}

SpanWalker::SpanWalker(CivilSeconds from, CivilSeconds to, HourWindows windows,
                       const TimeBasis* basis)
    : m_basis(basis && !basis->isDefault() ? basis : nullptr), m_at(from), m_to(to),
      m_windows(windows), m_startReason(cutReasonAt(from, from, to, windows, m_basis)),
      m_jie(jieTable()) {
    // The first 节 after `from`; the one before it is in force.
    m_nextJie = static_cast<std::size_t>(
        std::upper_bound(m_jie.begin(), m_jie.end(), from,
                         [](CivilSeconds s, const JieEntry& e) { return s < e.at; }) -
        m_jie.begin());
}

bool SpanWalker::next(Span& span) {
    if (m_at >= m_to || m_nextJie == 0)
        return false;
    const CivilSeconds start = m_at;
    PillarIndices pillars;
    Cut dayOrHour;
    if (m_basis) {
        // Under another time basis the day and hour cuts come from the basis
        // (its reading moves with the clock's zone or the sun), the pillars from
        // the chart of the span's first second.
        const PillarCut cut = nextDayHourCut(instantOfCivil(start), *m_basis);
        dayOrHour = Cut{civilOfInstant(cut.at), reasonOf(cut.kind)};
        pillars = chartAt(instantOfCivil(start), *m_basis).pillars;
    } else {
        const CivilSeconds hourCut = nextOddHourAfter(start);
        dayOrHour =
            Cut{hourCut, isDayChange(hourCut) ? CutReason::dayChange : CutReason::hourChange};
        if (const CivilSeconds day = pillarDayAt(start); day != m_day) {
            m_day = day;
            m_dayPillar = dayPillarOfDay(day);
            m_ziHourPillar = hourPillarOf(m_dayPillar, 1);
        }
        // The year and month pillars from the 节 in force; a day's hour pillars
        // follow one another in the cycle from its 子 hour.
        const JieEntry& inForce = m_jie[m_nextJie - 1];
        pillars = PillarIndices{inForce.yearPillar, inForce.monthPillar, m_dayPillar,
                                cycleAdd(m_ziHourPillar, hourBranchAt(start) - 1)};
    }
    const CivilSeconds jieCut =
        m_nextJie < m_jie.size() ? m_jie[m_nextJie].at : std::numeric_limits<CivilSeconds>::max();
    const CivilSeconds windowCut = m_basis ? nextClockWindowEdgeAfter(start, m_windows, *m_basis)
                                           : nextWindowEdgeAfter(start, m_windows);
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

bool SpanWalker::allowed(const Span& span) const {
    if (m_basis)
        return m_windows.allows(clockHourAt(span.start, *m_basis));
    return m_windows.allows(hourOfDay(span.start));
}

} // namespace bazi

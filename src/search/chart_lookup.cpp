#include "search/chart_lookup.h"

#include "calendar/day_hour_pillars.h"
#include "calendar/four_pillars.h"
#include "calendar/sexagenary.h"
#include "search/span_walker.h"

#include <algorithm>
#include <vector>

namespace bazi {
namespace {

constexpr CivilSeconds kHour = 3600;

struct Stretch {
    CivilSeconds from = 0, to = 0;
};

// The stretch a day's pillar holds (the day of pillarDayAt, from 23:00 before it).
constexpr Stretch pillarDayStretch(CivilSeconds day) {
    return {day * kSecondsPerDay - kHour, (day + 1) * kSecondsPerDay - kHour};
}

// The stretches that can hold the chart, narrowed pillar by pillar from the
// whole range: first the year or month (from the table of 节), then the days,
// then the hour block.
class CandidateStretches {
public:
    CandidateStretches(const ChartPattern& chart, const SearchRange& range)
        : m_chart(chart), m_range(range), m_narrowDays(!range.basis || range.basis->isDefault()) {}

    void forEach(const auto& visit) const {
        if (m_chart.known(0) || m_chart.known(1))
            forEachMonthStretch([&](Stretch s) { return days(s, visit); });
        else
            days(Stretch{m_range.from, m_range.to}, visit);
    }

private:
    // From 节 to 节: every month whose year and month pillars fit the chart.
    template <class Visit> bool forEachMonthStretch(const Visit& visit) const {
        const auto jie = jieTable();
        auto it = jie.begin() + static_cast<std::ptrdiff_t>(jieIndexAfter(m_range.from));
        if (it != jie.begin())
            --it; // the 节 in force at the start
        for (; it != jie.end() && it->at < m_range.to; ++it) {
            if (m_chart.known(0) && it->yearPillar != m_chart.pillars[0])
                continue;
            if (m_chart.known(1) && it->monthPillar != m_chart.pillars[1])
                continue;
            const CivilSeconds end = it + 1 != jie.end() ? (it + 1)->at : m_range.to;
            if (!visit(clip({it->at, end})))
                return false;
        }
        return true;
    }

    template <class Visit> bool days(Stretch s, const Visit& visit) const {
        if (s.from >= s.to)
            return true;
        // Under another time basis the day and hour pillars follow its reading:
        // the month's stretch is walked whole.
        if ((!m_chart.known(2) && !m_chart.known(3)) || !m_narrowDays)
            return visit(s);
        CivilSeconds day = pillarDayAt(s.from);
        const CivilSeconds lastDay = pillarDayAt(s.to - 1);
        int dayPillar = dayPillarOfDay(day);
        if (m_chart.known(2)) {
            // Forward to the first day with the chart's day pillar, then every sixty days.
            day += floorMod(m_chart.pillars[2] - dayPillar, 60);
            for (; day <= lastDay; day += 60)
                if (!hours(clip(s, pillarDayStretch(day)), day, m_chart.pillars[2], visit))
                    return false;
            return true;
        }
        for (; day <= lastDay; ++day, dayPillar = cycleAdd(dayPillar, 1))
            if (!hours(clip(s, pillarDayStretch(day)), day, dayPillar, visit))
                return false;
        return true;
    }

    // The hour block of the chart's hour pillar on this day (with pillar
    // `dayPillar`), if the day has it.
    template <class Visit>
    bool hours(Stretch s, CivilSeconds day, int dayPillar, const Visit& visit) const {
        if (s.from >= s.to)
            return true;
        if (!m_chart.known(3))
            return visit(s);
        const Pillar hour(m_chart.pillars[3]);
        if (hourPillarOf(dayPillar, hour.branch().index + 1) != hour.cycle)
            return true;
        const CivilSeconds blockStart =
            pillarDayStretch(day).from + 2 * kHour * hour.branch().index;
        return visit(clip(s, {blockStart, blockStart + 2 * kHour}));
    }

    [[nodiscard]] Stretch clip(Stretch s) const { return clip(s, {m_range.from, m_range.to}); }
    [[nodiscard]] static Stretch clip(Stretch a, Stretch b) {
        return {std::max(a.from, b.from), std::min(a.to, b.to)};
    }

    const ChartPattern& m_chart;
    const SearchRange& m_range;
    bool m_narrowDays; // the calendar's own basis: days and hours on its clock
};

} // namespace

ChartProblem problemOf(const ChartPattern& chart, bool lateZiSameDay) {
    if (chart.known(0) && chart.known(1) &&
        monthPillarOf(chart.pillars[0], branchNumber(chart.pillars[1])) != chart.pillars[1])
        return ChartProblem::monthNotOfYear;
    if (chart.known(2) && chart.known(3)) {
        const int branch = branchNumber(chart.pillars[3]);
        const bool ofDay = hourPillarOf(chart.pillars[2], branch) == chart.pillars[3];
        const bool lateZi = lateZiSameDay && branch == 1 &&
                            hourPillarOf(cycleAdd(chart.pillars[2], 1), 1) == chart.pillars[3];
        if (!ofDay && !lateZi)
            return ChartProblem::hourNotOfDay;
    }
    return ChartProblem::none;
}

SearchEnd findChartSpans(const ChartPattern& chart, const SearchRange& range,
                         const SpanVisitor& visit, SearchControl* control) {
    const bool sameDay = range.basis && range.basis->lateZi == LateZi::sameDay;
    if (problemOf(chart, sameDay) != ChartProblem::none || range.from >= range.to)
        return SearchEnd::finished;
    SearchEnd result = SearchEnd::finished;
    CandidateStretches(chart, range).forEach([&](Stretch s) {
        if (s.from >= s.to)
            return true;
        // A stretch that begins or ends inside the range is cut by the pillars,
        // not by the range: its reasons are those of the cut.
        forEachAllowedSpan(
            SearchRange{s.from, s.to, range.windows, range.basis}, [&](const Span& walked) {
                // The stretches are short and far apart: follow the control at
                // every span walked, found or not.
                if (control) {
                    control->secondsDone.store(walked.start - range.from,
                                               std::memory_order_relaxed);
                    if (control->cancel.load(std::memory_order_relaxed)) {
                        result = SearchEnd::cancelled;
                        return false;
                    }
                }
                if (!chart.matches(walked.pillars))
                    return true;
                Span span = walked;
                if (span.start == s.from && s.from != range.from)
                    span.startCut =
                        cutReasonAt(span.start, range.from, range.to, range.windows, range.basis);
                if (span.end == s.to && s.to != range.to)
                    span.endCut =
                        cutReasonAt(span.end, range.from, range.to, range.windows, range.basis);
                if (!visit(span)) {
                    result = SearchEnd::stopped;
                    return false;
                }
                return true;
            });
        return result == SearchEnd::finished;
    });
    return result;
}

NearestOccurrences nearestOutside(const ChartPattern& chart, const SearchRange& range,
                                  const SearchRange& whole) {
    NearestOccurrences nearest;
    SearchRange before = whole;
    before.to = range.from;
    findChartSpans(chart, before, [&](const Span& s) {
        nearest.before = s;
        return true;
    });
    SearchRange after = whole;
    after.from = range.to;
    findChartSpans(chart, after, [&](const Span& s) {
        nearest.after = s;
        return false;
    });
    return nearest;
}

} // namespace bazi

// The time basis: charts of instants and the walk from cut to cut that a span
// search makes, on the calendar's own basis, under true solar time and on a
// zone with summer time. items/s is calls per second.

#include "basis/equation_of_time.h"
#include "basis/pillar_cuts.h"
#include "basis/time_basis.h"
#include "calendar/calendar_range.h"

#include <benchmark/benchmark.h>

namespace {

using namespace bazi;

TimeBasis basisOf(int kind) {
    TimeBasis basis;
    if (kind == 1) {
        basis.solarTime = SolarTime::apparent;
        basis.longitude = 87.60046;
    } else if (kind == 2) {
        basis.zone = ClockZone::fromName("Asia/Shanghai").zone;
    } else if (kind == 3) {
        basis.zone = ClockZone::fromName("America/New_York").zone;
    }
    return basis;
}

const char* nameOf(int kind) {
    static const char* const kNames[] = {"calendar", "true solar time", "Asia/Shanghai",
                                         "America/New_York"};
    return kNames[kind];
}

// The chart of every two-hour instant of 1986..1991.
void BM_ChartAt(benchmark::State& state) {
    const TimeBasis basis = basisOf(static_cast<int>(state.range(0)));
    const Instant first = instantFromCalendarTime({{1986, 1, 1}, 0, 0, 0});
    const Instant last = instantFromCalendarTime({{1992, 1, 1}, 0, 0, 0});
    std::int64_t calls = 0;
    for (auto _ : state)
        for (Instant t = first; t < last; t = t + 7200) {
            benchmark::DoNotOptimize(chartAt(t, basis));
            ++calls;
        }
    state.SetItemsProcessed(calls);
    state.SetLabel(nameOf(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_ChartAt)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Every day and hour cut of the calendar's whole range, one after the other:
// about 650,000 cuts, what a whole-range span search walks.
void BM_DayHourCutsWholeRange(benchmark::State& state) {
    const TimeBasis basis = basisOf(static_cast<int>(state.range(0)));
    const Instant first = instantFromCalendarTime(kCalendarFirstMoment);
    const Instant last = instantFromCalendarTime(kCalendarLastMoment);
    std::int64_t calls = 0;
    for (auto _ : state)
        for (PillarCut c = nextDayHourCut(first, basis); c.at <= last;
             c = nextDayHourCut(c.at, basis)) {
            benchmark::DoNotOptimize(c);
            ++calls;
        }
    state.SetItemsProcessed(calls);
    state.SetLabel(nameOf(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_DayHourCutsWholeRange)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// A clock time to its instant: every hour of 1988 (Shanghai's summer time) and
// of 2040 (New York's, from the closing rule).
void BM_InstantFromClock(benchmark::State& state) {
    const int kind = static_cast<int>(state.range(0));
    const TimeBasis basis = basisOf(kind);
    const int year = kind == 3 ? 2040 : 1988;
    std::int64_t calls = 0;
    for (auto _ : state)
        for (CivilDateTime t{{year, 1, 1}, 0, 0, 0}; t.date.year == year; t = addHours(t, 1)) {
            benchmark::DoNotOptimize(instantFromClock(t, basis));
            ++calls;
        }
    state.SetItemsProcessed(calls);
    state.SetLabel(nameOf(kind));
}
BENCHMARK(BM_InstantFromClock)->Arg(0)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

// The equation of time every 10 minutes of a year.
void BM_EquationOfTime(benchmark::State& state) {
    const Instant first = instantFromCalendarTime({{2016, 1, 1}, 0, 0, 0});
    std::int64_t calls = 0;
    for (auto _ : state)
        for (Instant t = first; t < first + 366 * 86400; t = t + 600) {
            benchmark::DoNotOptimize(equationOfTimeMs(t));
            ++calls;
        }
    state.SetItemsProcessed(calls);
}
BENCHMARK(BM_EquationOfTime)->Unit(benchmark::kMillisecond);

} // namespace

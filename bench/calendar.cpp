// The calendar core over its whole range: items/s is calls per second, so the
// time per call is its reciprocal.

#include "calendar/lunar_calendar.h"
#include "calendar/lunar_date_text.h"
#include "calendar/four_pillars.h"
#include "calendar/moment_chart.h"

#include <benchmark/benchmark.h>

namespace {

using namespace bazi;

// toLunar for every day 1901-02-19 .. 2048-12-31.
void BM_ToLunarEveryDay(benchmark::State& state) {
    std::int64_t calls = 0;
    for (auto _ : state) {
        for (CivilDate d = kLunarFirstDate; d <= kLunarLastDate;
             d = stepDay(d, StepDirection::forward)) {
            benchmark::DoNotOptimize(toLunar(d));
            ++calls;
        }
    }
    state.SetItemsProcessed(calls);
}
BENCHMARK(BM_ToLunarEveryDay)->Unit(benchmark::kMillisecond);

// fromLunar of every lunar new year's day and mid-month day, 1901..2048.
void BM_FromLunar(benchmark::State& state) {
    std::int64_t calls = 0;
    for (auto _ : state) {
        for (int year = 1901; year <= 2048; ++year) {
            for (int month = 1; month <= 12; ++month) {
                benchmark::DoNotOptimize(fromLunar(LunarDate{year, month, 15, false}));
                ++calls;
            }
        }
    }
    state.SetItemsProcessed(calls);
}
BENCHMARK(BM_FromLunar)->Unit(benchmark::kMillisecond);

// The cycle indices of the four pillars of every two-hour moment 1901-02-19 .. 2048-12-31.
void BM_PillarIndicesEveryTwoHours(benchmark::State& state) {
    std::int64_t calls = 0;
    for (auto _ : state) {
        for (CivilDate d = kLunarFirstDate; d <= kLunarLastDate;
             d = stepDay(d, StepDirection::forward)) {
            for (int hour = 0; hour < 24; hour += 2) {
                benchmark::DoNotOptimize(pillarIndices(CivilDateTime{d, hour, 0, 0}));
                ++calls;
            }
        }
    }
    state.SetItemsProcessed(calls);
}
BENCHMARK(BM_PillarIndicesEveryTwoHours)->Unit(benchmark::kMillisecond);

// The four pillar texts of every two-hour moment 1901-02-19 .. 2048-12-31.
void BM_FourPillarsEveryTwoHours(benchmark::State& state) {
    std::int64_t calls = 0;
    for (auto _ : state) {
        for (CivilDate d = kLunarFirstDate; d <= kLunarLastDate;
             d = stepDay(d, StepDirection::forward)) {
            for (int hour = 0; hour < 24; hour += 2) {
                benchmark::DoNotOptimize(fourPillars(CivilDateTime{d, hour, 0, 0}));
                ++calls;
            }
        }
    }
    state.SetItemsProcessed(calls);
}
BENCHMARK(BM_FourPillarsEveryTwoHours)->Unit(benchmark::kMillisecond);

// The chart of one moment as the query forms it: pillars and lunar date, 36 moments.
void BM_MomentChartsOfAQueryWindow(benchmark::State& state) {
    const CivilDateTime base{{2016, 3, 16}, 22, 0, 0};
    std::int64_t calls = 0;
    MomentChart chart;
    for (auto _ : state) {
        for (int slot = 1; slot <= 36; ++slot) {
            formMomentChart(chart, addHours(base, 2 - 2 * slot));
            benchmark::DoNotOptimize(chart);
            ++calls;
        }
    }
    state.SetItemsProcessed(calls);
}
BENCHMARK(BM_MomentChartsOfAQueryWindow)->Unit(benchmark::kMicrosecond);

// The date box's line for every day of one year.
void BM_LunarDateTextOneYear(benchmark::State& state) {
    std::int64_t calls = 0;
    for (auto _ : state) {
        for (CivilDate d{2016, 1, 1}; d.year == 2016; d = stepDay(d, StepDirection::forward)) {
            benchmark::DoNotOptimize(lunarDateText(d));
            ++calls;
        }
    }
    state.SetItemsProcessed(calls);
}
BENCHMARK(BM_LunarDateTextOneYear)->Unit(benchmark::kMicrosecond);

} // namespace

// The range search over the whole of 1901-02-19 .. 2048-12-31 (about 650,000
// spans): the three-row example of examples/whole-range-three-rows.json (target
// 30 ms), twelve rows of the 神煞 group that most spans satisfy (no row fails
// early; target 300 ms), and a walk of the spans alone. The same three rows over
// 1800-2200 show the cost per span holds over the wider calendar. The walk
// under a zone with summer time (America/New_York), with and without office
// hours. Then the reverse lookup of exact and partial charts.
#include "basis/clock_zone.h"
#include "calendar/civil_seconds.h"
#include "conditions/conditions.h"
#include "form/form_catalog.h"
#include "form/form_state.h"
#include "search/chart_lookup.h"
#include "search/span_search.h"

#include <benchmark/benchmark.h>

namespace {

using namespace bazi;

SearchRange rangeOf(CivilDateTime from, CivilDateTime to) {
    return SearchRange{civilSecondsOf(from), civilSecondsOf(to), HourWindows{}};
}

const SearchRange kWholeRange = rangeOf({{1901, 2, 19}, 0, 0, 0}, {{2049, 1, 1}, 0, 0, 0});
const SearchRange kWideRange = rangeOf({{1800, 1, 1}, 0, 0, 0}, {{2201, 1, 1}, 0, 0, 0});

int indexOf(ItemList list, std::string_view text) {
    const auto items = itemsOf(list);
    for (std::size_t k = 0; k < items.size(); ++k)
        if (items[k] == text)
            return static_cast<int>(k);
    return -1;
}

void setRow(FormState& form, GroupId group, int row, std::string_view value,
            std::string_view position, std::string_view count) {
    const GroupSpec& g = groupSpec(group);
    const RowNames& names = rowNames(group, row);
    form.select(names.value, indexOf(g.valueList, value));
    form.select(names.position, indexOf(g.positionList, position));
    form.select(names.count, indexOf(g.countList, count));
}

Conditions threeRows() {
    FormState form;
    setRow(form, GroupId::stem, 1, "丙", "日干", "非0");
    setRow(form, GroupId::branch, 1, "卯", "月支", "非0");
    setRow(form, GroupId::elementChart, 1, "火", "不固定", ">=3");
    return captureConditions(form);
}

// Twelve star rows, each "不固定" with a count most charts meet ("<=3").
Conditions twelveStarRows() {
    FormState form;
    const auto stars = itemsOf(ItemList::spiritStarValue);
    for (int row = 1; row <= 12; ++row)
        setRow(form, GroupId::spiritStar, row, stars[static_cast<std::size_t>(row)], "不固定",
               "<=3");
    return captureConditions(form);
}

void runSearch(benchmark::State& state, const Conditions& conditions, const SearchRange& range) {
    long long matches = 0;
    for (auto _ : state) {
        matches = 0;
        searchSpans(conditions, range, [&](const Span&) {
            ++matches;
            return true;
        });
        benchmark::DoNotOptimize(matches);
    }
    state.counters["matches"] = static_cast<double>(matches);
}

void BM_WholeRangeThreeRows(benchmark::State& state) {
    runSearch(state, threeRows(), kWholeRange);
}
BENCHMARK(BM_WholeRangeThreeRows)->Unit(benchmark::kMillisecond);

void BM_WholeRangeTwelveStarRows(benchmark::State& state) {
    runSearch(state, twelveStarRows(), kWholeRange);
}
BENCHMARK(BM_WholeRangeTwelveStarRows)->Unit(benchmark::kMillisecond);

void BM_WideRangeThreeRows(benchmark::State& state) {
    runSearch(state, threeRows(), kWideRange);
}
BENCHMARK(BM_WideRangeThreeRows)->Unit(benchmark::kMillisecond);

void BM_WalkEverySpan(benchmark::State& state) {
    long long spans = 0;
    for (auto _ : state) {
        spans = 0;
        forEachAllowedSpan(kWholeRange, [&](const Span&) {
            ++spans;
            return true;
        });
        benchmark::DoNotOptimize(spans);
    }
    state.counters["spans"] = static_cast<double>(spans);
}
BENCHMARK(BM_WalkEverySpan)->Unit(benchmark::kMillisecond);

// Every span of the whole range on the clock of New York; argument 1 allows
// the hours 8-18 only.
void BM_WalkEverySpanInNewYork(benchmark::State& state) {
    TimeBasis basis;
    basis.zone = ClockZone::fromName("America/New_York").zone;
    SearchRange range = kWholeRange;
    range.basis = &basis;
    if (state.range(0) == 1)
        range.windows = kNoHours.with(8, 18);
    long long spans = 0;
    for (auto _ : state) {
        spans = 0;
        forEachAllowedSpan(range, [&](const Span&) {
            ++spans;
            return true;
        });
        benchmark::DoNotOptimize(spans);
    }
    state.counters["spans"] = static_cast<double>(spans);
}
BENCHMARK(BM_WalkEverySpanInNewYork)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The reverse lookup over the whole calendar, 1800-2200 (targets: one exact
// chart 20 µs, the hour unknown 1 ms).
const SearchRange kCalendar = kWideRange;

void lookUp(benchmark::State& state, ChartPattern chart) {
    long long spans = 0;
    for (auto _ : state) {
        spans = 0;
        findChartSpans(chart, kCalendar, [&](const Span&) {
            ++spans;
            return true;
        });
        benchmark::DoNotOptimize(spans);
    }
    state.counters["spans"] = static_cast<double>(spans);
}

void BM_FindExactChart(benchmark::State& state) {
    lookUp(state, ChartPattern{{33, 28, 34, 48}}); // 丙申 辛卯 丁酉 辛亥
}
BENCHMARK(BM_FindExactChart)->Unit(benchmark::kMicrosecond);

void BM_FindHourUnknown(benchmark::State& state) {
    lookUp(state, ChartPattern{{33, 28, 34, 0}});
}
BENCHMARK(BM_FindHourUnknown)->Unit(benchmark::kMicrosecond);

void BM_FindYearUnknown(benchmark::State& state) {
    lookUp(state, ChartPattern{{0, 28, 34, 48}});
}
BENCHMARK(BM_FindYearUnknown)->Unit(benchmark::kMicrosecond);

void BM_FindDayAndHourOnly(benchmark::State& state) {
    lookUp(state, ChartPattern{{0, 0, 34, 48}});
}
BENCHMARK(BM_FindDayAndHourOnly)->Unit(benchmark::kMicrosecond);

} // namespace

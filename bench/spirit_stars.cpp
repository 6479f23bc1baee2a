// The thirteen spirit stars of a chart: a query asks for them once per set
// 神煞 row and moment, at most 12 × 36 times.
#include "chart/spirit_stars.h"

#include <benchmark/benchmark.h>

namespace {

void allStarsOfOneChart(benchmark::State& state) {
    int year = 1;
    for (auto _ : state) {
        const bazi::ChartIndices chart{year, 3, 5, 49};
        benchmark::DoNotOptimize(bazi::allStars(chart, false));
        year = year % 60 + 1;
    }
}
BENCHMARK(allStarsOfOneChart);

void chartIndicesOfText(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(bazi::chartIndicesOfText("丙申辛卯丁酉辛亥"));
}
BENCHMARK(chartIndicesOfText);

} // namespace

// Forming one moment's chart tables: 24 library calls for the eight characters
// and 40 for the twelve hidden-stem slots. Target: under 2 µs per moment.
#include "chartlib/chart_primitives.h"
#include "chart/chart_tables.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

namespace {

// Charts of 60 successive days at a fixed hour, cycling the stems and branches
// so that every branch (one, two and three hidden stems) comes up.
std::vector<std::string> sampleCharts() {
    constexpr std::array<const char*, 10> stems{"甲", "乙", "丙", "丁", "戊",
                                                "己", "庚", "辛", "壬", "癸"};
    constexpr std::array<const char*, 12> branches{"子", "丑", "寅", "卯", "辰", "巳",
                                                   "午", "未", "申", "酉", "戌", "亥"};
    std::vector<std::string> charts;
    for (std::size_t day = 0; day < 60; ++day) {
        std::string chart;
        for (std::size_t pillar = 0; pillar < 4; ++pillar) {
            const std::size_t cycle = day * (pillar + 1) + 7 * pillar;
            chart += stems[cycle % 10];
            chart += branches[cycle % 12];
            chart += ' ';
        }
        charts.push_back(chart);
    }
    return charts;
}

void BM_ChartTablesOfOneMoment(benchmark::State& state) {
    const std::vector<std::string> charts = sampleCharts();
    std::size_t next = 0;
    const int swapFlag = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const bazi::ChartTable chart = bazi::fillChartTable(charts[next], swapFlag);
        const bazi::HiddenStemTable hidden = bazi::fillHiddenStemTable(chart, swapFlag);
        benchmark::DoNotOptimize(chart);
        benchmark::DoNotOptimize(hidden);
        next = next + 1 == charts.size() ? 0 : next + 1;
    }
}
BENCHMARK(BM_ChartTablesOfOneMoment)->Arg(1)->Arg(0);

// One call through the binding, for the per-call overhead.
void BM_OneTenGodCall(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(bazi::chartlib::tenGodOf("丁", "亥", 1));
    }
}
BENCHMARK(BM_OneTenGodCall);

} // namespace

// A whole query (36 moments) with every one of the 36 group rows set (target
// 50 µs), the facts of one chart from its pillar indices (target 100 ns), one
// set row against a chart's facts (target 20 ns), and the older chart plus
// chart tables of one moment through the library.
#include "chart/chart_facts.h"
#include "chart/chart_tables.h"
#include "chart/library_facts.h"
#include "conditions/conditions.h"
#include "form/form_catalog.h"
#include "form/form_state.h"
#include "calendar/moment_chart.h"
#include "query/query_driver.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace bazi;

// Every row of the seven groups on "不指定" / "不固定" with a count that always
// holds, so every row is evaluated at every moment and every moment matches:
// the most work a query can do.
FormState everyRowSatisfied() {
    FormState form(CivilDate{2016, 3, 16});
    for (const GroupSpec& g : groupSpecs()) {
        if (g.id == GroupId::spiritStar)
            continue;
        const auto counts = itemsOf(g.countList);
        // "非8" (never all eight characters one element), ">=0", "<=7".
        const std::string_view always = g.countList == ItemList::count0to8   ? "非8"
                                        : g.countList == ItemList::count0to7 ? "<=7"
                                                                             : ">=0";
        int countIndex = 0;
        for (std::size_t k = 0; k < counts.size(); ++k)
            if (counts[k] == always)
                countIndex = static_cast<int>(k);
        for (int row = 1; row <= g.rowCount; ++row) {
            const RowNames names = rowNames(g.id, row);
            form.select(names.value, 1);
            form.select(names.count, countIndex);
        }
    }
    return form;
}

// Every row tries all its candidates and fails: with the rows ANDed the first
// failing row ends a moment, so this is the cheapest full form.
FormState everyRowFailing() {
    FormState form(CivilDate{2016, 3, 16});
    for (const GroupSpec& g : groupSpecs()) {
        if (g.id == GroupId::spiritStar)
            continue;
        for (int row = 1; row <= g.rowCount; ++row) {
            const RowNames names = rowNames(g.id, row);
            form.select(names.value, 1);
            form.select(names.count, 4); // "4": no value stands four times in most charts
        }
    }
    return form;
}

void BM_QueryEveryRowSatisfied(benchmark::State& state) {
    const FormState form = everyRowSatisfied();
    for (auto _ : state) {
        const QueryResult r = runQuery(form);
        benchmark::DoNotOptimize(r.matchCount());
    }
    state.counters["matches"] = static_cast<double>(runQuery(form).matchCount());
}
BENCHMARK(BM_QueryEveryRowSatisfied)->Unit(benchmark::kMicrosecond);

void BM_QueryEveryRowFailing(benchmark::State& state) {
    const FormState form = everyRowFailing();
    for (auto _ : state) {
        const QueryResult r = runQuery(form);
        benchmark::DoNotOptimize(r.matchCount());
    }
}
BENCHMARK(BM_QueryEveryRowFailing)->Unit(benchmark::kMicrosecond);

void BM_MomentChartAndTables(benchmark::State& state) {
    const CivilDateTime moment{{2016, 3, 16}, 22, 0, 0};
    for (auto _ : state) {
        const MomentChart chart = momentChartOf(moment);
        const ChartTable table = fillChartTable(chart.chartText(), 1);
        const HiddenStemTable hidden = fillHiddenStemTable(table, 1);
        benchmark::DoNotOptimize(hidden.slots[0].tenGod.data());
    }
}
BENCHMARK(BM_MomentChartAndTables);

// The facts of one chart from its four pillar indices: a spread of real charts.
std::vector<PillarIndices> chartsOf2016() {
    std::vector<PillarIndices> charts;
    for (CivilDateTime t{{2016, 1, 1}, 0, 0, 0}; t.date.year == 2016; t = addHours(t, 2))
        charts.push_back(pillarIndices(t));
    return charts;
}

void BM_ChartFactsOfOneChart(benchmark::State& state) {
    const auto charts = chartsOf2016();
    const LibraryFacts& library = libraryFacts();
    std::size_t next = 0;
    for (auto _ : state) {
        const ChartFacts facts = chartFactsOf(charts[next], library);
        benchmark::DoNotOptimize(facts.places.element[0]);
        next = next + 1 == charts.size() ? 0 : next + 1;
    }
}
BENCHMARK(BM_ChartFactsOfOneChart);

// One set row against the facts of a chart; the rows of everyRowSatisfied()
// (不指定 with an always-true count: every candidate tried) and of a typical
// value row.
void BM_OneSetRowAgainstChartFacts(benchmark::State& state) {
    const auto charts = chartsOf2016();
    std::vector<ChartFacts> facts;
    for (std::size_t k = 0; k < 64; ++k)
        facts.push_back(chartFactsOf(charts[k * 37 % charts.size()], libraryFacts()));
    const Conditions conditions = captureConditions(everyRowSatisfied());
    std::size_t next = 0;
    std::size_t row = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rowSatisfied(conditions.rows[row], facts[next]));
        next = (next + 1) & 63;
        row = row + 1 == conditions.rows.size() ? 0 : row + 1;
    }
}
BENCHMARK(BM_OneSetRowAgainstChartFacts);

} // namespace

// The form-state reader on the largest inputs it accepts and on the worst it
// refuses: the time a hostile file can cost is bounded by these. Each case is read from memory
// through the reader's text checks and the JSON reader, as a file of that size
// would be after readTextInput.
#include "form/form_catalog.h"
#include "form/form_state_json.h"
#include "form/text_input.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace bazi;

void readOrRefuse(benchmark::State& state, const std::string& text) {
    for (auto _ : state) {
        try {
            checkTextInput(text, kMaxFormStateBytes, "bench");
            benchmark::DoNotOptimize(formStateFromJson(text, false));
        } catch (const std::exception& e) {
            benchmark::DoNotOptimize(e.what());
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
}

// A form state as the form writes one: a few kilobytes at most.
void BM_FormStateOfTheExample(benchmark::State& state) {
    readOrRefuse(state, R"({"note": "八字 条件：金 位置：天干 数量 3", "date": "2021-09-10",
        "controls": {"组合框_行1": "金", "组合框_位置行1": "天干", "组合框_行数量1": "3", "单选框2": true}})");
}
BENCHMARK(BM_FormStateOfTheExample);

// 1 MiB of "[": refused at the fourth level.
void BM_OneMiBOfBrackets(benchmark::State& state) {
    readOrRefuse(state, std::string(kMaxFormStateBytes, '['));
}
BENCHMARK(BM_OneMiBOfBrackets);

// A note of almost 1 MiB: read whole, and accepted.
void BM_OneMiBNote(benchmark::State& state) {
    const std::string head = R"({"date": "2016-03-16", "note": ")";
    readOrRefuse(state, head + std::string(kMaxFormStateBytes - head.size() - 2, 'a') + "\"}");
}
BENCHMARK(BM_OneMiBNote);

// Every control given once: the most values a form state holds, all read.
void BM_EveryControlOnce(benchmark::State& state) {
    std::string text = R"({"date": "2016-03-16", "note": "", "controls": {)";
    for (const std::string& name : allControlNames()) {
        const bool combo = findControl(name)->kind == ControlKind::comboBox;
        text += (text.back() == '{' ? "\"" : ", \"") + name + "\": " + (combo ? "1" : "true");
    }
    readOrRefuse(state, text + "}}");
}
BENCHMARK(BM_EveryControlOnce);

// Almost 1 MiB of distinct keys in one object: refused at the first value
// past maxFormStateValues(). (Looking each key up among all before it, the
// JSON library's value took 12 s.)
void BM_OneMiBOfKeys(benchmark::State& state) {
    std::string text = R"({"date": "2016-03-16", "note": "", "x": {)";
    for (int k = 0; text.size() < kMaxFormStateBytes - 32; ++k)
        text += (k ? ",\"" : "\"") + std::to_string(k) + "\":0";
    readOrRefuse(state, text + "}}");
}
BENCHMARK(BM_OneMiBOfKeys);

// Almost 1 MiB of empty objects in one array: likewise. (The JSON library's
// own builder looked through the array at the end of each: 44 s.)
void BM_OneMiBOfEmptyObjects(benchmark::State& state) {
    std::string text = R"({"date": [{})";
    while (text.size() < kMaxFormStateBytes - 8)
        text += ",{}";
    readOrRefuse(state, text + "]}");
}
BENCHMARK(BM_OneMiBOfEmptyObjects);

} // namespace

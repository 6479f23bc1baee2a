// The form-state reader on the largest inputs it accepts: the time and memory a
// hostile file can cost are bounded by these. Each case is read from memory
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

// Almost 1 MiB of distinct keys in one object: the whole object is read and
// every key checked for a repeat before the unknown names are refused.
void BM_OneMiBOfKeys(benchmark::State& state) {
    std::string text = R"({"date": "2016-03-16", "note": "", "x": {)";
    for (int k = 0; text.size() < kMaxFormStateBytes - 32; ++k)
        text += (k ? ",\"" : "\"") + std::to_string(k) + "\":0";
    readOrRefuse(state, text + "}}");
}
BENCHMARK(BM_OneMiBOfKeys);

// Almost 1 MiB of objects of as many keys as the form has controls, the most
// an object may hold: each key is looked for among those before it.
void BM_OneMiBOfLargestObjects(benchmark::State& state) {
    std::string text = R"({"date": "2016-03-16", "note": "", "x": [)";
    const std::size_t keys = allControlNames().size();
    while (text.size() < kMaxFormStateBytes - 4096) {
        text += text.back() == '[' ? "{" : ",{";
        for (std::size_t k = 0; k < keys; ++k)
            text += (k ? ",\"" : "\"") + std::to_string(k) + "\":0";
        text += "}";
    }
    readOrRefuse(state, text + "]}");
}
BENCHMARK(BM_OneMiBOfLargestObjects);

// Almost 1 MiB of empty objects in one array: the JSON library's own builder
// looked through the array at the end of each (44 s); this reader takes each once.
void BM_OneMiBOfEmptyObjects(benchmark::State& state) {
    std::string text = R"({"date": [{})";
    while (text.size() < kMaxFormStateBytes - 8)
        text += ",{}";
    readOrRefuse(state, text + "]}");
}
BENCHMARK(BM_OneMiBOfEmptyObjects);

} // namespace

#include "chartlib/chart_primitives.h"

#include "chartlib/library_loader.h"
#include "pelta/pelta.h"
#include "utf8/utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>

namespace bazi::chartlib {

namespace {

// A zero-terminated copy of a text for the library's C interface, on the stack
// for the short texts of a chart. The library reads up to the first zero byte,
// so a text with an embedded zero byte is seen cut there.
class CText {
public:
    explicit CText(std::string_view text) {
        if (text.size() < m_small.size()) {
            std::memcpy(m_small.data(), text.data(), text.size());
            m_small[text.size()] = '\0';
            m_text = m_small.data();
        } else {
            m_large.assign(text);
            m_text = m_large.c_str();
        }
    }
    CText(const CText&) = delete;
    CText& operator=(const CText&) = delete;

    [[nodiscard]] const char* c_str() const { return m_text; }

private:
    std::array<char, 64> m_small; // filled up to the terminating zero only
    std::string m_large;
    const char* m_text = nullptr;
};

template <typename Fn> [[nodiscard]] Fn resolve(const char* exportName) {
    return reinterpret_cast<Fn>(resolveExport(exportName));
}

// The library's text answer copied at once. A null text, one without a zero
// byte within kMaxAnswerBytes, or one that is not well-formed UTF-8 reads as "".
[[nodiscard]] std::string copied(const char* text) {
    if (text == nullptr) {
        return {};
    }
    std::size_t length = 0;
    while (length <= kMaxAnswerBytes && text[length] != '\0') {
        ++length;
    }
    if (length > kMaxAnswerBytes) {
        return {};
    }
    const std::string_view answer(text, length);
    return firstInvalidUtf8(answer) == std::string_view::npos ? std::string(answer) : std::string();
}

// The bytes of `text` the library sees: up to its first zero byte.
[[nodiscard]] std::size_t seenLength(std::string_view text) {
    return std::min(text.find('\0'), text.size());
}

// A count over `names` names of `sought` checked against what it can be.
[[nodiscard]] int checkedCount(std::string_view function, std::int32_t answer, std::size_t names,
                               std::string_view sought) {
    const auto most = static_cast<long long>(seenLength(sought) == 0 ? 0 : names);
    if (answer < 0 || answer > most) {
        throw LibraryAnswerError(function, answer, most);
    }
    return answer;
}

} // namespace

std::string_view libraryFileName() {
#if defined(_WIN32)
    return "pelta.dll";
#elif defined(__APPLE__)
    return "libpelta.dylib";
#else
    return "libpelta.so";
#endif
}

LibraryAnswerError::LibraryAnswerError(std::string_view function, long long answer, long long most)
    : std::runtime_error(std::string(libraryFileName()) + ": " + std::string(function) +
                         " answered " + std::to_string(answer) + ", not a count from 0 to " +
                         std::to_string(most) +
                         "; the chart primitives library is damaged or not this program's") {}

MissingFunctionError::MissingFunctionError(std::string file, std::string function)
    : std::runtime_error("无法找到指定DLL库文件“" + file + "”中的输出命令“" + function + "”"),
      m_file(std::move(file)), m_function(std::move(function)) {}

void requireEveryExport() {
    for (const std::string_view name : kExportNames)
        (void)resolveExport(std::string(name).c_str());
}

// Each wrapper looks its function up at its first call (a thread-safe
// function-local static) and reuses the address afterwards. A failed lookup
// throws and is retried at the next call.

std::string elementOf(std::string_view character) {
    static const auto fn = resolve<PeltaTextOfTextFn>("取干支五行");
    return copied(fn(CText(character).c_str()));
}

int ordinalOf(std::string_view character) {
    static const auto fn = resolve<PeltaOrdinalFn>("取干支序数");
    return fn(CText(character).c_str());
}

std::string tenGodOf(std::string_view dayStem, std::string_view character, int swapFlag) {
    static const auto fn = resolve<PeltaTenGodFn>("取十神关系");
    return copied(fn(CText(dayStem).c_str(), CText(character).c_str(), swapFlag));
}

std::string hiddenStemsOf(std::string_view branch) {
    static const auto fn = resolve<PeltaTextOfTextFn>("取地支藏干");
    return copied(fn(CText(branch).c_str()));
}

int countStemElements(const std::array<std::string, 4>& e, std::string_view sought) {
    static constexpr const char* kName = "取天干五行数量";
    static const auto fn = resolve<PeltaCount4Fn>(kName);
    return checkedCount(
        kName, fn(e[0].c_str(), e[1].c_str(), e[2].c_str(), e[3].c_str(), CText(sought).c_str()),
        e.size(), sought);
}

int countBranchElements(const std::array<std::string, 4>& e, std::string_view sought) {
    static constexpr const char* kName = "取地支五行数量";
    static const auto fn = resolve<PeltaCount4Fn>(kName);
    return checkedCount(
        kName, fn(e[0].c_str(), e[1].c_str(), e[2].c_str(), e[3].c_str(), CText(sought).c_str()),
        e.size(), sought);
}

int countHiddenElements(const std::array<std::string, 12>& e, std::string_view sought) {
    static constexpr const char* kName = "取藏干五行数量";
    static const auto fn = resolve<PeltaCount12Fn>(kName);
    return checkedCount(kName,
                        fn(e[0].c_str(), e[1].c_str(), e[2].c_str(), e[3].c_str(), e[4].c_str(),
                           e[5].c_str(), e[6].c_str(), e[7].c_str(), e[8].c_str(), e[9].c_str(),
                           e[10].c_str(), e[11].c_str(), CText(sought).c_str()),
                        e.size(), sought);
}

int countName(std::string_view joined, std::string_view sought) {
    static constexpr const char* kName = "取干支数量";
    static const auto fn = resolve<PeltaCountJoinedFn>(kName);
    // Non-overlapping occurrences of a non-empty name: at most one per its length.
    const std::size_t soughtLength = seenLength(sought);
    const std::size_t most = soughtLength == 0 ? 0 : seenLength(joined) / soughtLength;
    return checkedCount(kName, fn(CText(joined).c_str(), CText(sought).c_str()), most, sought);
}

int countStemTenGods(const std::array<std::string, 3>& t, std::string_view sought) {
    static constexpr const char* kName = "取天干十神数量";
    static const auto fn = resolve<PeltaCount3Fn>(kName);
    return checkedCount(kName, fn(t[0].c_str(), t[1].c_str(), t[2].c_str(), CText(sought).c_str()),
                        t.size(), sought);
}

int countBranchTenGods(const std::array<std::string, 4>& t, std::string_view sought) {
    static constexpr const char* kName = "取地支十神数量";
    static const auto fn = resolve<PeltaCount4Fn>(kName);
    return checkedCount(
        kName, fn(t[0].c_str(), t[1].c_str(), t[2].c_str(), t[3].c_str(), CText(sought).c_str()),
        t.size(), sought);
}

int countHiddenTenGods(const std::array<std::string, 12>& t, std::string_view sought) {
    static constexpr const char* kName = "取藏干十神数量";
    static const auto fn = resolve<PeltaCount12Fn>(kName);
    return checkedCount(kName,
                        fn(t[0].c_str(), t[1].c_str(), t[2].c_str(), t[3].c_str(), t[4].c_str(),
                           t[5].c_str(), t[6].c_str(), t[7].c_str(), t[8].c_str(), t[9].c_str(),
                           t[10].c_str(), t[11].c_str(), CText(sought).c_str()),
                        t.size(), sought);
}

} // namespace bazi::chartlib

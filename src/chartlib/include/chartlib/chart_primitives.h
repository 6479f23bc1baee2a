#pragma once
// Binding to the chart primitives library (libpelta.so / pelta.dll).
//
// The library is loaded by file name from the directory of the running
// executable only, and each function is looked up at its first call; later
// calls reuse the address.
//
// The library's answers are outside input like a file's: a library that breaks
// its contract must not make the program read out of bounds, overflow or take
// half a character for a whole one. So each answer is checked here, once:
//  - a text answer is read up to its zero byte but never more than
//    kMaxAnswerBytes bytes; a null text, one longer than that, or one that is
//    not well-formed UTF-8 (a cut-off character, an overlong form, a
//    surrogate) reads as "", the library's answer for "no such fact";
//  - a count is checked against what it can be: 0..N for N names (0 when the
//    sought name is empty), 0..len(joined)/len(sought) for 取干支数量.
//    Any other count throws LibraryAnswerError;
//  - an ordinal (取干支序数) is passed on as the number it is: it is only ever
//    shown, never used to index or count.

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace bazi::chartlib {

/// The library file name of this platform: "libpelta.so", "pelta.dll", "libpelta.dylib".
[[nodiscard]] std::string_view libraryFileName();

/// Thrown when the library or one of its functions cannot be found. what() is
/// the run-time error the program shows: 无法找到指定DLL库文件“<file>”中的输出命令“<function>”.
class MissingFunctionError : public std::runtime_error {
public:
    MissingFunctionError(std::string file, std::string function);
    const std::string& file() const { return m_file; }
    const std::string& function() const { return m_function; }

private:
    std::string m_file, m_function;
};

/// The library's exports in the order of its interface (取干支五行 first).
inline constexpr std::array<std::string_view, 11> kExportNames = {
    "取干支五行",     "取干支序数",     "取十神关系",     "取地支藏干",
    "取天干五行数量", "取地支五行数量", "取藏干五行数量", "取干支数量",
    "取天干十神数量", "取地支十神数量", "取藏干十神数量"};

/// Looks every export up, in kExportNames order; throws MissingFunctionError
/// for the first that cannot be found (or when the library cannot be loaded).
void requireEveryExport();

/// The longest text answer read: the longest real one (three hidden stems) is 9 bytes.
inline constexpr std::size_t kMaxAnswerBytes = 64;

/// Thrown when the library answers a count it cannot have: what() names the
/// library, the function, the answer and the range it should lie in.
class LibraryAnswerError : public std::runtime_error {
public:
    LibraryAnswerError(std::string_view function, long long answer, long long most);
};

// One wrapper per exported function, named after what it answers.
[[nodiscard]] std::string elementOf(std::string_view character); // 取干支五行
[[nodiscard]] int ordinalOf(std::string_view character);         // 取干支序数
[[nodiscard]] std::string tenGodOf(std::string_view dayStem, std::string_view character,
                                   int swapFlag);                 // 取十神关系
[[nodiscard]] std::string hiddenStemsOf(std::string_view branch); // 取地支藏干
[[nodiscard]] int countStemElements(const std::array<std::string, 4>& elements,
                                    std::string_view sought); // 取天干五行数量
[[nodiscard]] int countBranchElements(const std::array<std::string, 4>& elements,
                                      std::string_view sought); // 取地支五行数量
[[nodiscard]] int countHiddenElements(const std::array<std::string, 12>& elements,
                                      std::string_view sought); // 取藏干五行数量
[[nodiscard]] int countName(std::string_view joined, std::string_view sought); // 取干支数量
[[nodiscard]] int countStemTenGods(const std::array<std::string, 3>& tenGods,
                                   std::string_view sought); // 取天干十神数量
[[nodiscard]] int countBranchTenGods(const std::array<std::string, 4>& tenGods,
                                     std::string_view sought); // 取地支十神数量
[[nodiscard]] int countHiddenTenGods(const std::array<std::string, 12>& tenGods,
                                     std::string_view sought); // 取藏干十神数量

} // namespace bazi::chartlib

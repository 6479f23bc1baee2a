#pragma once
// The sixty stem-branch cycle: cycle index 1..60, 1 = 甲子; 0 = no pillar.

#include "calendar/gregorian.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace bazi {

inline constexpr std::array<std::string_view, 10> kStemNames = {"甲", "乙", "丙", "丁", "戊",
                                                                "己", "庚", "辛", "壬", "癸"};
inline constexpr std::array<std::string_view, 12> kBranchNames = {
    "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};

/// Stem number 1..10 of a cycle index (0 for index 0).
[[nodiscard]] constexpr int stemNumber(int cycleIndex) {
    return cycleIndex <= 0 ? 0 : (cycleIndex - 1) % 10 + 1;
}
/// Branch number 1..12 of a cycle index (0 for index 0).
[[nodiscard]] constexpr int branchNumber(int cycleIndex) {
    return cycleIndex <= 0 ? 0 : (cycleIndex - 1) % 12 + 1;
}
/// Stem character then branch character; empty for index 0.
[[nodiscard]] std::string pillarText(int cycleIndex);

/// The cycle index n places further on (n may be negative), wrapping 60 -> 1 and
/// 1 -> 60; index 0 (no pillar) stays 0.
[[nodiscard]] constexpr int cycleAdd(int cycleIndex, int n) {
    return cycleIndex <= 0 ? 0 : floorMod(cycleIndex - 1 + n, 60) + 1;
}

/// The zodiac animals of the twelve branches, 子 鼠 to 亥 猪.
inline constexpr std::array<std::string_view, 12> kZodiacAnimals = {
    "鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};

/// The zodiac animal of a cycle index's branch; empty for index 0.
[[nodiscard]] constexpr std::string_view zodiacAnimal(int cycleIndex) {
    return cycleIndex <= 0 ? std::string_view{}
                           : kZodiacAnimals[static_cast<std::size_t>(branchNumber(cycleIndex) - 1)];
}

/// A heavenly stem: 甲 (0) .. 癸 (9). A default Stem is no stem.
struct Stem {
    std::int8_t index = -1;

    constexpr Stem() = default;
    constexpr explicit Stem(int i) : index(i >= 0 && i < 10 ? static_cast<std::int8_t>(i) : -1) {}
    [[nodiscard]] constexpr bool ok() const { return index >= 0 && index < 10; }
    /// 甲丙戊庚壬 are yang.
    [[nodiscard]] constexpr bool yang() const { return index % 2 == 0; }
    friend constexpr auto operator<=>(Stem, Stem) = default;
};

/// An earthly branch: 子 (0) .. 亥 (11). A default Branch is no branch.
struct Branch {
    std::int8_t index = -1;

    constexpr Branch() = default;
    constexpr explicit Branch(int i) : index(i >= 0 && i < 12 ? static_cast<std::int8_t>(i) : -1) {}
    [[nodiscard]] constexpr bool ok() const { return index >= 0 && index < 12; }
    friend constexpr auto operator<=>(Branch, Branch) = default;
};

/// A pillar of the sixty cycle by its cycle index: 1 = 甲子 .. 60 = 癸亥. A default
/// Pillar is no pillar.
struct Pillar {
    std::int8_t cycle = 0;

    constexpr Pillar() = default;
    constexpr explicit Pillar(int cycleIndex)
        : cycle(cycleIndex >= 1 && cycleIndex <= 60 ? static_cast<std::int8_t>(cycleIndex) : 0) {}
    [[nodiscard]] constexpr bool ok() const { return cycle >= 1 && cycle <= 60; }
    [[nodiscard]] constexpr Stem stem() const { return ok() ? Stem((cycle - 1) % 10) : Stem{}; }
    [[nodiscard]] constexpr Branch branch() const {
        return ok() ? Branch((cycle - 1) % 12) : Branch{};
    }
    friend constexpr auto operator<=>(Pillar, Pillar) = default;
};

/// The pillar of a stem and a branch; no pillar when either is missing or their
/// polarities differ (甲丑 is no pillar).
[[nodiscard]] constexpr Pillar pillarOf(Stem s, Branch b) {
    if (!s.ok() || !b.ok() || s.index % 2 != b.index % 2)
        return {};
    // The index i - 1 = s (mod 10) and = b (mod 12): i - 1 = s + 10k with
    // 10k = b - s (mod 12), that is 2k = s - b (mod 12).
    const int k = floorMod((s.index - b.index) / 2, 6); // [0, 5]
    return Pillar(s.index + 10 * k + 1);
}
/// The cycle index with these stem and branch numbers (甲 and 子 are 1); 0 when
/// their parity differs or either is out of range.
[[nodiscard]] constexpr int cycleIndexOf(int stem, int branch) {
    if (stem < 1 || stem > 10 || branch < 1 || branch > 12)
        return 0;
    return pillarOf(Stem(stem - 1), Branch(branch - 1)).cycle;
}

/// "甲" .. "癸"; empty for no stem.
[[nodiscard]] constexpr std::string_view stemText(Stem s) {
    return s.ok() ? kStemNames[static_cast<std::size_t>(s.index)] : std::string_view{};
}
/// "子" .. "亥"; empty for no branch.
[[nodiscard]] constexpr std::string_view branchText(Branch b) {
    return b.ok() ? kBranchNames[static_cast<std::size_t>(b.index)] : std::string_view{};
}
/// Stem then branch ("丙申"); empty for no pillar.
[[nodiscard]] std::string pillarText(Pillar p);

/// The stem written as one character; no stem for any other text.
[[nodiscard]] constexpr Stem stemOfText(std::string_view text) {
    for (std::size_t i = 0; i < kStemNames.size(); ++i)
        if (kStemNames[i] == text)
            return Stem(static_cast<int>(i));
    return {};
}
/// The branch written as one character; no branch for any other text.
[[nodiscard]] constexpr Branch branchOfText(std::string_view text) {
    for (std::size_t i = 0; i < kBranchNames.size(); ++i)
        if (kBranchNames[i] == text)
            return Branch(static_cast<int>(i));
    return {};
}

} // namespace bazi

#pragma once
// The sixty stem-branch cycle: cycle index 1..60, 1 = 甲子; 0 = no pillar.

#include "calendar/gregorian.h"

#include <array>
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
/// The cycle index with these stem and branch numbers; 0 when their parity differs
/// or either is out of range.
[[nodiscard]] constexpr int cycleIndexOf(int stem, int branch) {
    for (int i = 1; i <= 60; ++i)
        if (stemNumber(i) == stem && branchNumber(i) == branch)
            return i;
    return 0;
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

} // namespace bazi

#pragma once
// The traditional tables of the chart primitives library: the element and
// polarity of the ten stems and twelve branches, the stems hidden in each
// branch, and the ten-god names.
//
// Range: exactly the ten stems 甲..癸 and twelve branches 子..亥 (UTF-8, one
// character each). Any other text is in no table; the library answers "" or 0
// for it.
//
// When updating a table:
//  1. Edit the row, keeping one row per line and the row order (the order is
//     the ordinal returned by 取干支序数).
//  2. Update the hand-written expectations in tests/pelta/pelta_library_test.cpp
//     from the same source, never from this file.
//  3. Run the engine tests (ctest -L engine).

#include <array>
#include <string_view>

namespace pelta {

// Elements in generation order: each element generates the next
// (木→火→土→金→水→木) and controls the one after that (木→土→水→火→金→木).
inline constexpr int kWood = 0;
inline constexpr int kFire = 1;
inline constexpr int kEarth = 2;
inline constexpr int kMetal = 3;
inline constexpr int kWater = 4;

inline constexpr std::array<std::string_view, 5> kElementNames{"木", "火", "土", "金", "水"};

struct StemRow {
    std::string_view name;
    int element; // kWood..kWater
    bool yang;
};

// The ten heavenly stems with their element and polarity (甲丙戊庚壬 yang).
// Reference: 五行大义 (萧吉), 论配支干; 渊海子平, 论天干.
// clang-format off
inline constexpr std::array<StemRow, 10> kStems{{
    {"甲", kWood,  true},
    {"乙", kWood,  false},
    {"丙", kFire,  true},
    {"丁", kFire,  false},
    {"戊", kEarth, true},
    {"己", kEarth, false},
    {"庚", kMetal, true},
    {"辛", kMetal, false},
    {"壬", kWater, true},
    {"癸", kWater, false},
}};
// clang-format on
static_assert(kStems.size() == 10);

struct BranchRow {
    std::string_view name;
    int element;      // kWood..kWater
    bool yang;        // by cycle position: 子寅辰午申戌 yang
    bool yangSwapped; // with 亥子巳午 swapped (by their main hidden stem): 子午 yin, 巳亥 yang
    std::string_view hidden; // hidden stems joined, main qi first, then middle and residual qi
};

// The twelve earthly branches. Hidden stems (地支藏干) as in 三命通会, 论地支藏干
// and 渊海子平: 子 holds only 癸, 卯 only 乙, 酉 only 辛; 午 holds 丁己 and 亥 壬甲.
// clang-format off
inline constexpr std::array<BranchRow, 12> kBranches{{
    {"子", kWater, true,  false, "癸"},
    {"丑", kEarth, false, false, "己癸辛"},
    {"寅", kWood,  true,  true,  "甲丙戊"},
    {"卯", kWood,  false, false, "乙"},
    {"辰", kEarth, true,  true,  "戊乙癸"},
    {"巳", kFire,  false, true,  "丙庚戊"},
    {"午", kFire,  true,  false, "丁己"},
    {"未", kEarth, false, false, "己丁乙"},
    {"申", kMetal, true,  true,  "庚壬戊"},
    {"酉", kMetal, false, false, "辛"},
    {"戌", kEarth, true,  true,  "戊辛丁"},
    {"亥", kWater, false, true,  "壬甲"},
}};
// clang-format on
static_assert(kBranches.size() == 12);

// Ten-god names by the step from the day stem's element to the other's element
// in generation order (0 same, 1 day generates it, 2 day controls it, 3 it
// controls day, 4 it generates day), first for the same polarity, then for the
// different one. Reference: 渊海子平, 论十神 (比劫 食伤 财 官杀 印).
// clang-format off
inline constexpr std::array<std::array<std::string_view, 2>, 5> kTenGods{{
    {"比肩", "劫财"},
    {"食神", "伤官"},
    {"偏财", "正财"},
    {"偏官", "正官"},
    {"偏印", "正印"},
}};
// clang-format on
static_assert(kTenGods.size() == 5);

} // namespace pelta

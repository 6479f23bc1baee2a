// Where the spirit stars stand, on charts worked by hand from the tables.
#include "chart/spirit_stars.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>

namespace bazi {
namespace {

using enum SpiritStar;

// Pillars as a short text, "年时" for year and hour; "" for nowhere.
std::string pillarsText(const StarPillars& p) {
    constexpr const char* kShort[4] = {"年", "月", "日", "时"};
    std::string s;
    for (int i = 0; i < 4; ++i)
        if (p.at[static_cast<std::size_t>(i)])
            s += kShort[i];
    return s;
}

struct ChartCase {
    const char* note;
    const char* chart;
    bool female;
    // Every star that stands somewhere, with its pillars; all others stand nowhere.
    std::map<SpiritStar, std::string> stars;
};

// clang-format off
const ChartCase kCharts[] = {
    {"甲子 丙寅 戊辰 壬子: 驿马 hit from both references counts once; 华盖's day reference skips itself",
     "甲子丙寅戊辰壬子", false,
     {{yueDe, "月"}, {yiMa, "月"}, {jiangXing, "年时"}, {huaGai, "日"}, {tongZi, "时"}}},
    {"癸亥 甲子 丁卯 辛亥: 将星 from the day 卯 skips the day itself",
     "癸亥甲子丁卯辛亥", false,
     {{tianYi, "年时"}, {tianYiHealer, "年时"}, {xianChi, "月"}, {jiangXing, "日"}, {tongZi, "日"},
      {zhiBei, "年时"}, {kongWang, "年时"}}},
    {"甲子 己巳 辛未 甲午, male: 元辰 子→未; 天德 巳→辛 on the day stem; 童子 by season (未) and 纳音 金 (午)",
     "甲子己巳辛未甲午", false,
     {{tianYi, "时"}, {tianDe, "日"}, {xianChi, "年"}, {yiMa, "月"}, {tongZi, "日时"}, {yuanChen, "日"}}},
    {"甲子 己巳 辛未 甲午, female: 元辰 子→巳",
     "甲子己巳辛未甲午", true,
     {{tianYi, "时"}, {tianDe, "日"}, {xianChi, "年"}, {yiMa, "月"}, {tongZi, "日时"}, {yuanChen, "月"}}},
    {"乙丑 乙酉 丙寅 戊戌: 天德 酉→寅 is a branch; 卷舌 丑→戌; 指背 寅 does not hit its own day",
     "乙丑乙酉丙寅戊戌", false,
     {{tianYi, "月"}, {tianDe, "日"}, {jiangXing, "月"}, {huaGai, "时"}, {tongZi, "日"},
      {juanShe, "时"}, {kongWang, "时"}}},
    {"己丑 庚午 甲申 丙寅, male: yin year, 元辰 丑→午 (+5)",
     "己丑庚午甲申丙寅", false,
     {{tianYi, "年"}, {yueDe, "时"}, {xianChi, "月"}, {yiMa, "时"}, {yuanChen, "月"}, {kongWang, "月"}}},
    {"己丑 庚午 甲申 丙寅, female: yin year, 元辰 丑→申 (+7)",
     "己丑庚午甲申丙寅", true,
     {{tianYi, "年"}, {yueDe, "时"}, {xianChi, "月"}, {yiMa, "时"}, {yuanChen, "日"}, {kongWang, "月"}}},
    {"丙午 庚子 壬辰 庚子: 月德 子→壬 on the day stem; 将星 from the day 辰 hits both 子; 华盖 辰 skips itself; 空亡 of 甲申旬 (午未) at the year",
     "丙午庚子壬辰庚子", false,
     {{yueDe, "日"}, {jiangXing, "月时"}, {tongZi, "日"}, {kongWang, "年"}}},
};
// clang-format on

TEST(SpiritStars, HandWorkedCharts) {
    for (const ChartCase& c : kCharts) {
        SCOPED_TRACE(c.note);
        const ChartIndices chart = chartIndicesOfText(c.chart);
        const auto all = allStars(chart, c.female);
        for (int i = 1; i <= kSpiritStarCount; ++i) {
            const auto star = static_cast<SpiritStar>(i);
            const auto it = c.stars.find(star);
            const std::string expected = it == c.stars.end() ? "" : it->second;
            const StarPillars got = starPillars(star, chart, c.female);
            EXPECT_EQ(pillarsText(got), expected) << spiritStarName(star);
            EXPECT_EQ(got.count(), static_cast<int>(expected.size() / 3)) << spiritStarName(star);
            EXPECT_EQ(all[static_cast<std::size_t>(i - 1)], got) << spiritStarName(star);
        }
    }
}

TEST(SpiritStars, NamesByPillarInListOrder) {
    const auto names = starNamesByPillar(chartIndicesOfText("癸亥甲子丁卯辛亥"), false);
    using V = std::vector<std::string_view>;
    EXPECT_EQ(names[0], (V{"天乙贵人", "天医", "指背", "空亡"}));
    EXPECT_EQ(names[1], (V{"咸池"}));
    EXPECT_EQ(names[2], (V{"将星", "童子"}));
    EXPECT_EQ(names[3], (V{"天乙贵人", "天医", "指背", "空亡"}));
}

TEST(SpiritStars, ItemsAndNames) {
    EXPECT_EQ(spiritStarOfItem(1), tianYi);
    EXPECT_EQ(spiritStarOfItem(13), kongWang);
    EXPECT_EQ(spiritStarOfItem(0), std::nullopt);
    EXPECT_EQ(spiritStarOfItem(14), std::nullopt);
    EXPECT_EQ(spiritStarOfItem(-1), std::nullopt);
    EXPECT_EQ(spiritStarName(tianYiHealer), "天医");
    EXPECT_EQ(spiritStarName(static_cast<SpiritStar>(0)), "");
    EXPECT_EQ(spiritStarName(static_cast<SpiritStar>(14)), "");
}

TEST(SpiritStars, ChartIndicesOfText) {
    struct Case {
        const char* note;
        std::string_view text;
        ChartIndices expected;
    };
    const Case cases[] = {
        {"plain", "甲子丙寅戊辰壬子", {1, 3, 5, 49}},
        {"ASCII and full-width spaces", "甲子 丙寅\u3000戊辰  壬子", {1, 3, 5, 49}},
        {"last of the cycle", "癸亥癸亥癸亥癸亥", {60, 60, 60, 60}},
        {"a pillar of mixed parity reads 0", "甲丑丙寅戊辰壬子", {0, 3, 5, 49}},
        {"branch before stem reads 0", "子甲丙寅戊辰壬子", {0, 3, 5, 49}},
        {"seven characters", "甲子丙寅戊辰壬", {0, 0, 0, 0}},
        {"nine characters", "甲子丙寅戊辰壬子甲", {0, 0, 0, 0}},
        {"empty", "", {0, 0, 0, 0}},
        {"other text", "abcdefgh", {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(chartIndicesOfText(c.text), c.expected);
    }
}

TEST(SpiritStars, MissingPillarsHoldNoStarAndLendNoReference) {
    for (const ChartIndices chart : {ChartIndices{0, 0, 0, 0}, ChartIndices{-3, 61, 0, 100}}) {
        for (const StarPillars& p : allStars(chart, false))
            EXPECT_EQ(p.count(), 0);
    }
    // 癸亥 甲子 丁卯 辛亥 without its day pillar: 天乙 and 空亡 lose their reference,
    // 将星 its target; 天医 (from the month) still stands at year and hour.
    const ChartIndices noDay{60, 1, 0, 48};
    EXPECT_EQ(starPillars(tianYi, noDay, false).count(), 0);
    EXPECT_EQ(starPillars(kongWang, noDay, false).count(), 0);
    EXPECT_EQ(starPillars(jiangXing, noDay, false).count(), 0);
    EXPECT_EQ(pillarsText(starPillars(tianYiHealer, noDay, false)), "年时");
    // Without its year pillar the month clause of 童子 still stands.
    EXPECT_EQ(pillarsText(starPillars(tongZi, ChartIndices{0, 1, 4, 48}, false)), "日");
}

// Over many charts: only 元辰 depends on the reading for a woman, and the five
// frame stars treat the year and day pillars alike (swapping them swaps their
// entries).
TEST(SpiritStars, SexOnlyMovesYuanChenAndFrameStarsAreSymmetric) {
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1664525U + 1013904223U;
        return static_cast<int>((seed >> 8) % 60) + 1;
    };
    for (int n = 0; n < 20000; ++n) {
        const ChartIndices chart{next(), next(), next(), next()};
        const auto male = allStars(chart, false);
        const auto female = allStars(chart, true);
        for (int i = 1; i <= kSpiritStarCount; ++i) {
            if (static_cast<SpiritStar>(i) != yuanChen) {
                ASSERT_EQ(male[static_cast<std::size_t>(i - 1)],
                          female[static_cast<std::size_t>(i - 1)]);
            }
        }
        const ChartIndices swapped{chart[2], chart[1], chart[0], chart[3]};
        for (const SpiritStar star : {xianChi, yiMa, jiangXing, huaGai, zhiBei}) {
            StarPillars a = starPillars(star, chart, false);
            std::swap(a.at[0], a.at[2]);
            ASSERT_EQ(a, starPillars(star, swapped, false)) << spiritStarName(star);
        }
    }
}

} // namespace
} // namespace bazi

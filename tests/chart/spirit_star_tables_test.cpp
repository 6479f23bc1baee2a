// The spirit-star tables checked against the arithmetic that the classical
// reckonings follow (three-harmony frames, the clash, the 大衍 reckoning of 纳音),
// so that a mistyped row shows up as a broken rule.
#include "chart/spirit_star_tables.h"

#include <gtest/gtest.h>

#include <string>

namespace bazi::stars {
namespace {

// Index of a std::array or vector from a signed loop counter.
constexpr std::size_t idx(int i) {
    return static_cast<std::size_t>(i);
}

// The single branch a one-character row names, -1 when it names more or fewer.
int onlyBranch(CharSet s) {
    int found = -1;
    for (int b = 0; b < 12; ++b) {
        if (!s.hasBranch(b))
            continue;
        if (found >= 0)
            return -1;
        found = b;
    }
    return s.stems == 0 ? found : -1;
}

int onlyStem(CharSet s) {
    int found = -1;
    for (int i = 0; i < 10; ++i) {
        if (!s.hasStem(i))
            continue;
        if (found >= 0)
            return -1;
        found = i;
    }
    return s.branches == 0 ? found : -1;
}

constexpr int mod12(int a) {
    return ((a % 12) + 12) % 12;
}

TEST(SpiritStarTables, FrameStarsFollowTheThreeHarmonyFrames) {
    // Branch b belongs to the frame whose peak (帝旺) is 子, 酉, 午 or 卯 as b % 4 is
    // 0, 1, 2 or 3. From the peak w: 长生 w−4 (指背), 沐浴 w−3 (咸池), the clash of
    // 长生 w+2 (驿马), the peak itself (将星), the tomb w+4 (华盖).
    constexpr int kPeak[4] = {0, 9, 6, 3};
    for (int b = 0; b < 12; ++b) {
        SCOPED_TRACE(std::string(kBranchNames[idx(b)]));
        const int w = kPeak[idx(b % 4)];
        EXPECT_EQ(onlyBranch(kZhiBei[idx(b)]), mod12(w - 4));
        EXPECT_EQ(onlyBranch(kXianChi[idx(b)]), mod12(w - 3));
        EXPECT_EQ(onlyBranch(kYiMa[idx(b)]), mod12(w + 2));
        EXPECT_EQ(onlyBranch(kJiangXing[idx(b)]), w);
        EXPECT_EQ(onlyBranch(kHuaGai[idx(b)]), mod12(w + 4));
    }
}

TEST(SpiritStarTables, BranchStepStars) {
    for (int b = 0; b < 12; ++b) {
        SCOPED_TRACE(std::string(kBranchNames[idx(b)]));
        EXPECT_EQ(onlyBranch(kTianYiHealer[idx(b)]), mod12(b - 1));
        EXPECT_EQ(onlyBranch(kJuanShe[idx(b)]), mod12(b - 3));
        // 元辰: one past the clash (b + 6), ahead for a yang man or a yin woman.
        const bool yang = b % 2 == 0;
        EXPECT_EQ(onlyBranch(kYuanChenMale[idx(b)]), mod12(b + (yang ? 7 : 5)));
        EXPECT_EQ(onlyBranch(kYuanChenFemale[idx(b)]), mod12(b + (yang ? 5 : 7)));
    }
}

TEST(SpiritStarTables, YueDeIsTheYangStemOfTheFramesElement) {
    // 寅午戌 fire 丙, 申子辰 water 壬, 亥卯未 wood 甲, 巳酉丑 metal 庚; by b % 4.
    constexpr int kStem[4] = {8, 6, 2, 0};
    for (int b = 0; b < 12; ++b) {
        SCOPED_TRACE(std::string(kBranchNames[idx(b)]));
        EXPECT_EQ(onlyStem(kYueDe[idx(b)]), kStem[idx(b % 4)]);
    }
}

TEST(SpiritStarTables, TianDeNamesOneStemOrOneBranch) {
    struct Case {
        const char* month;
        const char* value;
    };
    const Case cases[] = {{"寅", "丁"}, {"卯", "申"}, {"辰", "壬"}, {"巳", "辛"},
                          {"午", "亥"}, {"未", "甲"}, {"申", "癸"}, {"酉", "寅"},
                          {"戌", "丙"}, {"亥", "乙"}, {"子", "巳"}, {"丑", "庚"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.month);
        const CharSet row = kTianDe[static_cast<std::size_t>(branchIndexOf(c.month))];
        if (stemIndexOf(c.value) >= 0)
            EXPECT_EQ(onlyStem(row), stemIndexOf(c.value));
        else
            EXPECT_EQ(onlyBranch(row), branchIndexOf(c.value));
    }
}

TEST(SpiritStarTables, TianYiFollowsTheVerse) {
    struct Case {
        const char* note;
        const char* stems;
        CharSet branches;
    };
    const Case cases[] = {
        {"甲戊庚牛羊", "甲戊庚", parseRow("丑未").set},
        {"乙己鼠猴乡", "乙己", parseRow("子申").set},
        {"丙丁猪鸡位", "丙丁", parseRow("亥酉").set},
        {"壬癸兔蛇藏", "壬癸", parseRow("卯巳").set},
        {"六辛逢马虎", "辛", parseRow("寅午").set},
    };
    int covered = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        const CharSet stems = parseRow(c.stems).set;
        for (int s = 0; s < 10; ++s) {
            if (!stems.hasStem(s))
                continue;
            ++covered;
            EXPECT_EQ(kTianYi[idx(s)], c.branches) << kStemNames[idx(s)];
        }
    }
    EXPECT_EQ(covered, 10);
}

// The 大衍 reckoning: add the numbers of the pair's two stems and two branches
// (甲己子午 9, 乙庚丑未 8, 丙辛寅申 7, 丁壬卯酉 6, 戊癸辰戌 5, 巳亥 4), take 49 minus
// the sum modulo 5 (0 counts as 5): 1 水 2 火 3 木 4 金 5 土; the 纳音 is the
// element that one produces.
TEST(SpiritStarTables, NaYinAgreesWithTheDaYanReckoning) {
    constexpr int kStemNumber[10] = {9, 8, 7, 6, 5, 9, 8, 7, 6, 5};
    constexpr int kBranchNumber[12] = {9, 8, 7, 6, 5, 4, 9, 8, 7, 6, 5, 4};
    // Indexes into kElementNames (金0 水1 木2 火3 土4) of what 1..5 produce:
    // 水→木, 火→土, 木→火, 金→水, 土→金.
    constexpr int kProduced[6] = {-1, 2, 4, 3, 1, 0};
    for (int pair = 0; pair < 30; ++pair) {
        const int first = 2 * pair + 1; // cycle index of the pair's first pillar
        const int s1 = (first - 1) % 10, b1 = (first - 1) % 12;
        const int sum = kStemNumber[idx(s1)] + kStemNumber[idx(s1 + 1)] + kBranchNumber[idx(b1)] +
                        kBranchNumber[idx(b1 + 1)];
        int r = (49 - sum) % 5;
        if (r == 0)
            r = 5;
        SCOPED_TRACE(std::string(kStemNames[idx(s1)]) + std::string(kBranchNames[idx(b1)]));
        EXPECT_EQ(naYinElementOf(first), kProduced[idx(r)]);
        EXPECT_EQ(naYinElementOf(first + 1), kProduced[idx(r)]);
    }
    EXPECT_EQ(naYinElementOf(0), -1);
    EXPECT_EQ(naYinElementOf(61), -1);
}

TEST(SpiritStarTables, KongWangIsTheDecadesMissingPair) {
    for (int i = 1; i <= 60; ++i) {
        const int s = (i - 1) % 10, b = (i - 1) % 12;
        CharSet expected;
        expected.branches =
            static_cast<std::uint16_t>((1U << mod12(b - s + 10)) | (1U << mod12(b - s + 11)));
        EXPECT_EQ(kongWangOf(i), expected) << kStemNames[idx(s)] << kBranchNames[idx(b)];
    }
    EXPECT_TRUE(kongWangOf(0).empty());
    EXPECT_TRUE(kongWangOf(61).empty());
}

TEST(SpiritStarTables, TongZiTables) {
    // Spring (寅卯辰) and autumn (申酉戌) give 寅子, summer and winter 卯未辰.
    for (int b = 0; b < 12; ++b) {
        const bool springOrAutumn = (b >= 2 && b <= 4) || (b >= 8 && b <= 10);
        EXPECT_EQ(kTongZiBySeason[idx(b)], parseRow(springOrAutumn ? "寅子" : "卯未辰").set)
            << kBranchNames[idx(b)];
    }
    EXPECT_EQ(kTongZiByNaYin[0], parseRow("午卯").set); // 金
    EXPECT_EQ(kTongZiByNaYin[2], parseRow("午卯").set); // 木
    EXPECT_EQ(kTongZiByNaYin[1], parseRow("酉戌").set); // 水
    EXPECT_EQ(kTongZiByNaYin[3], parseRow("酉戌").set); // 火
    EXPECT_EQ(kTongZiByNaYin[4], parseRow("辰巳").set); // 土
}

TEST(SpiritStarTables, RowParsingRejectsWhatIsNotAStemOrBranch) {
    struct Case {
        const char* note;
        std::string_view text;
        bool ok;
        int characters;
    };
    const Case cases[] = {
        {"two branches", "丑未", true, 2},
        {"stem and branch", "甲子", true, 2},
        {"empty", "", false, 0},
        {"an element", "金", false, 0},
        {"ASCII", "a", false, 0},
        {"cut in the middle of a character", std::string_view("丑未", 4), false, 0},
        {"a stray continuation byte", "\x80", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        const ParsedRow r = parseRow(c.text);
        EXPECT_EQ(r.ok, c.ok);
        EXPECT_EQ(r.characters, c.characters);
    }
    EXPECT_TRUE(rowOf(kTianYi, -1).empty());
    EXPECT_TRUE(rowOf(kTianYi, 10).empty());
    EXPECT_FALSE(CharSet{}.hasBranch(-1));
    EXPECT_FALSE((CharSet{0xFFFF, 0xFFFF}.hasBranch(12)));
    EXPECT_FALSE((CharSet{0xFFFF, 0xFFFF}.hasStem(10)));
}

} // namespace
} // namespace bazi::stars

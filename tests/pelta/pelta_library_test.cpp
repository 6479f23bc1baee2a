// The chart primitives library called directly through its C interface, with
// expectations written by hand from the classical tables (not from tables.h).
#include "pelta/pelta.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::array<std::string_view, 10> kStems{"甲", "乙", "丙", "丁", "戊",
                                                  "己", "庚", "辛", "壬", "癸"};
constexpr std::array<std::string_view, 12> kBranches{"子", "丑", "寅", "卯", "辰", "巳",
                                                     "午", "未", "申", "酉", "戌", "亥"};
constexpr std::array<std::string_view, 10> kTenGodNames{"正印", "偏印", "正官", "偏官", "正财",
                                                        "偏财", "伤官", "食神", "比肩", "劫财"};

std::string s(std::string_view v) {
    return std::string(v);
}

// Texts that are no stem or branch: each must get "", 0 and no relation.
const std::vector<std::string> kNonCharacters{"",  "金",       "甲子", "子 ",   " 甲",
                                              "a", "\xE7\x94", "正印", "\u3000"};

TEST(PeltaLibrary, ElementOfEveryStemAndBranch) {
    struct Case {
        std::string_view character, element;
    };
    // clang-format off
    const Case cases[] = {
        {"甲", "木"}, {"乙", "木"}, {"丙", "火"}, {"丁", "火"}, {"戊", "土"},
        {"己", "土"}, {"庚", "金"}, {"辛", "金"}, {"壬", "水"}, {"癸", "水"},
        {"子", "水"}, {"丑", "土"}, {"寅", "木"}, {"卯", "木"}, {"辰", "土"}, {"巳", "火"},
        {"午", "火"}, {"未", "土"}, {"申", "金"}, {"酉", "金"}, {"戌", "土"}, {"亥", "水"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(s(c.character));
        EXPECT_STREQ(取干支五行(s(c.character).c_str()), s(c.element).c_str());
    }
    for (const std::string& text : kNonCharacters) {
        SCOPED_TRACE("non-character: " + text);
        EXPECT_STREQ(取干支五行(text.c_str()), "");
    }
    EXPECT_STREQ(取干支五行(nullptr), "");
}

TEST(PeltaLibrary, OrdinalOfEveryStemAndBranch) {
    for (std::size_t i = 0; i < kStems.size(); ++i) {
        SCOPED_TRACE(s(kStems[i]));
        EXPECT_EQ(取干支序数(s(kStems[i]).c_str()), static_cast<int32_t>(i + 1));
    }
    for (std::size_t i = 0; i < kBranches.size(); ++i) {
        SCOPED_TRACE(s(kBranches[i]));
        EXPECT_EQ(取干支序数(s(kBranches[i]).c_str()), static_cast<int32_t>(i + 1));
    }
    for (const std::string& text : kNonCharacters) {
        SCOPED_TRACE("non-character: " + text);
        EXPECT_EQ(取干支序数(text.c_str()), 0);
    }
    EXPECT_EQ(取干支序数(nullptr), 0);
}

TEST(PeltaLibrary, HiddenStemsOfEveryBranch) {
    struct Case {
        std::string_view branch, hidden;
    };
    // clang-format off
    const Case cases[] = {
        {"子", "癸"},     {"丑", "己癸辛"}, {"寅", "甲丙戊"}, {"卯", "乙"},
        {"辰", "戊乙癸"}, {"巳", "丙庚戊"}, {"午", "丁己"},   {"未", "己丁乙"},
        {"申", "庚壬戊"}, {"酉", "辛"},     {"戌", "戊辛丁"}, {"亥", "壬甲"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(s(c.branch));
        EXPECT_STREQ(取地支藏干(s(c.branch).c_str()), s(c.hidden).c_str());
    }
    for (std::string_view stem : kStems) {
        SCOPED_TRACE("stem " + s(stem));
        EXPECT_STREQ(取地支藏干(s(stem).c_str()), "");
    }
    for (const std::string& text : kNonCharacters) {
        SCOPED_TRACE("non-character: " + text);
        EXPECT_STREQ(取地支藏干(text.c_str()), "");
    }
    EXPECT_STREQ(取地支藏干(nullptr), "");
}

// The ten-god of every stem (column) seen from every day stem (row).
// clang-format off
const std::array<std::array<std::string_view, 10>, 10> kStemTenGods{{
    /* 甲 */ {"比肩", "劫财", "食神", "伤官", "偏财", "正财", "偏官", "正官", "偏印", "正印"},
    /* 乙 */ {"劫财", "比肩", "伤官", "食神", "正财", "偏财", "正官", "偏官", "正印", "偏印"},
    /* 丙 */ {"偏印", "正印", "比肩", "劫财", "食神", "伤官", "偏财", "正财", "偏官", "正官"},
    /* 丁 */ {"正印", "偏印", "劫财", "比肩", "伤官", "食神", "正财", "偏财", "正官", "偏官"},
    /* 戊 */ {"偏官", "正官", "偏印", "正印", "比肩", "劫财", "食神", "伤官", "偏财", "正财"},
    /* 己 */ {"正官", "偏官", "正印", "偏印", "劫财", "比肩", "伤官", "食神", "正财", "偏财"},
    /* 庚 */ {"偏财", "正财", "偏官", "正官", "偏印", "正印", "比肩", "劫财", "食神", "伤官"},
    /* 辛 */ {"正财", "偏财", "正官", "偏官", "正印", "偏印", "劫财", "比肩", "伤官", "食神"},
    /* 壬 */ {"食神", "伤官", "偏财", "正财", "偏官", "正官", "偏印", "正印", "比肩", "劫财"},
    /* 癸 */ {"伤官", "食神", "正财", "偏财", "正官", "偏官", "正印", "偏印", "劫财", "比肩"},
}};
// clang-format on

TEST(PeltaLibrary, TenGodOfEveryStemPairWithAnyFlag) {
    for (std::size_t d = 0; d < kStems.size(); ++d) {
        for (std::size_t x = 0; x < kStems.size(); ++x) {
            for (int32_t flag : {1, 0, 2, -1}) {
                SCOPED_TRACE(s(kStems[d]) + " sees " + s(kStems[x]) + " flag " +
                             std::to_string(flag));
                EXPECT_STREQ(取十神关系(s(kStems[d]).c_str(), s(kStems[x]).c_str(), flag),
                             s(kStemTenGods[d][x]).c_str());
            }
        }
    }
}

TEST(PeltaLibrary, TenGodOfBranchesSeenFromJia) {
    struct Case {
        std::string_view branch, unswapped, swapped, note;
    };
    // clang-format off
    const Case cases[] = {
        {"子", "偏印", "正印", "子 yang, yin when swapped"},
        {"丑", "正财", "正财", ""},
        {"寅", "比肩", "比肩", ""},
        {"卯", "劫财", "劫财", ""},
        {"辰", "偏财", "偏财", ""},
        {"巳", "伤官", "食神", "巳 yin, yang when swapped"},
        {"午", "食神", "伤官", "午 yang, yin when swapped"},
        {"未", "正财", "正财", ""},
        {"申", "偏官", "偏官", ""},
        {"酉", "正官", "正官", ""},
        {"戌", "偏财", "偏财", ""},
        {"亥", "正印", "偏印", "亥 yin, yang when swapped"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(s(c.branch) + " " + s(c.note));
        EXPECT_STREQ(取十神关系("甲", s(c.branch).c_str(), 1), s(c.unswapped).c_str());
        EXPECT_STREQ(取十神关系("甲", s(c.branch).c_str(), 7), s(c.unswapped).c_str());
        EXPECT_STREQ(取十神关系("甲", s(c.branch).c_str(), 0), s(c.swapped).c_str());
    }
}

TEST(PeltaLibrary, BranchTenGodIsThatOfTheStemOfSameElementAndPolarity) {
    // The stem with the element and polarity of each branch, unswapped and swapped.
    const std::array<std::string_view, 12> unswapped{"壬", "己", "甲", "乙", "戊", "丁",
                                                     "丙", "己", "庚", "辛", "戊", "癸"};
    const std::array<std::string_view, 12> swapped{"癸", "己", "甲", "乙", "戊", "丙",
                                                   "丁", "己", "庚", "辛", "戊", "壬"};
    for (std::string_view day : kStems) {
        for (std::size_t b = 0; b < kBranches.size(); ++b) {
            SCOPED_TRACE(s(day) + " sees " + s(kBranches[b]));
            EXPECT_STREQ(取十神关系(s(day).c_str(), s(kBranches[b]).c_str(), 1),
                         取十神关系(s(day).c_str(), s(unswapped[b]).c_str(), 1));
            EXPECT_STREQ(取十神关系(s(day).c_str(), s(kBranches[b]).c_str(), 0),
                         取十神关系(s(day).c_str(), s(swapped[b]).c_str(), 1));
        }
    }
}

TEST(PeltaLibrary, TenGodNeedsAStemDayAndAStemOrBranch) {
    for (const std::string& text : kNonCharacters) {
        SCOPED_TRACE("non-character: " + text);
        EXPECT_STREQ(取十神关系("甲", text.c_str(), 1), "");
        EXPECT_STREQ(取十神关系(text.c_str(), "甲", 1), "");
    }
    for (std::string_view branch : kBranches) {
        SCOPED_TRACE("branch as day stem: " + s(branch));
        EXPECT_STREQ(取十神关系(s(branch).c_str(), "甲", 1), "");
        EXPECT_STREQ(取十神关系(s(branch).c_str(), s(branch).c_str(), 0), "");
    }
    EXPECT_STREQ(取十神关系(nullptr, "甲", 1), "");
    EXPECT_STREQ(取十神关系("甲", nullptr, 0), "");
    EXPECT_STREQ(取十神关系(nullptr, nullptr, 1), "");
}

TEST(PeltaLibrary, CountsOfEqualNames) {
    // clang-format off
    struct Case {
        std::array<const char*, 12> names;
        const char* sought;
        int32_t first3, first4, all12;
        const char* note;
    };
    const Case cases[] = {
        {{"木", "火", "木", "木", "木", "", "", "木", "", "", "", "木"}, "木", 2, 3, 6, "repeats"},
        {{"木", "火", "土", "金", "水", "", "", "", "", "", "", ""}, "水", 0, 0, 1, "only in slot 5"},
        {{"", "", "", "", "", "", "", "", "", "", "", ""}, "", 0, 0, 0, "empty sought never counts"},
        {{"木", "", "", "", "", "", "", "", "", "", "", ""}, "", 0, 0, 0, "empty sought, empty names"},
        {{nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
          nullptr, nullptr},
         nullptr, 0, 0, 0, "null everywhere"},
        {{"比肩", "比肩", "劫财", "比肩", nullptr, "比肩", "", "", "", "", "", "比肩"}, "比肩", 2, 3, 5,
         "ten-god names, a null among them"},
        {{"比肩", "比", "肩", "比肩 ", "", "", "", "", "", "", "", ""}, "比肩", 1, 1, 1, "whole text only"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        const auto& n = c.names;
        EXPECT_EQ(取天干五行数量(n[0], n[1], n[2], n[3], c.sought), c.first4);
        EXPECT_EQ(取地支五行数量(n[0], n[1], n[2], n[3], c.sought), c.first4);
        EXPECT_EQ(取地支十神数量(n[0], n[1], n[2], n[3], c.sought), c.first4);
        EXPECT_EQ(取天干十神数量(n[0], n[1], n[2], c.sought), c.first3);
        EXPECT_EQ(取藏干五行数量(n[0], n[1], n[2], n[3], n[4], n[5], n[6], n[7], n[8], n[9], n[10],
                                 n[11], c.sought),
                  c.all12);
        EXPECT_EQ(取藏干十神数量(n[0], n[1], n[2], n[3], n[4], n[5], n[6], n[7], n[8], n[9], n[10],
                                 n[11], c.sought),
                  c.all12);
    }
}

TEST(PeltaLibrary, CountInJoinedText) {
    // clang-format off
    struct Case {
        const char* joined;
        const char* sought;
        int32_t count;
        const char* note;
    };
    const Case cases[] = {
        {"甲乙甲丙", "甲", 2, "stems"},
        {"子丑寅卯", "亥", 0, "absent"},
        {"癸己癸辛甲丙戊", "癸", 2, "hidden-stem slots joined"},
        {"偏财正财比肩比肩", "比肩", 2, "ten-god names"},
        {"偏财正财比肩比肩", "财", 2, "one character of a name"},
        {"比肩比肩", "肩比", 1, "a two-character text aligned on characters counts"},
        {"aaa", "aa", 1, "occurrences do not overlap"},
        {"甲", "\xE7\x94", 0, "part of a character never matches"},
        {"\xE7\x94\xB2\xE7", "\xE7\x94\xB2", 1, "text ending inside a character"},
        {"甲乙", "", 0, "empty sought counts 0"},
        {"", "甲", 0, "empty text"},
        {nullptr, "甲", 0, "null text"},
        {"甲", nullptr, 0, "null sought"},
        {"甲乙", "甲乙丙", 0, "sought longer than the text"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(取干支数量(c.joined, c.sought), c.count);
    }
}

// Any four ten-god names joined: counting a name finds exactly its whole copies,
// never a match across the seam of two names.
TEST(PeltaLibrary, CountInJoinedTenGodsFindsWholeNamesOnly) {
    for (std::size_t a = 0; a < 10; ++a) {
        for (std::size_t b = 0; b < 10; ++b) {
            for (std::size_t c = 0; c < 10; ++c) {
                for (std::size_t d = 0; d < 10; ++d) {
                    const std::array<std::size_t, 4> picked{a, b, c, d};
                    std::string joined;
                    for (std::size_t i : picked) {
                        joined += kTenGodNames[i];
                    }
                    for (std::size_t name = 0; name < 10; ++name) {
                        int32_t expected = 0;
                        for (std::size_t i : picked) {
                            expected += i == name ? 1 : 0;
                        }
                        const int32_t got =
                            取干支数量(joined.c_str(), s(kTenGodNames[name]).c_str());
                        if (got != expected) {
                            ADD_FAILURE() << joined << " / " << kTenGodNames[name] << ": " << got
                                          << " != " << expected;
                            return;
                        }
                    }
                }
            }
        }
    }
}

} // namespace

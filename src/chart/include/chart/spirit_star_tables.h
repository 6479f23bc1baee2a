#pragma once
// The traditional tables of the spirit stars (神煞), as constexpr data.
//
// Every table is written as text, one row per line, exactly as the classical
// verses give it; the lookups below turn a row into a bit set of stems or
// branches at compile time, and static_asserts check that every row parses.
// Stem indexes are 甲0 .. 癸9, branch indexes 子0 .. 亥11 (the calendar's lists), cycle
// indexes 1..60 with 1 = 甲子. A lookup given an index outside its range answers the empty set.
//
// Header only: data and compile-time lookups, read by the spirit stars of a chart.
//
// When updating a table:
//  1. Change the row text only; keep one row per stem or branch, in index order.
//  2. Name the source in the table's comment.
//  3. Rebuild: the static_asserts reject a row with an unknown character or a
//     row of the wrong kind (a stem where only branches may stand).
//  4. Update the hand-worked charts in tests/chart/ that the change touches.

#include "calendar/sexagenary.h"
#include "chart/element.h"
#include "utf8/utf8.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace bazi::stars {

/// A set of stems (bits 0..9) and branches (bits 0..11): the characters one
/// row of a table names.
struct CharSet {
    std::uint16_t stems = 0;
    std::uint16_t branches = 0;

    [[nodiscard]] constexpr bool hasStem(int s) const {
        return s >= 0 && s < 10 && (stems >> s & 1U) != 0;
    }
    [[nodiscard]] constexpr bool hasBranch(int b) const {
        return b >= 0 && b < 12 && (branches >> b & 1U) != 0;
    }
    [[nodiscard]] constexpr bool empty() const { return stems == 0 && branches == 0; }
    [[nodiscard]] constexpr CharSet operator|(CharSet o) const {
        return {static_cast<std::uint16_t>(stems | o.stems),
                static_cast<std::uint16_t>(branches | o.branches)};
    }
    friend constexpr bool operator==(CharSet, CharSet) = default;
};

/// Index 0..9 of a one-character stem text, -1 for anything else.
[[nodiscard]] constexpr int stemIndexOf(std::string_view ch) {
    return stemOfText(ch).index;
}
/// Index 0..11 of a one-character branch text, -1 for anything else.
[[nodiscard]] constexpr int branchIndexOf(std::string_view ch) {
    return branchOfText(ch).index;
}
/// Index 0..4 of a one-character element text (金 水 木 火 土), -1 for anything else.
[[nodiscard]] constexpr int elementIndexOf(std::string_view ch) {
    return elementOfText(ch).index;
}

/// The stems and branches a row text names, read character by character; `ok` is
/// false when the text is empty or holds anything but stems and branches.
struct ParsedRow {
    CharSet set;
    int characters = 0;
    bool ok = false;
};
[[nodiscard]] constexpr ParsedRow parseRow(std::string_view text) {
    ParsedRow r;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t n = utf8LengthOfLead(static_cast<unsigned char>(text[i]));
        if (i + n > text.size())
            return {};
        const std::string_view ch = text.substr(i, n);
        if (const int s = stemIndexOf(ch); s >= 0)
            r.set.stems = static_cast<std::uint16_t>(r.set.stems | (1U << s));
        else if (const int b = branchIndexOf(ch); b >= 0)
            r.set.branches = static_cast<std::uint16_t>(r.set.branches | (1U << b));
        else
            return {};
        ++r.characters;
        i += n;
    }
    r.ok = r.characters > 0;
    return r;
}

/// The character sets of a whole table, row by row.
template <std::size_t N>
[[nodiscard]] constexpr std::array<CharSet, N>
parseTable(const std::array<std::string_view, N>& rows) {
    std::array<CharSet, N> sets{};
    for (std::size_t i = 0; i < N; ++i)
        sets[i] = parseRow(rows[i]).set;
    return sets;
}

/// True when every row parses, names only branches (or, with `stemsAllowed`,
/// stems too) and names exactly `perRow` characters (0: any number).
template <std::size_t N>
[[nodiscard]] constexpr bool tableIsWellFormed(const std::array<std::string_view, N>& rows,
                                               bool stemsAllowed, int perRow = 0) {
    for (const std::string_view row : rows) {
        const ParsedRow r = parseRow(row);
        if (!r.ok || (!stemsAllowed && r.set.stems != 0))
            return false;
        if (perRow != 0 && r.characters != perRow)
            return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// 天乙贵人: by the day stem, the branches it names.
// Source: 三命通会 卷三 论天乙贵人, "甲戊庚牛羊，乙己鼠猴乡，丙丁猪鸡位，壬癸兔蛇藏，
// 六辛逢马虎，此是贵人方" (the reading that gives 庚 丑未, not 寅午).
// clang-format off
inline constexpr std::array<std::string_view, 10> kTianYiRows = {
    "丑未", // 甲
    "子申", // 乙
    "亥酉", // 丙
    "亥酉", // 丁
    "丑未", // 戊
    "子申", // 己
    "丑未", // 庚
    "寅午", // 辛
    "卯巳", // 壬
    "卯巳", // 癸
};
// clang-format on
static_assert(tableIsWellFormed(kTianYiRows, false, 2));
inline constexpr auto kTianYi = parseTable(kTianYiRows);

// 天德贵人: by the month branch, one stem or one branch.
// Source: 三命通会 卷三 论天月德, "正丁二申宫，三壬四辛同，五亥六甲上，七癸八寅逢，
// 九丙十归乙，子巳丑庚中" (month 1 = 寅).
// clang-format off
inline constexpr std::array<std::string_view, 12> kTianDeRows = {
    "巳", // 子
    "庚", // 丑
    "丁", // 寅
    "申", // 卯
    "壬", // 辰
    "辛", // 巳
    "亥", // 午
    "甲", // 未
    "癸", // 申
    "寅", // 酉
    "丙", // 戌
    "乙", // 亥
};
// clang-format on
static_assert(tableIsWellFormed(kTianDeRows, true, 1));
inline constexpr auto kTianDe = parseTable(kTianDeRows);

// 月德贵人: by the month branch, one stem: 寅午戌 丙, 申子辰 壬, 亥卯未 甲, 巳酉丑 庚.
// Source: 三命通会 卷三 论天月德.
// clang-format off
inline constexpr std::array<std::string_view, 12> kYueDeRows = {
    "壬", // 子
    "庚", // 丑
    "丙", // 寅
    "甲", // 卯
    "壬", // 辰
    "庚", // 巳
    "丙", // 午
    "甲", // 未
    "壬", // 申
    "庚", // 酉
    "丙", // 戌
    "甲", // 亥
};
// clang-format on
static_assert(tableIsWellFormed(kYueDeRows, true, 1));
inline constexpr auto kYueDe = parseTable(kYueDeRows);

// 天医: by the month branch, the branch before it (正月寅 见丑, …, 十二月丑 见子).
// Source: the common reckoning of the almanacs; no classical verse is relied on.
// clang-format off
inline constexpr std::array<std::string_view, 12> kTianYiHealerRows = {
    "亥", // 子
    "子", // 丑
    "丑", // 寅
    "寅", // 卯
    "卯", // 辰
    "辰", // 巳
    "巳", // 午
    "午", // 未
    "未", // 申
    "申", // 酉
    "酉", // 戌
    "戌", // 亥
};
// clang-format on
static_assert(tableIsWellFormed(kTianYiHealerRows, false, 1));
inline constexpr auto kTianYiHealer = parseTable(kTianYiHealerRows);

// The five stars of the three-harmony frames (申子辰, 巳酉丑, 寅午戌, 亥卯未), each
// looked up from the year branch and from the day branch.
// Source: 三命通会 卷三 (论驿马, 论咸池, 论将星, 论华盖): 驿马 "申子辰马在寅，寅午戌马在申，
// 巳酉丑马在亥，亥卯未马在巳"; 咸池 "寅午戌兔从茅里出，巳酉丑跃马南方走，申子辰鸡叫乱人伦，
// 亥卯未鼠子当头忌"; 将星 the middle branch of the frame, 华盖 its last (the tomb).
// 指背 (the first branch of the frame) follows the same reckoning; no classical
// verse is relied on for it.
// clang-format off
inline constexpr std::array<std::string_view, 12> kXianChiRows = {
    "酉", "午", "卯", "子", "酉", "午", "卯", "子", "酉", "午", "卯", "子", // 子 .. 亥
};
inline constexpr std::array<std::string_view, 12> kYiMaRows = {
    "寅", "亥", "申", "巳", "寅", "亥", "申", "巳", "寅", "亥", "申", "巳", // 子 .. 亥
};
inline constexpr std::array<std::string_view, 12> kJiangXingRows = {
    "子", "酉", "午", "卯", "子", "酉", "午", "卯", "子", "酉", "午", "卯", // 子 .. 亥
};
inline constexpr std::array<std::string_view, 12> kHuaGaiRows = {
    "辰", "丑", "戌", "未", "辰", "丑", "戌", "未", "辰", "丑", "戌", "未", // 子 .. 亥
};
inline constexpr std::array<std::string_view, 12> kZhiBeiRows = {
    "申", "巳", "寅", "亥", "申", "巳", "寅", "亥", "申", "巳", "寅", "亥", // 子 .. 亥
};
// clang-format on
static_assert(tableIsWellFormed(kXianChiRows, false, 1));
static_assert(tableIsWellFormed(kYiMaRows, false, 1));
static_assert(tableIsWellFormed(kJiangXingRows, false, 1));
static_assert(tableIsWellFormed(kHuaGaiRows, false, 1));
static_assert(tableIsWellFormed(kZhiBeiRows, false, 1));
inline constexpr auto kXianChi = parseTable(kXianChiRows);
inline constexpr auto kYiMa = parseTable(kYiMaRows);
inline constexpr auto kJiangXing = parseTable(kJiangXingRows);
inline constexpr auto kHuaGai = parseTable(kHuaGaiRows);
inline constexpr auto kZhiBei = parseTable(kZhiBeiRows);

// 纳音: the element of each pair of the sixty cycle (甲子乙丑 海中金, …, 壬戌癸亥 大海水).
// Source: 三命通会 卷一 论纳音取象. Row k covers cycle indexes 2k+1 and 2k+2.
// clang-format off
inline constexpr std::array<std::string_view, 30> kNaYinRows = {
    "金", "火", "木", "土", "金", // 甲子乙丑 丙寅丁卯 戊辰己巳 庚午辛未 壬申癸酉
    "火", "水", "土", "金", "木", // 甲戌乙亥 丙子丁丑 戊寅己卯 庚辰辛巳 壬午癸未
    "水", "土", "火", "木", "水", // 甲申乙酉 丙戌丁亥 戊子己丑 庚寅辛卯 壬辰癸巳
    "金", "火", "木", "土", "金", // 甲午乙未 丙申丁酉 戊戌己亥 庚子辛丑 壬寅癸卯
    "火", "水", "土", "金", "木", // 甲辰乙巳 丙午丁未 戊申己酉 庚戌辛亥 壬子癸丑
    "水", "土", "火", "木", "水", // 甲寅乙卯 丙辰丁巳 戊午己未 庚申辛酉 壬戌癸亥
};
// clang-format on

[[nodiscard]] constexpr bool naYinTableIsWellFormed() {
    for (const std::string_view e : kNaYinRows)
        if (elementIndexOf(e) < 0)
            return false;
    return true;
}
static_assert(naYinTableIsWellFormed());

/// The 纳音 element (index into kElementNames, 金0 水1 木2 火3 土4) of a cycle
/// index 1..60; -1 outside that range.
[[nodiscard]] constexpr int naYinElementOf(int cycleIndex) {
    // The rows read once, at compile time: a chart looks its year up for 童子.
    constexpr auto kElements = [] {
        std::array<std::int8_t, 30> elements{};
        for (std::size_t k = 0; k < elements.size(); ++k)
            elements[k] = static_cast<std::int8_t>(elementIndexOf(kNaYinRows[k]));
        return elements;
    }();
    if (cycleIndex < 1 || cycleIndex > 60)
        return -1;
    return kElements[static_cast<std::size_t>((cycleIndex - 1) / 2)];
}

// 童子: either clause names the branches. By the season of the month branch:
// "春秋寅子，冬夏卯未辰"; by the 纳音 element of the year pillar: "金木午卯，水火酉戌，
// 土命辰巳". Source: the common verse of the almanacs (春秋寅子贵，冬夏卯未辰；
// 金木马卯合，水火鸡犬多；土命逢辰巳).
// clang-format off
inline constexpr std::array<std::string_view, 12> kTongZiBySeasonRows = {
    "卯未辰", "卯未辰",           // 子 丑 (winter)
    "寅子", "寅子", "寅子",       // 寅 卯 辰 (spring)
    "卯未辰", "卯未辰", "卯未辰", // 巳 午 未 (summer)
    "寅子", "寅子", "寅子",       // 申 酉 戌 (autumn)
    "卯未辰",                     // 亥 (winter)
};
inline constexpr std::array<std::string_view, 5> kTongZiByNaYinRows = {
    "午卯", // 金
    "酉戌", // 水
    "午卯", // 木
    "酉戌", // 火
    "辰巳", // 土
};
// clang-format on
static_assert(tableIsWellFormed(kTongZiBySeasonRows, false));
static_assert(tableIsWellFormed(kTongZiByNaYinRows, false, 2));
inline constexpr auto kTongZiBySeason = parseTable(kTongZiBySeasonRows);
inline constexpr auto kTongZiByNaYin = parseTable(kTongZiByNaYinRows);

// 元辰: by the year branch, the branch one step past the clash: ahead of it for a
// yang year of a man or a yin year of a woman (+7), behind it otherwise (+5).
// The year branch carries the year's polarity (子寅辰午申戌 yang).
// Source: 三命通会 卷三 论元辰, "阳男阴女，冲前一位；阴男阳女，冲后一位".
// clang-format off
inline constexpr std::array<std::string_view, 12> kYuanChenMaleRows = {
    "未", "午", "酉", "申", "亥", "戌", "丑", "子", "卯", "寅", "巳", "辰", // 子 .. 亥
};
inline constexpr std::array<std::string_view, 12> kYuanChenFemaleRows = {
    "巳", "申", "未", "戌", "酉", "子", "亥", "寅", "丑", "辰", "卯", "午", // 子 .. 亥
};
// clang-format on
static_assert(tableIsWellFormed(kYuanChenMaleRows, false, 1));
static_assert(tableIsWellFormed(kYuanChenFemaleRows, false, 1));
inline constexpr auto kYuanChenMale = parseTable(kYuanChenMaleRows);
inline constexpr auto kYuanChenFemale = parseTable(kYuanChenFemaleRows);

// 卷舌: by the year branch, the branch three places back (子 见酉).
// Source: the common reckoning of the almanacs; no classical verse is relied on.
// clang-format off
inline constexpr std::array<std::string_view, 12> kJuanSheRows = {
    "酉", "戌", "亥", "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", // 子 .. 亥
};
// clang-format on
static_assert(tableIsWellFormed(kJuanSheRows, false, 1));
inline constexpr auto kJuanShe = parseTable(kJuanSheRows);

// 空亡: by the 旬 (decade) of the day pillar, the two branches the decade leaves
// out. Row k is the decade of cycle indexes 10k+1 .. 10k+10.
// Source: 三命通会 卷三 论空亡 (六甲空亡: 甲子旬中戌亥空, …).
// clang-format off
inline constexpr std::array<std::string_view, 6> kKongWangRows = {
    "戌亥", // 甲子旬
    "申酉", // 甲戌旬
    "午未", // 甲申旬
    "辰巳", // 甲午旬
    "寅卯", // 甲辰旬
    "子丑", // 甲寅旬
};
// clang-format on
static_assert(tableIsWellFormed(kKongWangRows, false, 2));
inline constexpr auto kKongWang = parseTable(kKongWangRows);

/// The void (空亡) branches of a cycle index 1..60; empty outside that range.
[[nodiscard]] constexpr CharSet kongWangOf(int cycleIndex) {
    if (cycleIndex < 1 || cycleIndex > 60)
        return {};
    return kKongWang[static_cast<std::size_t>((cycleIndex - 1) / 10)];
}

// Row lookups that answer the empty set for an index outside the table.
template <std::size_t N>
[[nodiscard]] constexpr CharSet rowOf(const std::array<CharSet, N>& table, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= N)
        return {};
    return table[static_cast<std::size_t>(index)];
}

} // namespace bazi::stars

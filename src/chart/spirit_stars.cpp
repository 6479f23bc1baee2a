#include "chart/spirit_stars.h"

#include "chart/spirit_star_tables.h"
#include "hidden_stem_text.h"
#include "calendar/sexagenary.h"

#include <cstddef>
#include <cstdint>

namespace bazi {
namespace {

using stars::CharSet;

// clang-format off
constexpr std::array<std::string_view, kSpiritStarCount> kStarNames = {
    "天乙贵人", "天德贵人", "月德贵人", "天医", "咸池", "驿马", "将星", "华盖", "童子", "元辰", "指背", "卷舌", "空亡",
};
// clang-format on

// The eight characters as indexes: slot 2p is the stem of pillar p, slot 2p + 1
// its branch (p = 0 year .. 3 hour). A missing pillar has -1 in both slots.
struct Chart {
    std::array<int, 8> slots{-1, -1, -1, -1, -1, -1, -1, -1};
    std::array<int, 4> cycle{};             // the cycle index, 0 when missing
    std::array<std::uint32_t, 4> stemBit{}; // 1 << stem of each pillar, 0 when missing
    std::array<std::uint32_t, 4> branchBit{};

    [[nodiscard]] int stem(int pillar) const { return slots[static_cast<std::size_t>(2 * pillar)]; }
    [[nodiscard]] int branch(int pillar) const {
        return slots[static_cast<std::size_t>(2 * pillar + 1)];
    }
};

constexpr int kYear = 0, kMonth = 1, kDay = 2, kHour = 3;
constexpr int stemSlot(int pillar) {
    return 2 * pillar;
}
constexpr int branchSlot(int pillar) {
    return 2 * pillar + 1;
}

Chart chartOf(const ChartIndices& indices) {
    Chart c;
    for (int p = 0; p < 4; ++p) {
        const int i = indices[static_cast<std::size_t>(p)];
        if (i < 1 || i > 60)
            continue;
        c.cycle[static_cast<std::size_t>(p)] = i;
        c.slots[static_cast<std::size_t>(stemSlot(p))] = (i - 1) % 10;   // [0, 9]
        c.slots[static_cast<std::size_t>(branchSlot(p))] = (i - 1) % 12; // [0, 11]
        c.stemBit[static_cast<std::size_t>(p)] = 1U << ((i - 1) % 10);
        c.branchBit[static_cast<std::size_t>(p)] = 1U << ((i - 1) % 12);
    }
    return c;
}

// Pillars p (bit p) whose branch is in `branches`, among the pillars in `targets`.
std::uint8_t branchHits(const Chart& c, std::uint32_t branches, std::uint8_t targets) {
    unsigned hits = 0;
    for (std::size_t p = 0; p < 4; ++p)
        hits |= ((branches & c.branchBit[p]) != 0 ? 1U : 0U) << p;
    return static_cast<std::uint8_t>(hits & targets);
}

// Pillars whose stem is in `stems`.
std::uint8_t stemHits(const Chart& c, std::uint32_t stems) {
    unsigned hits = 0;
    for (std::size_t p = 0; p < 4; ++p)
        hits |= ((stems & c.stemBit[p]) != 0 ? 1U : 0U) << p;
    return static_cast<std::uint8_t>(hits);
}

constexpr std::uint8_t bit(int pillar) {
    return static_cast<std::uint8_t>(1U << pillar);
}
constexpr std::uint8_t kAllPillars = 0xF;

// A star of the three-harmony frames: looked up from the year branch and from
// the day branch, each on its own, over the four branches; a reference branch
// is never its own hit.
std::uint8_t frameStar(const Chart& c, const std::array<CharSet, 12>& table) {
    const std::uint32_t fromYear = stars::rowOf(table, c.branch(kYear)).branches;
    const std::uint32_t fromDay = stars::rowOf(table, c.branch(kDay)).branches;
    return static_cast<std::uint8_t>(branchHits(c, fromYear, kAllPillars & ~bit(kYear)) |
                                     branchHits(c, fromDay, kAllPillars & ~bit(kDay)));
}

// 元辰, the one star that reads the person's sex: on the month, day and hour
// branches, counted from the year branch one way for a man, the other for a woman.
std::uint8_t yuanChenBits(const Chart& c, bool female) {
    const auto& table = female ? stars::kYuanChenFemale : stars::kYuanChenMale;
    return branchHits(c, stars::rowOf(table, c.branch(kYear)).branches,
                      bit(kMonth) | bit(kDay) | bit(kHour));
}

// Where every star stands, as pillar bits (bit 0 year .. bit 3 hour), entry i
// for the star of item i + 1.
std::array<std::uint8_t, kSpiritStarCount> starBits(const Chart& c, bool female) {
    const int monthBranch = c.branch(kMonth);
    const int yearBranch = c.branch(kYear);
    const std::uint8_t yearDayHour = bit(kYear) | bit(kDay) | bit(kHour);
    const std::uint8_t monthDayHour = bit(kMonth) | bit(kDay) | bit(kHour);
    const std::uint8_t yearMonthHour = bit(kYear) | bit(kMonth) | bit(kHour);
    const std::uint8_t dayHour = bit(kDay) | bit(kHour);

    const CharSet tianDe = stars::rowOf(stars::kTianDe, monthBranch);
    const CharSet tongZi =
        stars::rowOf(stars::kTongZiBySeason, monthBranch) |
        stars::rowOf(stars::kTongZiByNaYin, stars::naYinElementOf(c.cycle[kYear]));

    std::array<std::uint8_t, kSpiritStarCount> bits{};
    const auto set = [&bits](SpiritStar star, int value) {
        bits[static_cast<std::size_t>(static_cast<int>(star) - 1)] =
            static_cast<std::uint8_t>(value);
    };
    set(SpiritStar::tianYi,
        branchHits(c, stars::rowOf(stars::kTianYi, c.stem(kDay)).branches, kAllPillars));
    // 天德: a stem of the row on any stem, a branch of it on the year, day and hour branches.
    set(SpiritStar::tianDe,
        stemHits(c, tianDe.stems) | branchHits(c, tianDe.branches, yearDayHour));
    set(SpiritStar::yueDe, stemHits(c, stars::rowOf(stars::kYueDe, monthBranch).stems));
    set(SpiritStar::tianYiHealer,
        branchHits(c, stars::rowOf(stars::kTianYiHealer, monthBranch).branches, yearDayHour));
    set(SpiritStar::xianChi, frameStar(c, stars::kXianChi));
    set(SpiritStar::yiMa, frameStar(c, stars::kYiMa));
    set(SpiritStar::jiangXing, frameStar(c, stars::kJiangXing));
    set(SpiritStar::huaGai, frameStar(c, stars::kHuaGai));
    // 童子: either clause is enough, the season of the month or the year's 纳音.
    set(SpiritStar::tongZi, branchHits(c, tongZi.branches, dayHour));
    set(SpiritStar::yuanChen, yuanChenBits(c, female));
    set(SpiritStar::zhiBei, frameStar(c, stars::kZhiBei));
    set(SpiritStar::juanShe,
        branchHits(c, stars::rowOf(stars::kJuanShe, yearBranch).branches, monthDayHour));
    set(SpiritStar::kongWang,
        branchHits(c, stars::kongWangOf(c.cycle[kDay]).branches, yearMonthHour));
    return bits;
}

StarPillars pillarsOfBits(std::uint8_t bits) {
    StarPillars result;
    for (std::size_t p = 0; p < 4; ++p)
        result.at[p] = (static_cast<unsigned>(bits) >> p & 1U) != 0;
    return result;
}

} // namespace

std::string_view spiritStarName(SpiritStar star) {
    const int i = static_cast<int>(star);
    if (i < 1 || i > kSpiritStarCount)
        return {};
    return kStarNames[static_cast<std::size_t>(i - 1)];
}

std::optional<SpiritStar> spiritStarOfItem(int valueIndex) {
    if (valueIndex < 1 || valueIndex > kSpiritStarCount)
        return std::nullopt;
    return static_cast<SpiritStar>(valueIndex);
}

ChartIndices chartIndicesOfText(std::string_view chartText) {
    // Eight characters, spaces aside; a ninth, and it is not a chart. Reading
    // stops there, whatever the length of the text.
    const std::array<std::string_view, 9> chars = detail::charactersOf<9>(chartText);
    ChartIndices result{};
    if (chars[7].empty() || !chars[8].empty())
        return result;
    for (std::size_t p = 0; p < 4; ++p) {
        const int s = stars::stemIndexOf(chars[2 * p]);
        const int b = stars::branchIndexOf(chars[2 * p + 1]);
        if (s >= 0 && b >= 0)
            result[p] = cycleIndexOf(s + 1, b + 1); // 0 when the parities differ
    }
    return result;
}

StarPillars starPillars(SpiritStar star, const ChartIndices& indices, bool female) {
    const int i = static_cast<int>(star);
    if (i < 1 || i > kSpiritStarCount)
        return {};
    return pillarsOfBits(starBits(chartOf(indices), female)[static_cast<std::size_t>(i - 1)]);
}

std::array<StarPillars, kSpiritStarCount> allStars(const ChartIndices& chart, bool female) {
    const auto bits = starBits(chartOf(chart), female);
    std::array<StarPillars, kSpiritStarCount> result{};
    for (std::size_t k = 0; k < bits.size(); ++k)
        result[k] = pillarsOfBits(bits[k]);
    return result;
}

std::array<std::array<std::uint8_t, kSpiritStarCount>, 2>
starPillarBitsOfBothSexes(const ChartIndices& chart) {
    const Chart c = chartOf(chart);
    std::array<std::array<std::uint8_t, kSpiritStarCount>, 2> bits;
    bits[0] = starBits(c, false);
    // Only 元辰 reads the person's sex.
    bits[1] = bits[0];
    const auto yuanChen = static_cast<std::size_t>(static_cast<int>(SpiritStar::yuanChen) - 1);
    bits[1][yuanChen] = yuanChenBits(c, true);
    return bits;
}

std::array<std::vector<std::string_view>, 4> starNamesByPillar(const ChartIndices& chart,
                                                               bool female) {
    const auto stars = allStars(chart, female);
    std::array<std::vector<std::string_view>, 4> names;
    for (std::size_t s = 0; s < stars.size(); ++s)
        for (std::size_t p = 0; p < 4; ++p)
            if (stars[s].at[p])
                names[p].push_back(kStarNames[s]);
    return names;
}

} // namespace bazi

#include "chart/spirit_stars.h"

#include "chart/spirit_star_tables.h"
#include "calendar/sexagenary.h"

#include <cstddef>
#include <span>

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
    std::array<int, 4> cycle{}; // the cycle index, 0 when missing

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
constexpr bool isBranchSlot(int slot) {
    return slot % 2 == 1;
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
    }
    return c;
}

// One reference of a star: the characters its table row names, and the slot the
// reference itself occupies (never its own hit); -1 for a reference that is not
// one character (the year's 纳音, the day pillar's decade).
struct Reference {
    CharSet names;
    int ownSlot = -1;
};

// clang-format off
constexpr int kFourBranches[] = {branchSlot(kYear), branchSlot(kMonth), branchSlot(kDay), branchSlot(kHour)};
constexpr int kFourStems[] = {stemSlot(kYear), stemSlot(kMonth), stemSlot(kDay), stemSlot(kHour)};
constexpr int kStemsAndOuterBranches[] = {stemSlot(kYear), stemSlot(kMonth), stemSlot(kDay), stemSlot(kHour),
                                          branchSlot(kYear), branchSlot(kDay), branchSlot(kHour)};
constexpr int kYearDayHourBranches[] = {branchSlot(kYear), branchSlot(kDay), branchSlot(kHour)};
constexpr int kMonthDayHourBranches[] = {branchSlot(kMonth), branchSlot(kDay), branchSlot(kHour)};
constexpr int kDayHourBranches[] = {branchSlot(kDay), branchSlot(kHour)};
constexpr int kYearMonthHourBranches[] = {branchSlot(kYear), branchSlot(kMonth), branchSlot(kHour)};
// clang-format on

// Marks every target slot whose character some reference names, skipping a
// reference's own slot.
StarPillars standing(const Chart& chart, std::span<const Reference> refs,
                     std::span<const int> targets) {
    StarPillars result;
    for (const int slot : targets) {
        const int ch = chart.slots[static_cast<std::size_t>(slot)];
        if (ch < 0)
            continue;
        for (const Reference& r : refs) {
            if (r.ownSlot == slot)
                continue;
            const bool hit = isBranchSlot(slot) ? r.names.hasBranch(ch) : r.names.hasStem(ch);
            if (hit)
                result.at[static_cast<std::size_t>(slot / 2)] = true;
        }
    }
    return result;
}

// A star of the three-harmony frames: looked up from the year branch and from
// the day branch, each on its own, over the four branches.
StarPillars frameStar(const Chart& chart, const std::array<CharSet, 12>& table) {
    const Reference refs[] = {
        {stars::rowOf(table, chart.branch(kYear)), branchSlot(kYear)},
        {stars::rowOf(table, chart.branch(kDay)), branchSlot(kDay)},
    };
    return standing(chart, refs, kFourBranches);
}

// A star looked up from one character of the chart.
StarPillars singleStar(const Chart& chart, CharSet names, int ownSlot,
                       std::span<const int> targets) {
    const Reference refs[] = {{names, ownSlot}};
    return standing(chart, refs, targets);
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
    std::vector<std::string_view> chars;
    std::size_t i = 0;
    while (i < chartText.size()) {
        const std::size_t n = stars::utf8Length(chartText[i]);
        const std::string_view ch = chartText.substr(i, n);
        i += n;
        if (ch == " " || ch == "\u3000")
            continue;
        chars.push_back(ch);
    }
    ChartIndices result{};
    if (chars.size() != 8)
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
    const Chart c = chartOf(indices);
    const int monthBranch = c.branch(kMonth);
    const int yearBranch = c.branch(kYear);
    switch (star) {
    case SpiritStar::tianYi:
        return singleStar(c, stars::rowOf(stars::kTianYi, c.stem(kDay)), stemSlot(kDay),
                          kFourBranches);
    case SpiritStar::tianDe:
        return singleStar(c, stars::rowOf(stars::kTianDe, monthBranch), branchSlot(kMonth),
                          kStemsAndOuterBranches);
    case SpiritStar::yueDe:
        return singleStar(c, stars::rowOf(stars::kYueDe, monthBranch), branchSlot(kMonth),
                          kFourStems);
    case SpiritStar::tianYiHealer:
        return singleStar(c, stars::rowOf(stars::kTianYiHealer, monthBranch), branchSlot(kMonth),
                          kYearDayHourBranches);
    case SpiritStar::xianChi: return frameStar(c, stars::kXianChi);
    case SpiritStar::yiMa: return frameStar(c, stars::kYiMa);
    case SpiritStar::jiangXing: return frameStar(c, stars::kJiangXing);
    case SpiritStar::huaGai: return frameStar(c, stars::kHuaGai);
    case SpiritStar::zhiBei: return frameStar(c, stars::kZhiBei);
    case SpiritStar::tongZi: {
        // Either clause is enough: the season of the month, or the year's 纳音.
        const Reference refs[] = {
            {stars::rowOf(stars::kTongZiBySeason, monthBranch), branchSlot(kMonth)},
            {stars::rowOf(stars::kTongZiByNaYin, stars::naYinElementOf(c.cycle[kYear])), -1},
        };
        return standing(c, refs, kDayHourBranches);
    }
    case SpiritStar::yuanChen:
        return singleStar(
            c, stars::rowOf(female ? stars::kYuanChenFemale : stars::kYuanChenMale, yearBranch),
            branchSlot(kYear), kMonthDayHourBranches);
    case SpiritStar::juanShe:
        return singleStar(c, stars::rowOf(stars::kJuanShe, yearBranch), branchSlot(kYear),
                          kMonthDayHourBranches);
    case SpiritStar::kongWang:
        return singleStar(c, stars::kongWangOf(c.cycle[kDay]), -1, kYearMonthHourBranches);
    }
    return {};
}

std::array<StarPillars, kSpiritStarCount> allStars(const ChartIndices& chart, bool female) {
    std::array<StarPillars, kSpiritStarCount> result{};
    for (int i = 1; i <= kSpiritStarCount; ++i)
        result[static_cast<std::size_t>(i - 1)] =
            starPillars(static_cast<SpiritStar>(i), chart, female);
    return result;
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

#pragma once
// Which spirit stars (神煞) stand at which pillar of a chart.
//
// Every star looks one or more reference characters of the chart up in its
// table (chart/spirit_star_tables.h) and checks a fixed set of target
// characters against the row it finds. A target is a hit when its reference's
// row names it; a reference character is never its own hit. The star stands at
// a pillar when that pillar's checked character (stem or branch, as the star
// says) is a hit, and its count is the number of pillars it stands at (0..4).

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace bazi {

/// The thirteen stars, numbered as the items of the spirit-star value list
/// (组合框_神煞1..12): item 1 "天乙贵人" .. item 13 "空亡".
enum class SpiritStar {
    tianYi = 1,   // 天乙贵人: day stem → the four branches
    tianDe,       // 天德贵人: month branch → the four stems, year/day/hour branches
    yueDe,        // 月德贵人: month branch → the four stems
    tianYiHealer, // 天医: month branch → year/day/hour branches
    xianChi,      // 咸池: year branch and day branch → the other three branches
    yiMa,         // 驿马: likewise
    jiangXing,    // 将星: likewise
    huaGai,       // 华盖: likewise
    tongZi,       // 童子: month branch or the year's 纳音 → day/hour branches
    yuanChen,     // 元辰: year branch, polarity and sex → month/day/hour branches
    zhiBei,       // 指背: year branch and day branch → the other three branches
    juanShe,      // 卷舌: year branch → month/day/hour branches
    kongWang,     // 空亡: the day pillar's decade → year/month/hour branches
};
inline constexpr int kSpiritStarCount = 13;

/// The four pillar captions, year first, as the pillar position list names them.
inline constexpr std::array<std::string_view, 4> kPillarCaptions = {"年柱", "月柱", "日柱", "时柱"};

/// The star's name as the value list shows it ("天乙贵人", …, "空亡").
[[nodiscard]] std::string_view spiritStarName(SpiritStar star);
/// The star of a value-list item 1..13; nullopt for item 0 ("-") and anything outside.
[[nodiscard]] std::optional<SpiritStar> spiritStarOfItem(int valueIndex);

/// Cycle indexes 1..60 (1 = 甲子) of the year, month, day and hour pillars. Any
/// other value marks a missing pillar: a star is never looked up from it and
/// never stands at it.
using ChartIndices = std::array<int, 4>;

/// The cycle indexes of a chart text of eight characters, year stem first
/// ("甲子丙寅戊辰壬子"; ASCII and full-width spaces are skipped). A pillar whose
/// two characters are not a stem and a branch of one parity reads 0; so does
/// every pillar of a text that holds anything else.
[[nodiscard]] ChartIndices chartIndicesOfText(std::string_view chartText);

/// The pillars at which one star stands, year first.
struct StarPillars {
    std::array<bool, 4> at{};

    [[nodiscard]] constexpr int count() const {
        int n = 0;
        for (const bool b : at)
            n += b ? 1 : 0;
        return n; // [0, 4]
    }
    friend constexpr bool operator==(const StarPillars&, const StarPillars&) = default;
};

/// Where `star` stands in the chart; `female` selects 元辰's reading for a woman
/// (the other stars do not depend on it).
[[nodiscard]] StarPillars starPillars(SpiritStar star, const ChartIndices& chart, bool female);

/// Every star of the chart; entry i is the star of item i + 1.
[[nodiscard]] std::array<StarPillars, kSpiritStarCount> allStars(const ChartIndices& chart,
                                                                 bool female);

/// Every star of the chart as pillar bits (bit 0 the year pillar .. bit 3 the
/// hour pillar), for a man (entry 0) and for a woman (entry 1); entry [k][i] is
/// the star of item i + 1. The same facts as allStars.
[[nodiscard]] std::array<std::array<std::uint8_t, kSpiritStarCount>, 2>
starPillarBitsOfBothSexes(const ChartIndices& chart);
/// For each pillar, year first, the names of the stars standing there in
/// value-list order.
[[nodiscard]] std::array<std::vector<std::string_view>, 4>
starNamesByPillar(const ChartIndices& chart, bool female);

} // namespace bazi

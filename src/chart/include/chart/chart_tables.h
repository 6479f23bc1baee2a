#pragma once
// The facts of one moment's chart that the condition groups compare: element,
// ten-god and ordinal of each of the eight characters and of the twelve
// hidden-stem slots (three per branch, year branch first).

#include <array>
#include <string>
#include <string_view>

namespace bazi {

struct ChartCell {
    std::string character; // one stem or branch, or "" for an unfilled slot
    std::string element;   // 金 水 木 火 土, or "" for ""
    std::string tenGod;    // relation to the day stem, or ""
    int ordinal = 0;
};

/// Cells in chart order, indexed 0..7: year stem, year branch, month stem,
/// month branch, day stem, day branch, hour stem, hour branch.
struct ChartTable {
    std::array<ChartCell, 8> cells;
};

/// Slots 0..11: 0-2 year branch, 3-5 month, 6-8 day, 9-11 hour.
struct HiddenStemTable {
    std::array<ChartCell, 12> slots;
};

/// Swap flag passed to the ten-god lookup: 0 when "亥子巳午阴阳置换" is ticked, else 1.
[[nodiscard]] constexpr int swapFlagOf(bool swapTicked) {
    return swapTicked ? 0 : 1;
}

/// The chart table of a chart text (eight characters; ASCII and full-width
/// spaces between them are ignored).
[[nodiscard]] ChartTable fillChartTable(std::string_view chartText, int swapFlag);
/// The hidden-stem table of the branches and day stem of `chart`.
[[nodiscard]] HiddenStemTable fillHiddenStemTable(const ChartTable& chart, int swapFlag);

} // namespace bazi

#include "chart/chart_tables.h"

#include "chartlib/chart_primitives.h"
#include "hidden_stem_text.h"

#include <cstddef>

namespace bazi {

namespace {

// Element, ordinal and ten-god of `cell.character` seen from `dayStem`.
void describe(ChartCell& cell, std::string_view dayStem, int swapFlag) {
    cell.element = chartlib::elementOf(cell.character);
    cell.ordinal = chartlib::ordinalOf(cell.character);
    cell.tenGod = chartlib::tenGodOf(dayStem, cell.character, swapFlag);
}

constexpr std::size_t kDayStem = 4;
constexpr std::array<std::size_t, 4> kBranchCells{1, 3, 5, 7};

} // namespace

ChartTable fillChartTable(std::string_view chartText, int swapFlag) {
    ChartTable table;
    const std::array<std::string_view, 8> characters = detail::charactersOf<8>(chartText);
    for (std::size_t k = 0; k < characters.size(); ++k) {
        table.cells[k].character = characters[k];
    }
    // Every cell is related to the day stem, the day stem to itself too.
    const std::string_view dayStem = table.cells[kDayStem].character; // describe() keeps characters
    for (ChartCell& cell : table.cells) {
        describe(cell, dayStem, swapFlag);
    }
    return table;
}

HiddenStemTable fillHiddenStemTable(const ChartTable& chart, int swapFlag) {
    HiddenStemTable table;
    const std::string_view dayStem = chart.cells[kDayStem].character;
    for (std::size_t k = 0; k < kBranchCells.size(); ++k) {
        const std::string hidden = chartlib::hiddenStemsOf(chart.cells[kBranchCells[k]].character);
        // One to three stems; a text that splits otherwise (the library broke
        // its contract) leaves the branch's slots empty rather than half-filled.
        const auto stems = detail::hiddenStemCharacters(hidden);
        for (std::size_t j = 0; j < 3; ++j) {
            ChartCell& slot = table.slots[3 * k + j];
            if (stems) {
                slot.character = (*stems)[j];
            }
            describe(slot, dayStem, swapFlag);
        }
    }
    return table;
}

} // namespace bazi

#include "chart/chart_tables.h"

#include "chartlib/chart_primitives.h"

#include <cstddef>

namespace bazi {

namespace {

constexpr std::string_view kFullWidthSpace = "\u3000";

// Bytes in the UTF-8 character that starts with `lead`; a stray continuation
// byte or an invalid lead byte counts as a character of its own.
[[nodiscard]] constexpr std::size_t utf8Length(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        return 3;
    }
    if ((lead & 0xF8) == 0xF0) {
        return 4;
    }
    return 1;
}

// The character of `text` starting at byte `pos`: a whole UTF-8 character, or
// what is left of the text when it ends inside one.
[[nodiscard]] std::string_view characterAt(std::string_view text, std::size_t pos) {
    return text.substr(pos, utf8Length(static_cast<unsigned char>(text[pos])));
}

// The first `N` characters of `text` after dropping every ASCII and full-width
// space; positions past the end of the text get "".
template <std::size_t N>
[[nodiscard]] std::array<std::string_view, N> charactersOf(std::string_view text) {
    std::array<std::string_view, N> out{};
    std::size_t filled = 0;
    std::size_t pos = 0;
    while (pos < text.size() && filled < N) {
        const std::string_view c = characterAt(text, pos);
        pos += c.size();
        if (c != " " && c != kFullWidthSpace) {
            out[filled++] = c;
        }
    }
    return out;
}

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
    const std::array<std::string_view, 8> characters = charactersOf<8>(chartText);
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
        const std::array<std::string_view, 4> stems = charactersOf<4>(hidden);
        const bool wellFormed =
            !stems[0].empty() && stems[3].empty() &&
            stems[0].size() + stems[1].size() + stems[2].size() == hidden.size();
        for (std::size_t j = 0; j < 3; ++j) {
            ChartCell& slot = table.slots[3 * k + j];
            if (wellFormed) {
                slot.character = stems[j];
            }
            describe(slot, dayStem, swapFlag);
        }
    }
    return table;
}

} // namespace bazi

#include "cli/chart_tables_output.h"

#include <array>
#include <cstddef>
#include <ostream>
#include <string_view>

namespace bazi::cli {

namespace {

constexpr std::array<std::string_view, 8> kPositions{"年干", "年支", "月干", "月支",
                                                     "日干", "日支", "时干", "时支"};
constexpr std::array<std::string_view, 4> kBranchPositions{"年支", "月支", "日支", "时支"};

constexpr std::size_t kLabelWidth = 6; // columns of the row label
constexpr std::size_t kCellWidth = 5;  // columns of one cell: a ten-god name and a space

nlohmann::ordered_json cellJson(const ChartCell& cell) {
    nlohmann::ordered_json object;
    object["character"] = cell.character;
    object["element"] = cell.element;
    object["tenGod"] = cell.tenGod;
    object["ordinal"] = cell.ordinal;
    return object;
}

// Terminal columns of a UTF-8 text: one per ASCII character, two per other character.
std::size_t displayWidth(std::string_view text) {
    std::size_t width = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            width += 1;
        } else if ((byte & 0xC0) != 0x80) {
            width += 2; // a lead byte; continuation bytes add nothing
        }
    }
    return width;
}

void appendPadded(std::string& line, std::string_view text, std::size_t width) {
    const std::string_view shown = text.empty() ? std::string_view("-") : text;
    line += shown;
    const std::size_t used = displayWidth(shown);
    line.append(used < width ? width - used : 1, ' ');
}

// One row per fact (character, element, ten-god, ordinal) over `cells`.
template <std::size_t N>
void appendFactRows(std::vector<std::string>& lines, std::string_view indent,
                    const std::array<ChartCell, N>& cells) {
    struct Fact {
        std::string_view label;
        std::string (*text)(const ChartCell&);
    };
    static constexpr Fact kFacts[] = {
        {"字", [](const ChartCell& c) { return c.character; }},
        {"五行", [](const ChartCell& c) { return c.element; }},
        {"十神", [](const ChartCell& c) { return c.tenGod; }},
        {"序数", [](const ChartCell& c) { return std::to_string(c.ordinal); }},
    };
    for (const Fact& fact : kFacts) {
        std::string line(indent);
        appendPadded(line, fact.label, kLabelWidth);
        for (const ChartCell& cell : cells) {
            appendPadded(line, fact.text(cell), kCellWidth);
        }
        while (!line.empty() && line.back() == ' ') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
    }
}

} // namespace

nlohmann::ordered_json chartTablesJson(const ChartTable& chart, const HiddenStemTable& hidden) {
    nlohmann::ordered_json cells = nlohmann::ordered_json::array();
    for (std::size_t k = 0; k < chart.cells.size(); ++k) {
        nlohmann::ordered_json object;
        object["position"] = kPositions[k];
        object.update(cellJson(chart.cells[k]));
        cells.push_back(std::move(object));
    }
    nlohmann::ordered_json slots = nlohmann::ordered_json::array();
    for (std::size_t t = 0; t < hidden.slots.size(); ++t) {
        nlohmann::ordered_json object;
        object["branch"] = kBranchPositions[t / 3];
        object["slot"] = t % 3 + 1;
        object.update(cellJson(hidden.slots[t]));
        slots.push_back(std::move(object));
    }
    nlohmann::ordered_json tables;
    tables["cells"] = std::move(cells);
    tables["hiddenStems"] = std::move(slots);
    return tables;
}

std::vector<std::string> chartTablesLines(const ChartTable& chart, const HiddenStemTable& hidden,
                                          std::string_view indent) {
    std::vector<std::string> lines;
    std::string header(indent);
    appendPadded(header, "八字", kLabelWidth);
    for (std::string_view position : kPositions) {
        appendPadded(header, position, kCellWidth);
    }
    header.pop_back();
    lines.push_back(std::move(header));
    appendFactRows(lines, indent, chart.cells);

    std::string hiddenHeader(indent);
    appendPadded(hiddenHeader, "藏干", kLabelWidth);
    for (std::string_view position : kBranchPositions) {
        appendPadded(hiddenHeader, position, 3 * kCellWidth);
    }
    while (hiddenHeader.back() == ' ') {
        hiddenHeader.pop_back();
    }
    lines.push_back(std::move(hiddenHeader));
    appendFactRows(lines, indent, hidden.slots);
    return lines;
}

void printChartTables(std::ostream& out, const ChartTable& chart, const HiddenStemTable& hidden,
                      bool json) {
    if (json) {
        out << chartTablesJson(chart, hidden).dump() << '\n';
        return;
    }
    for (const std::string& line : chartTablesLines(chart, hidden)) {
        out << line << '\n';
    }
}

} // namespace bazi::cli

#pragma once
// The chart tables of a moment as the command line shows them: an aligned text
// table, or JSON.

#include "chart/chart_tables.h"

#include <nlohmann/json.hpp>

#include <iosfwd>
#include <string>
#include <vector>

namespace bazi::cli {

/// {"cells": [{"position": "年干", "character": "丙", "element": "火", "tenGod": "劫财",
/// "ordinal": 3}, ...8], "hiddenStems": [{"branch": "年支", "slot": 1, "character": ...,
/// "element": ..., "tenGod": ..., "ordinal": ...}, ...12]}. Unfilled slots keep "" and 0.
[[nodiscard]] nlohmann::ordered_json chartTablesJson(const ChartTable& chart,
                                                     const HiddenStemTable& hidden);

/// The two tables as text lines aligned for a terminal (a Chinese character is
/// two columns wide), each starting with `indent`; "-" stands for an empty text.
[[nodiscard]] std::vector<std::string> chartTablesLines(const ChartTable& chart,
                                                        const HiddenStemTable& hidden,
                                                        std::string_view indent = "");

/// Writes the text lines, or the JSON object on one line, each ending in a line feed.
void printChartTables(std::ostream& out, const ChartTable& chart, const HiddenStemTable& hidden,
                      bool json);

} // namespace bazi::cli

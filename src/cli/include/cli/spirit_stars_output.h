#pragma once
// The spirit stars of a chart as the command line shows them: per pillar, the
// stars standing there in the order of the form's spirit-star list.

#include "chart/spirit_stars.h"

#include <nlohmann/json.hpp>

#include <string>

namespace bazi::cli {

/// {"年柱": ["天乙贵人", "天医"], "月柱": [], "日柱": [...], "时柱": [...]}: every
/// pillar key is present, year first; a pillar without a star has an empty list.
[[nodiscard]] nlohmann::ordered_json spiritStarsJson(const ChartIndices& chart, bool female);

/// The same object appended as JSON text to `out`, without building a JSON value:
/// a chart series writes it on hundreds of thousands of lines.
void appendSpiritStarsJson(std::string& out, const ChartIndices& chart, bool female);

/// One text line: "神煞  年柱 天乙贵人、天医  月柱 -  日柱 将星  时柱 -"
/// ("-" for a pillar without a star).
[[nodiscard]] std::string spiritStarsLine(const ChartIndices& chart, bool female);

} // namespace bazi::cli

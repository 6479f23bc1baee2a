#include "cli/spirit_stars_output.h"

#include <cstddef>

namespace bazi::cli {

nlohmann::ordered_json spiritStarsJson(const ChartIndices& chart, bool female) {
    const auto names = starNamesByPillar(chart, female);
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    for (std::size_t p = 0; p < 4; ++p) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const std::string_view name : names[p])
            list.push_back(std::string(name));
        object[std::string(kPillarCaptions[p])] = std::move(list);
    }
    return object;
}

void appendSpiritStarsJson(std::string& out, const ChartIndices& chart, bool female) {
    // Star names and pillar captions are plain Chinese text: nothing to escape.
    const auto names = starNamesByPillar(chart, female);
    out += '{';
    for (std::size_t p = 0; p < 4; ++p) {
        if (p > 0)
            out += ", ";
        out += '"';
        out += kPillarCaptions[p];
        out += "\": [";
        for (std::size_t i = 0; i < names[p].size(); ++i) {
            if (i > 0)
                out += ", ";
            out += '"';
            out += names[p][i];
            out += '"';
        }
        out += ']';
    }
    out += '}';
}

std::string spiritStarsLine(const ChartIndices& chart, bool female) {
    const auto names = starNamesByPillar(chart, female);
    std::string line = "神煞";
    for (std::size_t p = 0; p < 4; ++p) {
        line += "  ";
        line += kPillarCaptions[p];
        line += ' ';
        if (names[p].empty())
            line += '-';
        for (std::size_t i = 0; i < names[p].size(); ++i) {
            if (i > 0)
                line += "、";
            line += names[p][i];
        }
    }
    return line;
}

} // namespace bazi::cli

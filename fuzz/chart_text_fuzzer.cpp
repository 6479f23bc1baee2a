// Chart texts to cycle indexes, and the spirit stars read from them, on
// arbitrary text: every index is a cycle index or 0, a text read whole reads
// the same without its spaces, and no star stands at a missing pillar.
#include "fuzz_check.h"

#include "chart/spirit_stars.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using bazi::fuzz::require;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const bazi::ChartIndices indices = bazi::chartIndicesOfText(text);
    bool whole = true;
    for (const int index : indices) {
        require(index >= 0 && index <= 60, "a cycle index or 0");
        whole = whole && index != 0;
    }
    if (whole) {
        std::string unspaced;
        for (const char c : text)
            if (c != ' ')
                unspaced += c;
        require(bazi::chartIndicesOfText(unspaced) == indices, "spaces do not matter");
    }
    for (const bool female : {false, true}) {
        const auto names = bazi::starNamesByPillar(indices, female);
        for (std::size_t p = 0; p < names.size(); ++p) {
            require(indices[p] != 0 || names[p].empty(), "no star at a missing pillar");
            require(names[p].size() <= bazi::kSpiritStarCount, "at most every star at a pillar");
        }
    }
    return 0;
}

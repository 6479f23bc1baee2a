#pragma once
// Reading texts of the chart primitives library character by character.

#include "utf8/utf8.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace bazi::detail {

inline constexpr std::string_view kFullWidthSpace = "\u3000";

// The first `N` characters of `text` after dropping every ASCII and full-width
// space; positions past the end of the text get "". A character cut off by the
// end of the text is what is left of it.
template <std::size_t N>
[[nodiscard]] constexpr std::array<std::string_view, N> charactersOf(std::string_view text) {
    std::array<std::string_view, N> out{};
    std::size_t filled = 0;
    std::size_t pos = 0;
    while (pos < text.size() && filled < N) {
        const std::string_view c =
            text.substr(pos, utf8LengthOfLead(static_cast<unsigned char>(text[pos])));
        pos += c.size();
        if (c != " " && c != kFullWidthSpace)
            out[filled++] = c;
    }
    return out;
}

// The one to three characters of a branch's hidden-stem text; nullopt when the
// text splits otherwise (a library that broke its contract): none, more than
// three, or anything between them.
[[nodiscard]] constexpr std::optional<std::array<std::string_view, 3>>
hiddenStemCharacters(std::string_view text) {
    const std::array<std::string_view, 4> stems = charactersOf<4>(text);
    const bool wellFormed = !stems[0].empty() && stems[3].empty() &&
                            stems[0].size() + stems[1].size() + stems[2].size() == text.size();
    if (!wellFormed)
        return std::nullopt;
    return std::array<std::string_view, 3>{stems[0], stems[1], stems[2]};
}

} // namespace bazi::detail

#pragma once
// The five elements (五行), in the order the form lists them: 金 水 木 火 土.

#include <array>
#include <cstdint>
#include <string_view>

namespace bazi {

inline constexpr std::array<std::string_view, 5> kElementNames = {"金", "水", "木", "火", "土"};

/// An element: 金 (0), 水 (1), 木 (2), 火 (3), 土 (4). A default Element is none.
struct Element {
    std::int8_t index = -1;

    constexpr Element() = default;
    constexpr explicit Element(int i) : index(i >= 0 && i < 5 ? static_cast<std::int8_t>(i) : -1) {}
    [[nodiscard]] constexpr bool ok() const { return index >= 0 && index < 5; }
    friend constexpr auto operator<=>(Element, Element) = default;
};

/// "金" .. "土"; empty for none.
[[nodiscard]] constexpr std::string_view elementText(Element e) {
    return e.ok() ? kElementNames[static_cast<std::size_t>(e.index)] : std::string_view{};
}

/// The element written as one character; none for any other text.
[[nodiscard]] constexpr Element elementOfText(std::string_view text) {
    for (std::size_t i = 0; i < kElementNames.size(); ++i)
        if (kElementNames[i] == text)
            return Element(static_cast<int>(i));
    return {};
}

} // namespace bazi

#pragma once
// The ten gods (十神): how a stem or branch stands to the day stem, in the order
// the form lists them.

#include <array>
#include <cstdint>
#include <string_view>

namespace bazi {

inline constexpr std::array<std::string_view, 10> kTenGodNames = {
    "正印", "偏印", "正官", "偏官", "正财", "偏财", "伤官", "食神", "比肩", "劫财"};

/// A ten-god: 正印 (0) .. 劫财 (9) as kTenGodNames lists them. A default TenGod is none.
struct TenGod {
    std::int8_t index = -1;

    constexpr TenGod() = default;
    constexpr explicit TenGod(int i) : index(i >= 0 && i < 10 ? static_cast<std::int8_t>(i) : -1) {}
    [[nodiscard]] constexpr bool ok() const { return index >= 0 && index < 10; }
    friend constexpr auto operator<=>(TenGod, TenGod) = default;
};

/// "正印" .. "劫财"; empty for none.
[[nodiscard]] constexpr std::string_view tenGodText(TenGod t) {
    return t.ok() ? kTenGodNames[static_cast<std::size_t>(t.index)] : std::string_view{};
}

/// The ten-god of its name; none for any other text.
[[nodiscard]] constexpr TenGod tenGodOfText(std::string_view text) {
    for (std::size_t i = 0; i < kTenGodNames.size(); ++i)
        if (kTenGodNames[i] == text)
            return TenGod(static_cast<int>(i));
    return {};
}

} // namespace bazi

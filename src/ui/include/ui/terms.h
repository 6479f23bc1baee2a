#pragma once
// The traditional vocabulary as the window shows it, in the language chosen:
// the items of the condition lists (elements, stems, branches, ten-gods, spirit
// stars, positions, counts, reveal options), the solar terms, and the calendar
// texts of the engine (lunar dates, zodiac animals).
//
// The engine's texts are the source texts; translations keep the traditional
// term and add a gloss in English ("比肩 Companion"), or write it in
// traditional characters ("傷官").

#include <QString>

#include <string_view>

namespace bazi::ui {

/// An item of a condition list, or any other traditional term the engine
/// names (a ten-god or element from the chart tables, a spirit star, a
/// pillar). Texts without a translation (digits, ">=2", "-") come back as they are.
[[nodiscard]] QString termText(std::string_view term);

/// The caption of a reveal option or of a row's check box ("透干", "藏干无"):
/// the term alone, in the language's script, as its control is only as wide
/// as the term (its tooltip explains it).
[[nodiscard]] QString captionText(std::string_view term);

/// The name of solar term n (1 小寒 .. 24 冬至); empty outside.
[[nodiscard]] QString solarTermText(int n);

/// A calendar text of the engine (a lunar date line, a lunar month or day
/// name, a zodiac animal) in the script of the chosen language; the words
/// stay Chinese in every language.
[[nodiscard]] QString calendarText(std::string_view engineText);

} // namespace bazi::ui

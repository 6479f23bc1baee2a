#pragma once
// The font of the form. The form is drawn for SimSun at a character height of
// 12 pixels: Chinese characters 12 px wide, Latin letters and digits half that,
// which the column-aligned note texts rely on. Where SimSun is not installed
// the closest CJK font of the system takes its place.

#include <QFont>

namespace bazi::ui {

/// SimSun at 12 px where installed; otherwise the first installed of a list of
/// CJK fonts (a monospaced one with half-width Latin first, as SimSun has);
/// otherwise any font that covers Simplified Chinese.
[[nodiscard]] QFont formFont();

} // namespace bazi::ui

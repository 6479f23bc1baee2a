#pragma once
// The engine's values as the widgets take them, and back: its texts (UTF-8
// std::strings) as QStrings, its dates as QDates. The one place where either
// conversion is written.

#include "calendar/gregorian.h"

#include <QDate>
#include <QString>

#include <string_view>

namespace bazi::ui {

[[nodiscard]] QString toQString(std::string_view utf8);

[[nodiscard]] CivilDate civilFromQDate(QDate date);
[[nodiscard]] QDate qDateFromCivil(CivilDate date);

} // namespace bazi::ui

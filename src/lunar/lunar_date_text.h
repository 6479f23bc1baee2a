#pragma once
// The line the date box shows: "猴年(丙申)二月初八 2016-3-16".

#include "lunar/gregorian.h"

#include <string>
#include <string_view>

namespace bazi {

inline constexpr std::string_view kDefaultLunarDateFormat = "%Y年(%S)%M%D %y-%m-%d";

/// The date written through `format` (%Y animal, %S year pillar, %M lunar month,
/// %D lunar day, %y %m %d Gregorian numbers); an empty format means the default.
[[nodiscard]] std::string lunarDateText(CivilDate date, std::string_view format = {});

} // namespace bazi

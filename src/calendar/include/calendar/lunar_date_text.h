#pragma once
// The line the date box shows: "猴年(丙申)二月初八 2016-3-16".

#include "calendar/gregorian.h"

#include <string>
#include <string_view>

namespace bazi {

inline constexpr std::string_view kDefaultLunarDateFormat = "%Y年(%S)%M%D %y-%m-%d";

/// The date written through `format`, an empty format meaning the default. The
/// placeholders are replaced in this order, every occurrence each, by plain
/// case-sensitive substitution (so %D and %d differ):
///   %Y  zodiac animal of the year pillar ("猴")
///   %S  year pillar ("丙申"), taken at 23:59:59, so the whole day of 立春 carries
///       the new year's pillar while month and day follow the lunar calendar
///   %M  lunar month name: 正月 二月 .. 十月 冬月 腊月, "闰" before a leap month
///   %D  lunar day name: 初一 .. 初十, 十一 .. 十九, 二十, 廿一 .. 廿九, 三十
///   %y %m %d  Gregorian year, month and day, decimal, no leading zeros
/// Outside 1800-01-01 .. 2200-12-31 (and for a date that does not exist) there is
/// no lunar date and no year pillar: %Y %S %M %D become empty and only the
/// Gregorian parts are written, e.g. "年() 2201-1-1" with the default format.
/// The line carries no mark of its own: a front end that shows a date before
/// 1912 marks it as reckoned (isReckonedLunarDate).
[[nodiscard]] std::string lunarDateText(CivilDate date, std::string_view format = {});

} // namespace bazi

#pragma once
// The texts of the reverse lookup: the chart sought, and the verses of the two
// rules that fix a month stem by the year stem and an hour stem by the day stem.

#include "calendar/sexagenary.h"
#include "search/chart_lookup.h"

#include <string>
#include <string_view>

namespace bazi {

/// The chart written with single spaces, "*" for a pillar not known: "丙申 辛卯 丁酉 *".
[[nodiscard]] std::string chartPatternText(const ChartPattern& chart);

/// The line of the five tigers (五虎遁) for a year stem: "甲己之年丙作首" ..
[[nodiscard]] std::string_view monthStemVerse(Stem yearStem);

/// The line of the five rats (五鼠遁) for a day stem: "甲己还加甲" ..
[[nodiscard]] std::string_view hourStemVerse(Stem dayStem);

} // namespace bazi

#pragma once
// A chart as the reverse lookup takes it: four pillars, year to hour, written
// apart ("丙申 辛卯 丁酉 辛亥") or together ("丙申辛卯丁酉辛亥"), "*" for one not known.

#include "search/chart_lookup.h"

#include <string>
#include <string_view>

namespace bazi::cli {

/// The chart written in `text`. Throws InputError when it is not four pillars or
/// "*", when a pair is not one of the sixty pillars (naming it), and when a
/// month pillar cannot stand in its year or an hour pillar on its day (naming
/// the rule and the pillars that can stand there). `lateZiSameDay` accepts the
/// following day's 子 hour pillar as a 子 hour (the same-day late 子).
[[nodiscard]] ChartPattern parseChart(std::string_view text, bool lateZiSameDay = false);

} // namespace bazi::cli

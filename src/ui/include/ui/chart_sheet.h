#pragma once
// The chart of one moment as the chart view shows it: the four pillars, the
// element and ten-god of every character and hidden stem, the spirit stars at
// each pillar, the lunar date, and the solar term in force and the next one.
//
// chartSheetOf gathers the facts from the engine in one place; the texts
// (shown, copied, printed) are made from the gathered value.

#include "calendar/four_pillars.h"
#include "calendar/gregorian.h"
#include "calendar/lunar_calendar.h"
#include "calendar/solar_terms.h"
#include "chart/chart_facts.h"

#include <QString>

#include <optional>

namespace bazi::ui {

/// How a chart is read: the boxes "亥子巳午阴阳置换" and "女命" of the run.
struct ChartOptions {
    bool swap = false;
    bool female = false;
    friend bool operator==(const ChartOptions&, const ChartOptions&) = default;
};

struct ChartSheet {
    CivilDateTime moment;
    ChartOptions options;
    ChartFacts facts; // pillars, characters, hidden stems, elements, ten-gods, stars
    std::optional<LunarDate> lunar;
    std::optional<TermRef> termInForce, nextTerm;
    CivilDateTime termInForceMoment, nextTermMoment;
};

/// Gathers the chart of `moment`: its ChartFacts, lunar date and solar terms.
/// Throws chartlib::MissingFunctionError when the chart primitives library
/// cannot be used.
[[nodiscard]] ChartSheet chartSheetOf(CivilDateTime moment, ChartOptions options);

/// The sheet as plain text, one fact per line and the pillar table with tabs
/// between its columns: what "复制" puts on the clipboard.
[[nodiscard]] QString chartSheetText(const ChartSheet& sheet);

/// The sheet as HTML for the view and for printing.
[[nodiscard]] QString chartSheetHtml(const ChartSheet& sheet);

} // namespace bazi::ui

#pragma once
// The chart of one moment as the chart view shows it: the four pillars, the
// element and ten-god of every character and hidden stem, the spirit stars at
// each pillar, the lunar date, and the solar term in force and the next one;
// the time basis it is read on, what the day and hour pillars follow, and for
// a single moment the cuts within ten minutes with the chart on their other
// side (the boundary warning).
//
// chartSheetOf gathers the facts from the engine in one place; the texts
// (shown, copied, printed) are made from the gathered value.

#include "basis/pillar_cuts.h"
#include "basis/time_basis.h"
#include "calendar/four_pillars.h"
#include "calendar/gregorian.h"
#include "calendar/lunar_calendar.h"
#include "calendar/solar_terms.h"
#include "chart/chart_facts.h"
#include "form/form_state.h"

#include <QString>

#include <optional>
#include <vector>

namespace bazi::ui {

/// How a chart is read: the boxes "亥子巳午阴阳置换" and "女命" of the run.
struct ChartOptions {
    bool swap = false;
    bool female = false;
    friend bool operator==(const ChartOptions&, const ChartOptions&) = default;
};

/// The options a form's two boxes choose.
[[nodiscard]] ChartOptions chartOptionsOf(const FormState& form);

struct ChartSheet {
    CivilDateTime moment; // on the basis's clock
    ChartOptions options;
    ChartFacts facts;               // pillars, characters, hidden stems, elements, ten-gods, stars
    std::optional<LunarDate> lunar; // of the clock's date
    std::optional<TermRef> termInForce, nextTerm;
    ClockTime termInForceMoment, nextTermMoment; // on the basis's clock
    TimeBasis basis;
    BasisChart chart; // the instant, its clock time and offset, the reading
    /// Whether the sheet is of a single moment, whose boundary warning it carries.
    bool single = false;
    std::vector<NearCut> near; // the cuts within kDefaultNearMinutes, oldest first
};

/// Gathers the chart of the instant `t` on `basis`: its ChartFacts, lunar date,
/// solar terms and, for a single moment, the cuts near it. Throws
/// chartlib::MissingFunctionError when the chart primitives library cannot be
/// used.
[[nodiscard]] ChartSheet chartSheetOf(Instant t, const TimeBasis& basis, ChartOptions options,
                                      bool single);

/// The same for a moment of the calendar's own clock and basis, without the
/// boundary warning.
[[nodiscard]] ChartSheet chartSheetOf(CivilDateTime moment, ChartOptions options);

/// The sheet's heading: "2016-03-16 22:00:00 的八字".
[[nodiscard]] QString chartSheetTitle(const ChartSheet& sheet);

/// The sheet as plain text, one fact per line and the pillar table with tabs
/// between its columns: what "复制" puts on the clipboard.
[[nodiscard]] QString chartSheetText(const ChartSheet& sheet);

/// The sheet as HTML for the view and for printing.
[[nodiscard]] QString chartSheetHtml(const ChartSheet& sheet);

} // namespace bazi::ui

#pragma once
// The query behind "推算": the 36 two-hour moments of the reference date and the
// two days before it, newest first, each tested against every set condition row.
// The result is data; the front ends write its texts.

#include "calendar/calendar_range.h"
#include "calendar/four_pillars.h"
#include "calendar/gregorian.h"
#include "calendar/lunar_calendar.h"
#include "conditions/conditions.h"
#include "form/form_state.h"

#include <functional>
#include <optional>
#include <vector>

namespace bazi {

/// First and last reference dates whose whole three-day window the calendar
/// covers: 1800-01-03 (window from 1800-01-01 00:00) to 2200-12-31.
inline constexpr CivilDate kFirstQueryDate =
    stepDay(stepDay(kCalendarFirstMoment.date, StepDirection::forward), StepDirection::forward);
inline constexpr CivilDate kLastQueryDate = kCalendarLastMoment.date;
static_assert(kFirstQueryDate == CivilDate{1800, 1, 3});

[[nodiscard]] constexpr bool isQueryDateInRange(CivilDate d) {
    return d.ok() && d >= kFirstQueryDate && d <= kLastQueryDate;
}

/// A moment that satisfies every set row: its four pillars and lunar date.
struct QueryMatch {
    CivilDateTime moment;
    PillarIndices pillars;
    LunarDate lunar;
    friend bool operator==(const QueryMatch&, const QueryMatch&) = default;
};

/// How a run ended: no row was set (nothing examined), nothing matched, or matches.
enum class QueryOutcome { noCondition, noMatch, matches };

/// What a run found.
struct QueryResult {
    int conditionCount = 0;          // set value boxes over all 48 rows
    std::vector<QueryMatch> matches; // newest moment first
    QueryOutcome outcome = QueryOutcome::noCondition;

    [[nodiscard]] int matchCount() const { return static_cast<int>(matches.size()); }
};

/// The outcome of a run with this many set rows and matches.
[[nodiscard]] constexpr QueryOutcome outcomeOf(int conditionCount, int matchCount) {
    if (conditionCount == 0)
        return QueryOutcome::noCondition;
    return matchCount > 0 ? QueryOutcome::matches : QueryOutcome::noMatch;
}

/// The 36 moments of the window ending at 22:00 of `date`, newest first.
[[nodiscard]] std::vector<CivilDateTime> queryMoments(CivilDate date);

/// The pillars and lunar date of one moment of the window, given as a clock time;
/// nothing for a clock time that never was (skipped when clocks were put forward).
using WindowChartSource = std::function<std::optional<QueryMatch>(CivilDateTime)>;

/// The window's moments on the calendar's own basis: the moment's pillars and
/// the lunar date of its date.
[[nodiscard]] std::optional<QueryMatch> calendarChartOf(CivilDateTime moment);

/// Runs the query: captures the form's conditions, and unless none is set
/// lists every moment of the window that satisfies all of them, newest first.
/// Throws std::out_of_range when the form's date is outside
/// kFirstQueryDate..kLastQueryDate, and chartlib::MissingFunctionError when the
/// chart primitives library cannot be used.
[[nodiscard]] QueryResult runQuery(const FormState& form);

/// The same query with the charts of the window's moments taken from `chartOf`
/// (a time basis other than the calendar's); a moment without a chart is left
/// out. Throws as runQuery(form).
[[nodiscard]] QueryResult runQuery(const FormState& form, const WindowChartSource& chartOf);

} // namespace bazi

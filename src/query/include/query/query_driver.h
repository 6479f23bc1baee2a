#pragma once
// The query behind "推算": the 36 two-hour moments of the reference date and the
// two days before it, newest first, each tested against every set condition row.
// The result is data; the front ends write its texts.

#include "calendar/four_pillars.h"
#include "calendar/gregorian.h"
#include "calendar/lunar_calendar.h"
#include "calendar/moment_chart.h"
#include "chart/chart_tables.h"
#include "conditions/condition_model.h"
#include "form/form_state.h"

#include <vector>

namespace bazi {

/// First and last reference dates whose whole three-day window the calendar covers.
inline constexpr CivilDate kFirstQueryDate{1901, 2, 21};
inline constexpr CivilDate kLastQueryDate{2048, 12, 31};

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

/// The condition rows of a form, read once when a query starts.
struct QueryConditions {
    int conditionCount = 0;            // set value boxes over all 48 rows (countSetRows)
    std::vector<ConditionRow> setRows; // the set rows in evaluation order
    int swapFlag = 1;                  // from "亥子巳午阴阳置换" (swapFlagOf)
};

/// The conditions of `form` as a query evaluates them.
[[nodiscard]] QueryConditions captureConditions(const FormState& form);

/// Does a moment with these chart tables satisfy one set row. The rows of the
/// eight groups (the seven condition boxes, then the 神煞 rows) each run their
/// own checks.
[[nodiscard]] bool rowSatisfied(const ConditionRow& row, const ChartTable& chart,
                                const HiddenStemTable& hidden);

/// Does the moment satisfy every set row: its chart tables are formed (with the
/// form's swap flag) and the rows evaluated in order; the moment matches when
/// the number of satisfied rows equals the condition count. Precondition: the
/// chart's four pillars are filled.
[[nodiscard]] bool momentMatches(const QueryConditions& conditions, const MomentChart& chart);

/// The 36 moments of the window ending at 22:00 of `date`, newest first.
[[nodiscard]] std::vector<CivilDateTime> queryMoments(CivilDate date);

/// Runs the query: captures the form's conditions, and unless none is set
/// lists every moment of the window that satisfies all of them, newest first.
/// Throws std::out_of_range when the form's date is outside
/// kFirstQueryDate..kLastQueryDate, and chartlib::MissingFunctionError when the
/// chart primitives library cannot be used.
[[nodiscard]] QueryResult runQuery(const FormState& form);

} // namespace bazi

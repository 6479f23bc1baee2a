#pragma once
// The query behind "推算": the 36 two-hour moments of the reference date and the
// two days before it, newest first, each tested against every set condition row.

#include "chart/chart_tables.h"
#include "conditions/condition_model.h"
#include "form/form_state.h"
#include "calendar/gregorian.h"
#include "calendar/moment_chart.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace bazi {

/// First and last reference dates whose whole three-day window the calendar covers.
inline constexpr CivilDate kFirstQueryDate{1901, 2, 21};
inline constexpr CivilDate kLastQueryDate{2048, 12, 31};

[[nodiscard]] constexpr bool isQueryDateInRange(CivilDate d) {
    return d.ok() && d >= kFirstQueryDate && d <= kLastQueryDate;
}

/// One line of the result grid.
struct ResultRow {
    CivilDateTime moment;
    std::string gregorian; // 公历时间: "2016年3月16日22时"
    std::string lunar;     // 农历时间: "2016年 2月 初8"
    std::string chart;     // 八字: "丙申 辛卯 丁酉 辛亥"
};

/// Everything a run shows: grid rows, the two labels and the outcome.
struct QueryResult {
    int conditionCount = 0;
    int matchCount = 0;
    std::vector<ResultRow> rows;        // grid order, newest moment first
    std::string status;                 // 标签18: "查询列表完毕！"
    std::string summary;                // 标签19: "条件数：N  符合数：M"
    std::optional<std::string> message; // "未设置条件！" or the no-match message
    bool showResultPage = false;        // page "查询结果" brought to the front
};

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
/// lists every moment of the window that satisfies all of them, newest first;
/// then the status, summary and outcome. Throws std::out_of_range when the form's date is outside
/// kFirstQueryDate..kLastQueryDate, and chartlib::MissingFunctionError when the
/// chart primitives library cannot be used.
[[nodiscard]] QueryResult runQuery(const FormState& form);

/// The chart of one moment of the window, a clock time; nothing for a clock
/// time that never was (skipped when clocks were put forward).
using MomentChartSource = std::function<std::optional<MomentChart>(CivilDateTime)>;

/// The same query with the charts of the window's moments taken from `chartOf`
/// (a time basis other than the calendar's); a moment without a chart is left
/// out. Throws as runQuery(form).
[[nodiscard]] QueryResult runQuery(const FormState& form, const MomentChartSource& chartOf);

} // namespace bazi

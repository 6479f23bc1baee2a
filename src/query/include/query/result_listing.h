#pragma once
// What a query shows, as data: the texts of the result grid's three columns,
// the status and summary labels, and the outcome (the result page, or one of
// two messages). The desktop form and the command line present a QueryResult.

#include "calendar/gregorian.h"
#include "calendar/moment_chart.h"
#include "query/query_driver.h"

#include <array>
#include <string>
#include <string_view>

namespace bazi {

/// Headers of the grid's columns 0, 1, 2.
inline constexpr std::array<std::string_view, 3> kResultHeaders = {"公历时间", "农历时间", "八字"};
/// Width in pixels of each grid column after a run.
inline constexpr int kResultColumnWidth = 120;

/// The status label while a query runs and after it.
inline constexpr std::string_view kProgressStatus = "前三天查询中。。。";
inline constexpr std::string_view kFinishedStatus = "查询列表完毕！";
/// The outcome messages (message boxes on the form).
inline constexpr std::string_view kNoConditionMessage = "未设置条件！";
inline constexpr std::string_view kNoMatchMessage = "指定时间内没有找到符合条件的八字或条件冲突！";

/// "2016年3月16日22时": the date, then "%d时%d分%d秒" when the seconds are not
/// zero, else "%d时%d分" when the minutes are not, else "%d时" when the hour is
/// not; midnight gives the date alone.
[[nodiscard]] std::string dateTimeText(CivilDateTime t);

/// "条件数：3  符合数：5" (two spaces before the second part).
[[nodiscard]] std::string summaryText(int conditionCount, int matchCount);

/// The grid line of a matching moment.
[[nodiscard]] ResultRow resultRowOf(const MomentChart& chart);

/// A result before the first moment: no rows, the progress status.
[[nodiscard]] QueryResult prepareResultGrid();

/// Lists a matching moment below the earlier ones and counts it.
void appendMatchRow(QueryResult& result, const MomentChart& chart);

/// Closes a run: the finished status, the summary, and the outcome: with no
/// condition the message "未设置条件！"; with matches the result page; else the
/// no-match message.
void showSummary(QueryResult& result, int conditionCount);

} // namespace bazi

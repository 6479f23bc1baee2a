#pragma once
// The texts of a query's result as the form shows them: the result grid's
// columns and lines, the status and summary labels, the outcome messages.
// The command line writes them as they are; the window uses them as the
// source texts of its translations.

#include "calendar/gregorian.h"
#include "calendar/lunar_calendar.h"
#include "calendar/moment_chart.h"
#include "calendar/four_pillars.h"
#include "query/query_driver.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace bazi {

/// Headers of the grid's columns 0, 1, 2.
inline constexpr std::array<std::string_view, 3> kResultHeaders = {"公历时间", "农历时间", "八字"};
/// The status label while a query runs and after it.
inline constexpr std::string_view kProgressStatus = "前三天查询中。。。";
inline constexpr std::string_view kFinishedStatus = "查询列表完毕！";
/// The outcome messages (message boxes on the form).
inline constexpr std::string_view kNoConditionMessage = "未设置条件！";
inline constexpr std::string_view kNoMatchMessage = "指定时间内没有找到符合条件的八字或条件冲突！";
/// The page brought to the front when a run finds matches.
inline constexpr std::string_view kResultPageName = "查询结果";

/// "2016年3月16日22时": the date, then "%d时%d分%d秒" when the seconds are not
/// zero, else "%d时%d分" when the minutes are not, else "%d时" when the hour is
/// not; midnight gives the date alone.
[[nodiscard]] std::string dateTimeText(CivilDateTime t);

/// The four pillars joined by single spaces: "丙申 辛卯 丁酉 辛亥".
[[nodiscard]] std::string spacedPillarsText(const PillarIndices& pillars);

/// "条件数：3  符合数：5" (two spaces before the second part).
[[nodiscard]] std::string summaryText(int conditionCount, int matchCount);

/// The message a run ends with: "未设置条件！", the no-match message, or none.
[[nodiscard]] std::optional<std::string_view> outcomeMessage(QueryOutcome outcome);

/// One line of the result grid.
struct ResultRow {
    CivilDateTime moment;
    std::string gregorian; // 公历时间: "2016年3月16日22时"
    std::string lunar;     // 农历时间: "2016年 2月 初8"
    std::string chart;     // 八字: "丙申 辛卯 丁酉 辛亥"
};

/// The grid line of a match.
[[nodiscard]] ResultRow resultRowOf(const QueryMatch& match);

/// Columns a text takes on a terminal: a CJK character two, anything else one
/// (a malformed byte counts as one character).
[[nodiscard]] std::size_t displayWidth(std::string_view text);

/// `text` followed by blanks up to `width` columns (nothing added when it is wider).
[[nodiscard]] std::string padToWidth(std::string_view text, std::size_t width);

} // namespace bazi

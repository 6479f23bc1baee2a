#include "query/result_listing.h"

namespace bazi {

std::string dateTimeText(CivilDateTime t) {
    using std::to_string;
    std::string text = to_string(t.date.year) + "年" + to_string(t.date.month) + "月" +
                       to_string(t.date.day) + "日";
    if (t.second != 0)
        text += to_string(t.hour) + "时" + to_string(t.minute) + "分" + to_string(t.second) + "秒";
    else if (t.minute != 0)
        text += to_string(t.hour) + "时" + to_string(t.minute) + "分";
    else if (t.hour != 0)
        text += to_string(t.hour) + "时";
    return text;
}

std::string summaryText(int conditionCount, int matchCount) {
    return "条件数：" + std::to_string(conditionCount) + "  符合数：" + std::to_string(matchCount);
}

ResultRow resultRowOf(const MomentChart& chart) {
    return ResultRow{chart.moment, dateTimeText(chart.moment), lunarTimeText(chart),
                     chart.spacedChartText()};
}

QueryResult prepareResultGrid() {
    QueryResult result;
    result.status = kProgressStatus;
    return result;
}

void appendMatchRow(QueryResult& result, const MomentChart& chart) {
    result.rows.push_back(resultRowOf(chart));
    result.matchCount = static_cast<int>(result.rows.size());
}

void showSummary(QueryResult& result, int conditionCount) {
    result.conditionCount = conditionCount;
    result.status = kFinishedStatus;
    result.summary = summaryText(conditionCount, result.matchCount);
    result.message.reset();
    result.showResultPage = false;
    if (conditionCount == 0)
        result.message = std::string(kNoConditionMessage);
    else if (result.matchCount > 0)
        result.showResultPage = true;
    else
        result.message = std::string(kNoMatchMessage);
}

} // namespace bazi

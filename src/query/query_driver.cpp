#include "query/query_driver.h"

#include "conditions/branch_group.h"
#include "conditions/element_chart_group.h"
#include "conditions/element_hidden_group.h"
#include "conditions/hidden_stem_group.h"
#include "conditions/spirit_star_group.h"
#include "conditions/stem_group.h"
#include "conditions/ten_god_chart_group.h"
#include "conditions/ten_god_hidden_group.h"
#include "query/result_listing.h"

#include <array>
#include <stdexcept>

namespace bazi {
namespace {

using RowCheck = bool (*)(const ConditionRow&, const ChartTable&, const HiddenStemTable&);

// GroupTable: the checks of each group box, in evaluation order (GroupId order).
struct GroupEntry {
    GroupId id;
    RowCheck rowSatisfied;
};
// clang-format off
constexpr std::array<GroupEntry, 8> kGroupTable = {{
    {GroupId::elementChart,  &ElementChartGroup::rowSatisfied},
    {GroupId::elementHidden, &ElementHiddenGroup::rowSatisfied},
    {GroupId::stem,          &StemGroup::rowSatisfied},
    {GroupId::branch,        &BranchGroup::rowSatisfied},
    {GroupId::hiddenStem,    &HiddenStemGroup::rowSatisfied},
    {GroupId::tenGodChart,   &TenGodChartGroup::rowSatisfied},
    {GroupId::tenGodHidden,  &TenGodHiddenGroup::rowSatisfied},
    {GroupId::spiritStar,    &SpiritStarGroup::rowSatisfied},
}};
// clang-format on

constexpr bool groupTableInGroupOrder() {
    for (std::size_t k = 0; k < kGroupTable.size(); ++k)
        if (static_cast<std::size_t>(kGroupTable[k].id) != k)
            return false;
    return true;
}
static_assert(groupTableInGroupOrder(), "kGroupTable is indexed by GroupId");

} // namespace

QueryConditions captureConditions(const FormState& form) {
    QueryConditions c;
    c.conditionCount = countSetRows(form);
    c.setRows = captureSetRows(form);
    c.swapFlag = swapFlagOf(form.isChecked(kSwapCheckBox));
    return c;
}

bool rowSatisfied(const ConditionRow& row, const ChartTable& chart, const HiddenStemTable& hidden) {
    const auto group = static_cast<std::size_t>(row.group);
    return group < kGroupTable.size() && kGroupTable[group].rowSatisfied(row, chart, hidden);
}

bool momentMatches(const QueryConditions& conditions, const MomentChart& chart) {
    const ChartTable table = fillChartTable(chart.chartText(), conditions.swapFlag);
    const HiddenStemTable hidden = fillHiddenStemTable(table, conditions.swapFlag);
    // Rows are ANDed: once one fails the moment cannot match, so the rest are
    // not evaluated (no check has a side effect).
    int satisfied = 0;
    for (const ConditionRow& row : conditions.setRows) {
        if (!rowSatisfied(row, table, hidden))
            break;
        ++satisfied;
    }
    return satisfied == conditions.conditionCount;
}

std::vector<CivilDateTime> queryMoments(CivilDate date) {
    const CivilDateTime base{date, 22, 0, 0};
    std::vector<CivilDateTime> moments;
    moments.reserve(36);
    for (int slot = 1; slot <= 36; ++slot)
        moments.push_back(addHours(base, 2 - 2 * slot));
    return moments;
}

QueryResult runQuery(const FormState& form) {
    if (!isQueryDateInRange(form.date))
        throw std::out_of_range("reference date outside 1901-02-21 .. 2048-12-31");
    QueryResult result = prepareResultGrid();
    const QueryConditions conditions = captureConditions(form);
    if (conditions.conditionCount > 0) {
        MomentChart chart;
        for (const CivilDateTime moment : queryMoments(form.date)) {
            formMomentChart(chart, moment);
            if (momentMatches(conditions, chart))
                appendMatchRow(result, chart);
        }
    }
    showSummary(result, conditions.conditionCount);
    return result;
}

QueryResult runQuery(const FormState& form, const MomentChartSource& chartOf) {
    if (!isQueryDateInRange(form.date))
        throw std::out_of_range("reference date outside 1901-02-21 .. 2048-12-31");
    QueryResult result = prepareResultGrid();
    const QueryConditions conditions = captureConditions(form);
    if (conditions.conditionCount > 0)
        for (const CivilDateTime moment : queryMoments(form.date))
            if (const std::optional<MomentChart> chart = chartOf(moment))
                if (momentMatches(conditions, *chart))
                    appendMatchRow(result, *chart);
    showSummary(result, conditions.conditionCount);
    return result;
}

} // namespace bazi

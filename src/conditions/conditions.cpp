#include "conditions/conditions.h"

#include "conditions/branch_group.h"
#include "conditions/element_chart_group.h"
#include "conditions/element_hidden_group.h"
#include "conditions/hidden_stem_group.h"
#include "conditions/spirit_star_group.h"
#include "conditions/stem_group.h"
#include "conditions/ten_god_chart_group.h"
#include "conditions/ten_god_hidden_group.h"

#include <algorithm>
#include <array>
#include <utility>

namespace bazi {
namespace {

using RowCheckFn = bool (*)(const ConditionRow&, const ChartFacts&);
using RowEvaluationFn = RowEvaluation (*)(const ConditionRow&, const ChartFacts&);

// GroupTable: the checks of each group box, in evaluation order (GroupId order).
struct GroupEntry {
    GroupId id;
    RowCheckFn satisfied;
    RowEvaluationFn evaluate;
};
template <class Group> constexpr GroupEntry entry(GroupId id) {
    return {id, &rowSatisfiedBy<Group>, &evaluateRowOf<Group>};
}
// clang-format off
constexpr std::array<GroupEntry, 8> kGroupTable = {{
    entry<ElementChartGroup>(GroupId::elementChart),
    entry<ElementHiddenGroup>(GroupId::elementHidden),
    entry<StemGroup>(GroupId::stem),
    entry<BranchGroup>(GroupId::branch),
    entry<HiddenStemGroup>(GroupId::hiddenStem),
    entry<TenGodChartGroup>(GroupId::tenGodChart),
    entry<TenGodHiddenGroup>(GroupId::tenGodHidden),
    entry<SpiritStarGroup>(GroupId::spiritStar),
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

Conditions captureConditions(const FormState& form) {
    std::vector<ConditionRow> rows = captureSetRows(form);
    const auto count = static_cast<int>(rows.size()); // the rows a value is chosen in
    return Conditions{count, std::move(rows)};
}

bool rowSatisfied(const ConditionRow& row, const ChartFacts& facts) {
    const auto group = static_cast<std::size_t>(row.group);
    return group < kGroupTable.size() && kGroupTable[group].satisfied(row, facts);
}

RowEvaluation evaluateRow(const ConditionRow& row, const ChartFacts& facts) {
    const auto group = static_cast<std::size_t>(row.group);
    return group < kGroupTable.size() ? kGroupTable[group].evaluate(row, facts)
                                      : failedAt(RowCheck::position);
}

bool satisfiesAll(const Conditions& conditions, const ChartFacts& facts) {
    // No set row is no query: nothing matches it.
    return !conditions.rows.empty() &&
           std::all_of(conditions.rows.begin(), conditions.rows.end(),
                       [&](const ConditionRow& row) { return rowSatisfied(row, facts); });
}

} // namespace bazi

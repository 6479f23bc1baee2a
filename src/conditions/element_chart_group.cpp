#include "conditions/element_chart_group.h"

#include "chartlib/chart_primitives.h"

namespace bazi {
namespace {

constexpr int kStemsPosition = 9;     // "天干"
constexpr int kBranchesPosition = 10; // "地支"

bool isCharacterPosition(int p) {
    return p >= 1 && p <= 8;
}

} // namespace

bool ElementChartGroup::positionTest(const ConditionRow& row, const ChartTable& chart,
                                     const HiddenStemTable&) {
    const int p = row.positionIndex;
    if (row.valueIndex == 1)
        return p >= 0 && p <= 8;
    if (row.valueIndex < 2)
        return false;
    if (p == 0)
        return true;
    if (isCharacterPosition(p))
        return chart.cells[static_cast<std::size_t>(p - 1)].element == row.valueText;
    if (p == kStemsPosition)
        return chartlib::countStemElements(stemElements(chart), row.valueText) != 0;
    if (p == kBranchesPosition)
        return chartlib::countBranchElements(branchElements(chart), row.valueText) != 0;
    return false;
}

std::optional<ElementChartGroup::Find> ElementChartGroup::countTest(const ConditionRow& row,
                                                                    const ChartTable& chart,
                                                                    const HiddenStemTable& hidden) {
    const int p = row.positionIndex;
    CandidateList candidates;
    if (row.valueIndex >= 2)
        candidates.add(row.valueText);
    else if (row.valueIndex == 1 && p == 0)
        candidates.addAll(valuesOf(ItemList::elementValue));
    else if (row.valueIndex == 1 && isCharacterPosition(p))
        candidates.add(chart.cells[static_cast<std::size_t>(p - 1)].element);

    const auto stems = stemElements(chart);
    const auto branches = branchElements(chart);
    const auto slots = slotElements(hidden);
    return firstCandidateMeeting<ElementTally>(
        candidates, row.countRule,
        [&](std::string_view e) {
            return ElementTally{chartlib::countStemElements(stems, e),
                                chartlib::countBranchElements(branches, e),
                                chartlib::countHiddenElements(slots, e)};
        },
        [](const ElementTally& t) { return t.stems + t.branches; });
}

bool ElementChartGroup::revealTest(const ConditionRow& row, const Find& found, const ChartTable&,
                                   const HiddenStemTable&) {
    return revealOptionHolds(row.revealOption, found.tally.stems, found.tally.hidden);
}

bool ElementChartGroup::rowSatisfied(const ConditionRow& row, const ChartTable& chart,
                                     const HiddenStemTable& hidden) {
    return rowSatisfiedBy<ElementChartGroup>(row, chart, hidden);
}

} // namespace bazi

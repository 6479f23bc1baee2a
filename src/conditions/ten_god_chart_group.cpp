#include "conditions/ten_god_chart_group.h"

#include "chartlib/chart_primitives.h"

#include <array>

namespace bazi {
namespace {

constexpr int kStemsPosition = 8;    // "天干"
constexpr int kBranchesPosition = 9; // "地支"

// Chart cells of places 1..7: every character but the day stem (cell 4).
constexpr std::array<std::size_t, 7> kPlaceCells = {0, 1, 2, 3, 5, 6, 7};

bool isPlace(int p) {
    return p >= 1 && p <= 7;
}

const ChartCell& cellAtPlace(const ChartTable& chart, int p) {
    return chart.cells[kPlaceCells[static_cast<std::size_t>(p - 1)]];
}

} // namespace

bool TenGodChartGroup::positionTest(const ConditionRow& row, const ChartTable& chart,
                                    const HiddenStemTable&) {
    const int p = row.positionIndex;
    if (row.valueIndex == 1)
        return p >= 0 && p <= kStemsPosition;
    if (row.valueIndex < 2)
        return false;
    if (p == 0)
        return true;
    if (isPlace(p))
        return cellAtPlace(chart, p).tenGod == row.valueText;
    if (p == kStemsPosition)
        return chartlib::countStemTenGods(outerStemTenGods(chart), row.valueText) != 0;
    if (p == kBranchesPosition)
        return chartlib::countBranchTenGods(branchTenGods(chart), row.valueText) != 0;
    return false;
}

std::optional<TenGodChartGroup::Find> TenGodChartGroup::countTest(const ConditionRow& row,
                                                                  const ChartTable& chart,
                                                                  const HiddenStemTable& hidden) {
    const int p = row.positionIndex;
    const auto& c = chart.cells;
    CandidateList candidates;
    if (row.valueIndex >= 2) {
        candidates.add(row.valueText);
    } else if (row.valueIndex == 1) {
        if (p == 0) {
            candidates.addAll(valuesOf(ItemList::tenGodValue));
        } else if (isPlace(p)) {
            candidates.add(cellAtPlace(chart, p).tenGod);
        } else if (p == kStemsPosition) {
            for (std::size_t k : {0U, 2U, 4U, 6U})
                candidates.add(c[k].tenGod);
        } else if (p == kBranchesPosition) {
            for (std::size_t k : {1U, 3U, 5U, 7U})
                candidates.add(c[k].tenGod);
        }
    }

    const auto stems = outerStemTenGods(chart);
    const auto branches = branchTenGods(chart);
    const auto slots = slotTenGods(hidden);
    return firstCandidateMeeting<TenGodTally>(
        candidates, row.countRule,
        [&](std::string_view name) {
            return TenGodTally{chartlib::countStemTenGods(stems, name),
                               chartlib::countBranchTenGods(branches, name),
                               chartlib::countHiddenTenGods(slots, name)};
        },
        [](const TenGodTally& t) { return t.stems + t.branches; });
}

bool TenGodChartGroup::revealTest(const ConditionRow& row, const Find& found, const ChartTable&,
                                  const HiddenStemTable&) {
    return revealOptionHolds(row.revealOption, found.tally.stems, found.tally.hidden);
}

bool TenGodChartGroup::rowSatisfied(const ConditionRow& row, const ChartTable& chart,
                                    const HiddenStemTable& hidden) {
    return rowSatisfiedBy<TenGodChartGroup>(row, chart, hidden);
}

} // namespace bazi

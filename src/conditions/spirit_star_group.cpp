#include "conditions/spirit_star_group.h"

#include <cstddef>
#include <optional>
#include <string>

namespace bazi {
namespace {

// The pillars of the row's star, or nullopt for a row that names none.
std::optional<StarPillars> starOfRow(const ConditionRow& row, const SpiritStarGroup::Stars& stars) {
    if (!spiritStarOfItem(row.valueIndex))
        return std::nullopt;
    return stars[static_cast<std::size_t>(row.valueIndex - 1)];
}

} // namespace

ChartIndices chartIndicesOf(const ChartTable& chart) {
    std::string text;
    for (const ChartCell& cell : chart.cells) {
        if (cell.character.empty())
            return {};
        text += cell.character;
    }
    return chartIndicesOfText(text);
}

bool SpiritStarGroup::positionTest(const ConditionRow& row, const Stars& stars) {
    const auto star = starOfRow(row, stars);
    if (!star)
        return false;
    if (row.positionIndex == 0)
        return true;
    if (row.positionIndex < 1 || row.positionIndex > 4)
        return false;
    return star->at[static_cast<std::size_t>(row.positionIndex - 1)];
}

bool SpiritStarGroup::countTest(const ConditionRow& row, const Stars& stars) {
    const auto star = starOfRow(row, stars);
    return star && countRule0to6Holds(row.countIndex, star->count());
}

bool SpiritStarGroup::rowSatisfied(const ConditionRow& row, const ChartTable& chart,
                                   const HiddenStemTable& /*hidden*/) {
    if (!spiritStarOfItem(row.valueIndex))
        return false;
    const Stars stars = allStars(chartIndicesOf(chart), row.female);
    return positionTest(row, stars) && countTest(row, stars);
}

} // namespace bazi

#include "conditions/condition_model.h"

#include <charconv>

namespace bazi {
namespace {

// A whole number written in decimal digits only, 0..99.
std::optional<int> smallNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 2)
        return std::nullopt;
    int n = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (ec != std::errc{} || end != digits.data() + digits.size() || digits.front() == '+' ||
        digits.front() == '-')
        return std::nullopt;
    return n;
}

bool isCountList(ItemList list) {
    using enum ItemList;
    return list == count0to4 || list == count0to8 || list == count0to7 || list == count0to6;
}

} // namespace

std::optional<CountRule> countRuleFromText(std::string_view text) {
    using Test = CountRule::Test;
    constexpr std::string_view kNot = "非";
    Test test = Test::equal;
    if (text.starts_with(kNot)) {
        test = Test::notEqual;
        text.remove_prefix(kNot.size());
    } else if (text.starts_with(">=")) {
        test = Test::atLeast;
        text.remove_prefix(2);
    } else if (text.starts_with("<=")) {
        test = Test::atMost;
        text.remove_prefix(2);
    }
    const auto n = smallNumber(text);
    if (!n)
        return std::nullopt;
    return CountRule{test, *n};
}

CountRule countRuleOf(ItemList countList, int index) {
    if (!isCountList(countList))
        return {};
    const auto items = itemsOf(countList);
    if (index < 0 || static_cast<std::size_t>(index) >= items.size())
        return {};
    return countRuleFromText(items[static_cast<std::size_t>(index)]).value_or(CountRule{});
}

ConditionRow captureRow(const FormState& form, GroupId group, int row) {
    const GroupSpec& spec = groupSpec(group);
    const RowNames names = rowNames(group, row);
    ConditionRow r;
    r.group = group;
    r.row = row;
    r.valueIndex = form.selection(names.value);
    r.valueText = form.selectedText(names.value);
    r.positionIndex = form.selection(names.position);
    r.countIndex = form.selection(names.count);
    r.countRule = countRuleOf(spec.countList, r.countIndex);
    if (spec.reveal == RevealKind::checkBox)
        r.revealTicked = form.isChecked(names.checkBox);
    if (spec.reveal == RevealKind::radioSet) {
        for (std::size_t k = 0; k < names.radios.size(); ++k) {
            if (form.isChecked(names.radios[k])) {
                r.revealOption = static_cast<RevealOption>(k);
                break;
            }
        }
    }
    if (group == GroupId::spiritStar)
        r.female = form.isChecked(kFemaleCheckBox);
    return r;
}

std::vector<ConditionRow> captureSetRows(const FormState& form) {
    std::vector<ConditionRow> rows;
    for (const GroupSpec& g : groupSpecs()) {
        for (int row = 1; row <= g.rowCount; ++row) {
            ConditionRow r = captureRow(form, g.id, row);
            if (r.isSet())
                rows.push_back(r);
        }
    }
    return rows;
}

int countSetRows(const FormState& form) {
    int n = 0;
    for (const GroupSpec& g : groupSpecs())
        for (int row = 1; row <= g.rowCount; ++row)
            n += form.selection(rowNames(g.id, row).value) != 0 ? 1 : 0;
    return n;
}

std::array<std::string, 4> stemElements(const ChartTable& chart) {
    const auto& c = chart.cells;
    return {c[0].element, c[2].element, c[4].element, c[6].element};
}

std::array<std::string, 4> branchElements(const ChartTable& chart) {
    const auto& c = chart.cells;
    return {c[1].element, c[3].element, c[5].element, c[7].element};
}

std::array<std::string, 12> slotElements(const HiddenStemTable& hidden) {
    std::array<std::string, 12> out;
    for (std::size_t k = 0; k < out.size(); ++k)
        out[k] = hidden.slots[k].element;
    return out;
}

std::array<std::string, 3> outerStemTenGods(const ChartTable& chart) {
    const auto& c = chart.cells;
    return {c[0].tenGod, c[2].tenGod, c[6].tenGod};
}

std::array<std::string, 4> branchTenGods(const ChartTable& chart) {
    const auto& c = chart.cells;
    return {c[1].tenGod, c[3].tenGod, c[5].tenGod, c[7].tenGod};
}

std::array<std::string, 12> slotTenGods(const HiddenStemTable& hidden) {
    std::array<std::string, 12> out;
    for (std::size_t k = 0; k < out.size(); ++k)
        out[k] = hidden.slots[k].tenGod;
    return out;
}

std::string joinedStems(const ChartTable& chart) {
    const auto& c = chart.cells;
    return c[0].character + c[2].character + c[4].character + c[6].character;
}

std::string joinedBranches(const ChartTable& chart) {
    const auto& c = chart.cells;
    return c[1].character + c[3].character + c[5].character + c[7].character;
}

std::string joinedSlots(const HiddenStemTable& hidden) {
    std::string out;
    for (const ChartCell& slot : hidden.slots)
        out += slot.character;
    return out;
}

std::span<const std::string_view> valuesOf(ItemList valueList) {
    const auto items = itemsOf(valueList);
    return items.size() > 2 ? items.subspan(2) : std::span<const std::string_view>{};
}

bool pillarSlotsPositionTest(const ConditionRow& row, const HiddenStemTable& hidden,
                             std::string ChartCell::*field) {
    const int p = row.positionIndex;
    if (row.valueIndex == 1)
        return true;
    if (row.valueIndex < 2)
        return false;
    if (p == 0)
        return true;
    if (!isPillarPosition(p))
        return false;
    for (int j = 0; j < 3; ++j)
        if (slotOfPillar(hidden, p, j).*field == row.valueText)
            return true;
    return false;
}

} // namespace bazi

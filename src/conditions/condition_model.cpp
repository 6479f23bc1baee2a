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

// The form's value lists name the items of the typed lists in the same order,
// after "-" and "不指定" (the spirit-star list has no "不指定").
template <class Names>
constexpr bool listsAgree(ItemList list, std::size_t firstItem, const Names& names) {
    const auto items = itemsOf(list);
    if (items.size() != firstItem + names.size())
        return false;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (items[firstItem + i] != names[i])
            return false;
    return true;
}

// The item at `index` of the group's value list, typed.
SoughtItem soughtItemOf(ItemList list, int index) {
    if (index == 0)
        return std::monostate{};
    if (list == ItemList::spiritStarValue) {
        if (const auto star = spiritStarOfItem(index))
            return *star;
        return std::monostate{};
    }
    if (index == 1)
        return AnyItem{};
    const int i = index - 2;
    switch (list) {
    case ItemList::elementValue:
        if (Element(i).ok())
            return Element(i);
        break;
    case ItemList::stemValue:
        if (Stem(i).ok())
            return Stem(i);
        break;
    case ItemList::branchValue:
        if (Branch(i).ok())
            return Branch(i);
        break;
    case ItemList::tenGodValue:
        if (TenGod(i).ok())
            return TenGod(i);
        break;
    default: break;
    }
    return std::monostate{};
}

struct PositionText {
    std::string_view text;
    RowPosition position;
};
using Kind = RowPosition::Kind;
// clang-format off
constexpr PositionText kPositions[] = {
    {"不固定", {Kind::anywhere, ChartPlace::yearStem, 0}},
    {"年干", {Kind::place, ChartPlace::yearStem, 0}},   {"年支", {Kind::place, ChartPlace::yearBranch, 0}},
    {"月干", {Kind::place, ChartPlace::monthStem, 0}},  {"月支", {Kind::place, ChartPlace::monthBranch, 0}},
    {"日干", {Kind::place, ChartPlace::dayStem, 0}},    {"日支", {Kind::place, ChartPlace::dayBranch, 0}},
    {"时干", {Kind::place, ChartPlace::hourStem, 0}},   {"时支", {Kind::place, ChartPlace::hourBranch, 0}},
    {"天干", {Kind::fourStems, ChartPlace::yearStem, 0}},
    {"地支", {Kind::fourBranches, ChartPlace::yearStem, 0}},
    {"年柱", {Kind::pillar, ChartPlace::yearStem, 0}},  {"月柱", {Kind::pillar, ChartPlace::yearStem, 1}},
    {"日柱", {Kind::pillar, ChartPlace::yearStem, 2}},  {"时柱", {Kind::pillar, ChartPlace::yearStem, 3}},
};
// clang-format on

// Every item of every position list has a meaning.
constexpr bool everyPositionItemKnown() {
    using enum ItemList;
    for (const ItemList list :
         {pillarPosition, eightSlotPosition, tenGodSlotPosition, stemPosition, branchPosition}) {
        for (const std::string_view item : itemsOf(list)) {
            bool known = false;
            for (const PositionText& p : kPositions)
                known = known || p.text == item;
            if (!known)
                return false;
        }
    }
    return true;
}

} // namespace

static_assert(listsAgree(ItemList::elementValue, 2, kElementNames));
static_assert(listsAgree(ItemList::stemValue, 2, kStemNames));
static_assert(listsAgree(ItemList::branchValue, 2, kBranchNames));
static_assert(listsAgree(ItemList::tenGodValue, 2, kTenGodNames));
static_assert(everyPositionItemKnown());

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

std::string_view soughtItemText(const SoughtItem& item) {
    struct Text {
        std::string_view operator()(std::monostate) const { return "-"; }
        std::string_view operator()(AnyItem) const { return "不指定"; }
        std::string_view operator()(Element e) const { return elementText(e); }
        std::string_view operator()(Stem s) const { return stemText(s); }
        std::string_view operator()(Branch b) const { return branchText(b); }
        std::string_view operator()(TenGod t) const { return tenGodText(t); }
        std::string_view operator()(SpiritStar s) const { return spiritStarName(s); }
    };
    return std::visit(Text{}, item);
}

RowPosition rowPositionOfText(std::string_view itemText) {
    for (const PositionText& p : kPositions)
        if (p.text == itemText)
            return p.position;
    return RowPosition{Kind::none, ChartPlace::yearStem, 0};
}

ConditionRow captureRow(const FormState& form, GroupId group, int row) {
    const GroupSpec& spec = groupSpec(group);
    const RowNames& names = rowNames(group, row);
    ConditionRow r;
    r.group = group;
    r.row = row;
    const int valueIndex = form.selection(names.value);
    r.set = valueIndex != 0;
    r.sought = soughtItemOf(spec.valueList, valueIndex);
    r.position = rowPositionOfText(form.selectedText(names.position));
    r.countRule = countRuleOf(spec.countList, form.selection(names.count));
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
    r.swapTicked = form.isChecked(kSwapCheckBox);
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

} // namespace bazi

#include "form/form_catalog.h"

#include <map>
#include <stdexcept>

namespace bazi {
namespace {

using enum ItemList;
using enum RevealKind;

// The group boxes in evaluation order. The count preset index is where "非0"
// stands in the row's count list.
// clang-format off
constexpr GroupSpec kGroups[] = {
    {GroupId::elementChart,  "分组框7",  "八字", 0, 5,  elementValue,    eightSlotPosition,  count0to8, radioSet, "",       9},
    {GroupId::elementHidden, "分组框13", "藏干", 0, 5,  elementValue,    pillarPosition,     count0to4, checkBox, "不透",   5},
    {GroupId::stem,          "分组框1",  "天干", 1, 4,  stemValue,       stemPosition,       count0to4, checkBox, "藏干无", 5},
    {GroupId::branch,        "分组框2",  "地支", 1, 4,  branchValue,     branchPosition,     count0to4, none,     "",       5},
    {GroupId::hiddenStem,    "分组框14", "藏干", 1, 4,  stemValue,       pillarPosition,     count0to4, checkBox, "不透",   5},
    {GroupId::tenGodChart,   "分组框6",  "八字", 2, 7,  tenGodValue,     tenGodSlotPosition, count0to7, radioSet, "",       8},
    {GroupId::tenGodHidden,  "分组框22", "藏干", 2, 7,  tenGodValue,     pillarPosition,     count0to4, checkBox, "不透",   5},
    {GroupId::spiritStar,    "分组框23", "神煞", 3, 12, spiritStarValue, pillarPosition,     count0to6, none,     "",       7},
};
// clang-format on

// Name stems of each group's control families: value, position, count, check box.
struct FamilyNames {
    std::string_view value, position, count, check;
};
constexpr FamilyNames kFamilies[] = {
    {"组合框_行", "组合框_位置行", "组合框_行数量", ""},
    {"组合框_行0", "组合框_位置行0", "组合框_行数量0", "选择框_行透0"},
    {"组合框_干", "组合框_位置干", "组合框_干数量", "选择框_干藏"},
    {"组合框_支", "组合框_位置支", "组合框_支数量", ""},
    {"组合框_藏", "组合框_位置藏", "组合框_藏数量", "选择框_干天"},
    {"组合框_神", "组合框_位置神", "组合框_神数量", ""},
    {"组合框_神0", "组合框_位置神0", "组合框_神数量0", "选择框_干透0"},
    {"组合框_神煞", "组合框_位置神煞", "组合框_神煞数", ""},
};

std::string numbered(std::string_view stem, int n) {
    return std::string(stem) + std::to_string(n);
}

// Radio box numbers of a row, in RevealOption order (无限制, 透干, 虚浮, 通根, 不透).
// Row 1 of the element box was laid out by hand: its 通根 and 不透 are swapped.
std::array<int, 5> radioNumbers(GroupId id, int row) {
    if (id == GroupId::elementChart) {
        if (row == 1)
            return {1, 2, 3, 5, 4};
        return {5 * row, 5 * row - 1, 5 * row - 2, 5 * row - 3, 5 * row - 4};
    }
    return {25 + 5 * row, 24 + 5 * row, 23 + 5 * row, 22 + 5 * row, 21 + 5 * row};
}

// The radio sets sit in uncaptioned group boxes 分组框8..12 and 分组框15..21.
int radioBoxNumber(GroupId id, int row) {
    return (id == GroupId::elementChart ? 7 : 14) + row;
}

struct Catalog {
    std::map<std::string, ControlSpec, std::less<>> controls;
    std::vector<std::string> names;

    void add(const std::string& name, ControlSpec spec) {
        controls.emplace(name, spec);
        names.push_back(name);
    }

    Catalog() {
        for (const GroupSpec& g : kGroups) {
            for (int row = 1; row <= g.rowCount; ++row) {
                const RowNames& n = rowNames(g.id, row);
                add(n.value, {ControlKind::comboBox, g.valueList, g.id, row, {}});
                add(n.position, {ControlKind::comboBox, g.positionList, g.id, row, {}});
                add(n.count, {ControlKind::comboBox, g.countList, g.id, row, {}});
                if (!n.checkBox.empty())
                    add(n.checkBox, {ControlKind::checkBox, {}, g.id, row, {}});
                for (std::size_t k = 0; k < n.radios.size(); ++k)
                    if (!n.radios[k].empty())
                        add(n.radios[k],
                            {ControlKind::radioBox, {}, g.id, row, static_cast<RevealOption>(k)});
            }
        }
        add(std::string(kSwapCheckBox), {ControlKind::checkBox, {}, GroupId::tenGodChart, 0, {}});
        add(std::string(kFemaleCheckBox), {ControlKind::checkBox, {}, GroupId::spiritStar, 0, {}});
    }
};

const Catalog& catalog() {
    static const Catalog instance;
    return instance;
}

} // namespace

std::span<const GroupSpec> groupSpecs() {
    return kGroups;
}

const GroupSpec& groupSpec(GroupId id) {
    return kGroups[static_cast<int>(id)];
}

namespace {

RowNames namesOfRow(GroupId id, int row) {
    const GroupSpec& g = groupSpec(id);
    const FamilyNames& f = kFamilies[static_cast<int>(id)];
    RowNames n;
    n.value = numbered(f.value, row);
    n.position = numbered(f.position, row);
    n.count = numbered(f.count, row);
    if (g.reveal == checkBox)
        n.checkBox = numbered(f.check, row);
    if (g.reveal == radioSet) {
        n.radioBox = numbered("分组框", radioBoxNumber(id, row));
        const auto numbers = radioNumbers(id, row);
        for (std::size_t k = 0; k < n.radios.size(); ++k)
            n.radios[k] = numbered("单选框", numbers[k]);
    }
    return n;
}

// The names of every row, formed once: a query reads them for each of its rows.
const std::vector<std::vector<RowNames>>& namesOfEveryRow() {
    static const std::vector<std::vector<RowNames>> names = [] {
        std::vector<std::vector<RowNames>> all;
        for (const GroupSpec& g : kGroups) {
            all.emplace_back();
            for (int row = 1; row <= g.rowCount; ++row)
                all.back().push_back(namesOfRow(g.id, row));
        }
        return all;
    }();
    return names;
}

} // namespace

const RowNames& rowNames(GroupId id, int row) {
    const GroupSpec& g = groupSpec(id);
    if (row < 1 || row > g.rowCount)
        throw std::out_of_range("row outside the group box");
    return namesOfEveryRow()[static_cast<std::size_t>(id)][static_cast<std::size_t>(row - 1)];
}

std::optional<ControlSpec> findControl(std::string_view name) {
    const auto& controls = catalog().controls;
    if (auto it = controls.find(name); it != controls.end())
        return it->second;
    return std::nullopt;
}

const std::vector<std::string>& allControlNames() {
    return catalog().names;
}

} // namespace bazi

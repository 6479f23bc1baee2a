#include "form/form_catalog.h"

#include <map>
#include <stdexcept>

namespace bazi {
namespace {

// clang-format off
constexpr std::string_view kElementValues[] = {"-", "不指定", "金", "水", "木", "火", "土"};
constexpr std::string_view kStemValues[] = {"-", "不指定", "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr std::string_view kBranchValues[] = {"-", "不指定", "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
constexpr std::string_view kTenGodValues[] = {"-", "不指定", "正印", "偏印", "正官", "偏官", "正财", "偏财", "伤官", "食神", "比肩", "劫财"};
constexpr std::string_view kSpiritStarValues[] = {"-", "天乙贵人", "天德贵人", "月德贵人", "天医", "咸池", "驿马", "将星", "华盖", "童子", "元辰", "指背", "卷舌", "空亡"};
constexpr std::string_view kPillarPositions[] = {"不固定", "年柱", "月柱", "日柱", "时柱"};
constexpr std::string_view kEightSlotPositions[] = {"不固定", "年干", "年支", "月干", "月支", "日干", "日支", "时干", "时支", "天干", "地支"};
constexpr std::string_view kTenGodSlotPositions[] = {"不固定", "年干", "年支", "月干", "月支", "日支", "时干", "时支", "天干", "地支"};
constexpr std::string_view kStemPositions[] = {"不固定", "年干", "月干", "日干", "时干"};
constexpr std::string_view kBranchPositions[] = {"不固定", "年支", "月支", "日支", "时支"};
constexpr std::string_view kCount0to4[] = {"0", "1", "2", "3", "4", "非0", "非1", "非2", "非3", "非4", ">=0", ">=1", ">=2", ">=3", "<=4", "<=3", "<=2", "<=1"};
constexpr std::string_view kCount0to8[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "非0", "非1", "非2", "非3", "非4", "非5", "非6", "非7", "非8", ">=2", ">=3", ">=4", ">=5", ">=6", "<=7", "<=6", "<=5", "<=4", "<=3", "<=2", "<=1"};
constexpr std::string_view kCount0to7[] = {"0", "1", "2", "3", "4", "5", "6", "7", "非0", "非1", "非2", "非3", "非4", "非5", "非6", "非7", ">=1", ">=2", ">=3", ">=4", ">=5", ">=6", "<=7", "<=6", "<=5", "<=4", "<=3", "<=2", "<=1"};
constexpr std::string_view kCount0to6[] = {"0", "1", "2", "3", "4", "5", "6", "非0", "非1", "非2", "非3", "非4", "非5", "非6", ">=0", ">=1", ">=2", ">=3", ">=4", ">=5", "<=6", "<=5", "<=4", "<=3", "<=2", "<=1"};
// clang-format on
static_assert(std::size(kCount0to4) == 18 && std::size(kCount0to8) == 30);
static_assert(std::size(kCount0to7) == 29 && std::size(kCount0to6) == 26);
static_assert(std::size(kSpiritStarValues) == 14 && std::size(kTenGodSlotPositions) == 10);

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
                const RowNames n = rowNames(g.id, row);
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

std::span<const std::string_view> itemsOf(ItemList list) {
    switch (list) {
    case elementValue: return kElementValues;
    case stemValue: return kStemValues;
    case branchValue: return kBranchValues;
    case tenGodValue: return kTenGodValues;
    case spiritStarValue: return kSpiritStarValues;
    case pillarPosition: return kPillarPositions;
    case eightSlotPosition: return kEightSlotPositions;
    case tenGodSlotPosition: return kTenGodSlotPositions;
    case stemPosition: return kStemPositions;
    case branchPosition: return kBranchPositions;
    case count0to4: return kCount0to4;
    case count0to8: return kCount0to8;
    case count0to7: return kCount0to7;
    case count0to6: return kCount0to6;
    }
    return {};
}

std::span<const GroupSpec> groupSpecs() {
    return kGroups;
}

const GroupSpec& groupSpec(GroupId id) {
    return kGroups[static_cast<int>(id)];
}

RowNames rowNames(GroupId id, int row) {
    const GroupSpec& g = groupSpec(id);
    if (row < 1 || row > g.rowCount)
        throw std::out_of_range("row outside the group box");
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

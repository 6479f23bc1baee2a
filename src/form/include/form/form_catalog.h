#pragma once
// The form's condition controls as data: every item list, every group box and
// the control names of each of its rows. The engine reads form states keyed by
// these names and the desktop form builds its rows from the same tables.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bazi {

enum class ItemList {
    elementValue,       // "-", "不指定", "金", "水", "木", "火", "土"
    stemValue,          // "-", "不指定", "甲" .. "癸"
    branchValue,        // "-", "不指定", "子" .. "亥"
    tenGodValue,        // "-", "不指定", "正印" .. "劫财"
    spiritStarValue,    // "-", "天乙贵人" .. "空亡"
    pillarPosition,     // "不固定", "年柱" .. "时柱"
    eightSlotPosition,  // "不固定", "年干" .. "时支", "天干", "地支"
    tenGodSlotPosition, // the eight-slot list without "日干"
    stemPosition,       // "不固定", "年干", "月干", "日干", "时干"
    branchPosition,     // "不固定", "年支", "月支", "日支", "时支"
    count0to4,          // 18 items
    count0to8,          // 30 items
    count0to7,          // 29 items
    count0to6,          // 26 items
};

namespace lists {
// clang-format off
inline constexpr std::string_view kElementValues[] = {"-", "不指定", "金", "水", "木", "火", "土"};
inline constexpr std::string_view kStemValues[] = {"-", "不指定", "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
inline constexpr std::string_view kBranchValues[] = {"-", "不指定", "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
inline constexpr std::string_view kTenGodValues[] = {"-", "不指定", "正印", "偏印", "正官", "偏官", "正财", "偏财", "伤官", "食神", "比肩", "劫财"};
inline constexpr std::string_view kSpiritStarValues[] = {"-", "天乙贵人", "天德贵人", "月德贵人", "天医", "咸池", "驿马", "将星", "华盖", "童子", "元辰", "指背", "卷舌", "空亡"};
inline constexpr std::string_view kPillarPositions[] = {"不固定", "年柱", "月柱", "日柱", "时柱"};
inline constexpr std::string_view kEightSlotPositions[] = {"不固定", "年干", "年支", "月干", "月支", "日干", "日支", "时干", "时支", "天干", "地支"};
inline constexpr std::string_view kTenGodSlotPositions[] = {"不固定", "年干", "年支", "月干", "月支", "日支", "时干", "时支", "天干", "地支"};
inline constexpr std::string_view kStemPositions[] = {"不固定", "年干", "月干", "日干", "时干"};
inline constexpr std::string_view kBranchPositions[] = {"不固定", "年支", "月支", "日支", "时支"};
inline constexpr std::string_view kCount0to4[] = {"0", "1", "2", "3", "4", "非0", "非1", "非2", "非3", "非4", ">=0", ">=1", ">=2", ">=3", "<=4", "<=3", "<=2", "<=1"};
inline constexpr std::string_view kCount0to8[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "非0", "非1", "非2", "非3", "非4", "非5", "非6", "非7", "非8", ">=2", ">=3", ">=4", ">=5", ">=6", "<=7", "<=6", "<=5", "<=4", "<=3", "<=2", "<=1"};
inline constexpr std::string_view kCount0to7[] = {"0", "1", "2", "3", "4", "5", "6", "7", "非0", "非1", "非2", "非3", "非4", "非5", "非6", "非7", ">=1", ">=2", ">=3", ">=4", ">=5", ">=6", "<=7", "<=6", "<=5", "<=4", "<=3", "<=2", "<=1"};
inline constexpr std::string_view kCount0to6[] = {"0", "1", "2", "3", "4", "5", "6", "非0", "非1", "非2", "非3", "非4", "非5", "非6", ">=0", ">=1", ">=2", ">=3", ">=4", ">=5", "<=6", "<=5", "<=4", "<=3", "<=2", "<=1"};
// clang-format on
static_assert(std::size(kCount0to4) == 18 && std::size(kCount0to8) == 30);
static_assert(std::size(kCount0to7) == 29 && std::size(kCount0to6) == 26);
static_assert(std::size(kSpiritStarValues) == 14 && std::size(kTenGodSlotPositions) == 10);
} // namespace lists

/// The items of a list, index 0 first; the order is part of the contract.
[[nodiscard]] constexpr std::span<const std::string_view> itemsOf(ItemList list) {
    using enum ItemList;
    switch (list) {
    case elementValue: return lists::kElementValues;
    case stemValue: return lists::kStemValues;
    case branchValue: return lists::kBranchValues;
    case tenGodValue: return lists::kTenGodValues;
    case spiritStarValue: return lists::kSpiritStarValues;
    case pillarPosition: return lists::kPillarPositions;
    case eightSlotPosition: return lists::kEightSlotPositions;
    case tenGodSlotPosition: return lists::kTenGodSlotPositions;
    case stemPosition: return lists::kStemPositions;
    case branchPosition: return lists::kBranchPositions;
    case count0to4: return lists::kCount0to4;
    case count0to8: return lists::kCount0to8;
    case count0to7: return lists::kCount0to7;
    case count0to6: return lists::kCount0to6;
    }
    return {};
}

/// The condition groups in evaluation order; the spirit-star rows come last.
enum class GroupId {
    elementChart,  // 条件1—五行 / 八字
    elementHidden, // 条件1—五行 / 藏干
    stem,          // 条件2—干支 / 天干
    branch,        // 条件2—干支 / 地支
    hiddenStem,    // 条件2—干支 / 藏干
    tenGodChart,   // 条件3—十神 / 八字
    tenGodHidden,  // 条件3—十神 / 藏干
    spiritStar,    // 条件4—神煞 / 神煞
};

enum class RevealKind { none, checkBox, radioSet };

/// Reveal options of a radio set, in the order the checks read them.
enum class RevealOption { unrestricted, revealed, floating, rooted, notRevealed };
inline constexpr std::array<std::string_view, 5> kRevealCaptions = {"无限制", "透干", "虚浮",
                                                                    "通根", "不透"};

/// One group box of condition rows.
struct GroupSpec {
    GroupId id;
    std::string_view boxName; // "分组框7"
    std::string_view caption; // "八字"
    int page;                 // 0..3 of 高级选择夹1
    int rowCount;
    ItemList valueList;
    ItemList positionList;
    ItemList countList;
    RevealKind reveal;
    std::string_view checkCaption; // "不透" or "藏干无" for a check box, else empty
    int countPresetIndex;          // index of "非0" in the count list
};

/// The eight group boxes, in evaluation order (GroupId order).
[[nodiscard]] std::span<const GroupSpec> groupSpecs();
[[nodiscard]] const GroupSpec& groupSpec(GroupId id);

/// Control names of one row (row counted from 1).
struct RowNames {
    std::string value;    // "组合框_行1"
    std::string position; // "组合框_位置行1"
    std::string count;    // "组合框_行数量1"
    std::string checkBox; // "选择框_行透01", empty unless RevealKind::checkBox
    std::string radioBox; // the radio set's own group box, "分组框8", empty unless radioSet
    std::array<std::string, 5> radios; // in RevealOption order, empty unless radioSet
};

/// The names of row `row` (1..rowCount); throws std::out_of_range for another row.
[[nodiscard]] const RowNames& rowNames(GroupId id, int row);

/// The check box "亥子巳午阴阳置换": ticked means ten-gods are looked up with flag 0.
inline constexpr std::string_view kSwapCheckBox = "选择框1";

/// The check box "女命" of the spirit-star page: the chart is read as a woman's
/// (only 元辰 depends on it).
inline constexpr std::string_view kFemaleCheckBox = "选择框_女命";

enum class ControlKind { comboBox, checkBox, radioBox };

/// What a named condition control is; nullopt for a name the form does not have.
struct ControlSpec {
    ControlKind kind;
    std::optional<ItemList> items; // combo boxes
    GroupId group;                 // tenGodChart for 选择框1, spiritStar for 选择框_女命
    int row;                       // 0 for the two page-wide check boxes
    std::optional<RevealOption> radioOption; // radio boxes
};
[[nodiscard]] std::optional<ControlSpec> findControl(std::string_view name);

/// Every condition control name: the rows of all groups, then 选择框1 and 选择框_女命.
[[nodiscard]] const std::vector<std::string>& allControlNames();

} // namespace bazi

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

/// The items of a list, index 0 first; the order is part of the contract.
[[nodiscard]] std::span<const std::string_view> itemsOf(ItemList list);

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

[[nodiscard]] RowNames rowNames(GroupId id, int row);

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

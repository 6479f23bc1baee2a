#include "form/form_catalog.h"

#include <gtest/gtest.h>

#include <set>

namespace bazi {
namespace {

// Index of a std::array or vector from a signed loop counter.
constexpr std::size_t idx(int i) {
    return static_cast<std::size_t>(i);
}

TEST(FormCatalog, CountListsHaveNon0AtThePresetIndex) {
    for (const GroupSpec& g : groupSpecs()) {
        SCOPED_TRACE(std::string(g.boxName));
        const auto counts = itemsOf(g.countList);
        ASSERT_LT(static_cast<std::size_t>(g.countPresetIndex), counts.size());
        EXPECT_EQ(counts[idx(g.countPresetIndex)], "非0");
    }
}

TEST(FormCatalog, ListSizesAndEnds) {
    struct Case {
        ItemList list;
        std::size_t size;
        std::string_view first, last;
    };
    const Case cases[] = {
        {ItemList::elementValue, 7, "-", "土"},
        {ItemList::stemValue, 12, "-", "癸"},
        {ItemList::branchValue, 14, "-", "亥"},
        {ItemList::tenGodValue, 12, "-", "劫财"},
        {ItemList::spiritStarValue, 14, "-", "空亡"},
        {ItemList::pillarPosition, 5, "不固定", "时柱"},
        {ItemList::eightSlotPosition, 11, "不固定", "地支"},
        {ItemList::tenGodSlotPosition, 10, "不固定", "地支"},
        {ItemList::stemPosition, 5, "不固定", "时干"},
        {ItemList::branchPosition, 5, "不固定", "时支"},
        {ItemList::count0to4, 18, "0", "<=1"},
        {ItemList::count0to8, 30, "0", "<=1"},
        {ItemList::count0to7, 29, "0", "<=1"},
        {ItemList::count0to6, 26, "0", "<=1"},
    };
    for (const Case& c : cases) {
        const auto items = itemsOf(c.list);
        SCOPED_TRACE(std::string(c.first) + ".." + std::string(c.last));
        ASSERT_EQ(items.size(), c.size);
        EXPECT_EQ(items.front(), c.first);
        EXPECT_EQ(items.back(), c.last);
    }
}

TEST(FormCatalog, RowNamesFollowTheFormsNumbering) {
    const RowNames e1 = rowNames(GroupId::elementChart, 1);
    EXPECT_EQ(e1.value, "组合框_行1");
    EXPECT_EQ(e1.position, "组合框_位置行1");
    EXPECT_EQ(e1.count, "组合框_行数量1");
    EXPECT_EQ(e1.radioBox, "分组框8");
    // Row 1 has 通根 and 不透 the other way round from the later rows.
    EXPECT_EQ(e1.radios,
              (std::array<std::string, 5>{"单选框1", "单选框2", "单选框3", "单选框5", "单选框4"}));
    EXPECT_EQ(
        rowNames(GroupId::elementChart, 3).radios,
        (std::array<std::string, 5>{"单选框15", "单选框14", "单选框13", "单选框12", "单选框11"}));
    EXPECT_EQ(rowNames(GroupId::elementChart, 5).radioBox, "分组框12");

    const RowNames h3 = rowNames(GroupId::elementHidden, 3);
    EXPECT_EQ(h3.value, "组合框_行03");
    EXPECT_EQ(h3.position, "组合框_位置行03");
    EXPECT_EQ(h3.count, "组合框_行数量03");
    EXPECT_EQ(h3.checkBox, "选择框_行透03");
    EXPECT_TRUE(h3.radioBox.empty());

    const RowNames t1 = rowNames(GroupId::tenGodChart, 1);
    EXPECT_EQ(t1.radioBox, "分组框15");
    EXPECT_EQ(t1.radios, (std::array<std::string, 5>{"单选框30", "单选框29", "单选框28", "单选框27",
                                                     "单选框26"}));
    EXPECT_EQ(rowNames(GroupId::tenGodChart, 7).radioBox, "分组框21");
    EXPECT_EQ(rowNames(GroupId::tenGodChart, 7).radios[0], "单选框60");

    EXPECT_EQ(rowNames(GroupId::stem, 4).checkBox, "选择框_干藏4");
    EXPECT_EQ(rowNames(GroupId::branch, 2).count, "组合框_支数量2");
    EXPECT_TRUE(rowNames(GroupId::branch, 2).checkBox.empty());
    EXPECT_EQ(rowNames(GroupId::hiddenStem, 1).checkBox, "选择框_干天1");
    EXPECT_EQ(rowNames(GroupId::tenGodHidden, 7).value, "组合框_神07");
    EXPECT_EQ(rowNames(GroupId::tenGodHidden, 7).checkBox, "选择框_干透07");
    EXPECT_EQ(rowNames(GroupId::spiritStar, 12).value, "组合框_神煞12");
    EXPECT_EQ(rowNames(GroupId::spiritStar, 12).position, "组合框_位置神煞12");
    EXPECT_EQ(rowNames(GroupId::spiritStar, 12).count, "组合框_神煞数12");
    EXPECT_THROW((void)rowNames(GroupId::stem, 5), std::out_of_range);
    EXPECT_THROW((void)rowNames(GroupId::stem, 0), std::out_of_range);
}

TEST(FormCatalog, EveryControlNameIsUniqueAndFound) {
    const auto& names = allControlNames();
    const std::set<std::string> unique(names.begin(), names.end());
    EXPECT_EQ(unique.size(), names.size());
    // 48 rows × 3 combo boxes, 5 + 4 + 4 + 7 check boxes, 12 × 5 radio boxes, 选择框1, 选择框_女命.
    EXPECT_EQ(names.size(), 48u * 3 + 20 + 60 + 2);
    for (const std::string& name : names)
        EXPECT_TRUE(findControl(name).has_value()) << name;
    EXPECT_FALSE(findControl("组合框_行6").has_value());
    EXPECT_FALSE(findControl("组合框_行").has_value());
    EXPECT_FALSE(findControl("").has_value());

    const auto radio = findControl("单选框4");
    ASSERT_TRUE(radio);
    EXPECT_EQ(radio->kind, ControlKind::radioBox);
    EXPECT_EQ(radio->group, GroupId::elementChart);
    EXPECT_EQ(radio->row, 1);
    EXPECT_EQ(radio->radioOption, RevealOption::notRevealed);

    const auto count = findControl("组合框_神数量3");
    ASSERT_TRUE(count);
    EXPECT_EQ(count->items, ItemList::count0to7);
    EXPECT_EQ(count->row, 3);
}

} // namespace
} // namespace bazi

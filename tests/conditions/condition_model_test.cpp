// The condition model: count rules of every count item, rows captured from the
// form state, and which rows count as set.
#include "conditions/condition_model.h"

#include "row_builder.h"

#include <gtest/gtest.h>

namespace {

using namespace bazi;
using RuleTest = CountRule::Test;

// The rule of every item of a count list, worked out from the list's index
// ranges: plain numbers, then "非" n, then ">=" n, then "<=" n.
struct ListRanges {
    ItemList list;
    int size;
    int firstNot, firstAtLeast, firstAtMost;  // where each part starts
    int notOffset, atLeastOffset, atMostBase; // n = i − off, i − off, base − i
    const char* note;
};

TEST(CountRule, EveryItemOfEveryCountListMeansWhatItsIndexRangeSays) {
    const ListRanges lists[] = {
        {ItemList::count0to4, 18, 5, 10, 14, 5, 10, 18, "count list 0-4"},
        {ItemList::count0to8, 30, 9, 18, 23, 9, 16, 30, "count list 0-8"},
        {ItemList::count0to7, 29, 8, 16, 22, 8, 15, 29, "count list 0-7"},
        {ItemList::count0to6, 26, 7, 14, 20, 7, 14, 26, "count list 0-6"},
    };
    for (const ListRanges& l : lists) {
        SCOPED_TRACE(l.note);
        ASSERT_EQ(static_cast<int>(itemsOf(l.list).size()), l.size);
        for (int i = 0; i < l.size; ++i) {
            SCOPED_TRACE("index " + std::to_string(i));
            CountRule want;
            if (i < l.firstNot)
                want = {RuleTest::equal, i};
            else if (i < l.firstAtLeast)
                want = {RuleTest::notEqual, i - l.notOffset};
            else if (i < l.firstAtMost)
                want = {RuleTest::atLeast, i - l.atLeastOffset};
            else
                want = {RuleTest::atMost, l.atMostBase - i};
            EXPECT_EQ(countRuleOf(l.list, i), want);
        }
    }
}

TEST(CountRule, IndexOutsideTheListOrAListThatCountsNothingNeverHolds) {
    const struct {
        ItemList list;
        int index;
        const char* note;
    } cases[] = {
        {ItemList::count0to4, -1, "below the list"},
        {ItemList::count0to4, 18, "just past the list"},
        {ItemList::count0to8, 30, "just past the 30-item list"},
        {ItemList::elementValue, 2, "a value list"},
        {ItemList::pillarPosition, 0, "a position list"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        const CountRule rule = countRuleOf(c.list, c.index);
        for (int count = -1; count <= 12; ++count)
            EXPECT_FALSE(rule.holds(count));
    }
}

TEST(CountRule, TextThatIsNoCountItemIsRefused) {
    for (const char* text : {"", "非", ">=", "<=", "x", "1a", "-1", "+1", "非-1", ">= 2", "１"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(countRuleFromText(text).has_value());
    }
}

TEST(CountRule, HoldsOnlyForTheCountsItNames) {
    const struct {
        const char* item;
        std::vector<int> holding; // among 0..8
    } cases[] = {
        {"0", {0}},
        {"3", {3}},
        {"非0", {1, 2, 3, 4, 5, 6, 7, 8}},
        {">=2", {2, 3, 4, 5, 6, 7, 8}},
        {"<=1", {0, 1}},
        {">=0", {0, 1, 2, 3, 4, 5, 6, 7, 8}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        const CountRule rule = *countRuleFromText(c.item);
        for (int n = 0; n <= 8; ++n) {
            const bool want = std::find(c.holding.begin(), c.holding.end(), n) != c.holding.end();
            EXPECT_EQ(rule.holds(n), want) << "count " << n;
        }
    }
}

TEST(ConditionRow, TheRadioBoxCaptionedNotRevealedGivesThatOptionInEveryRow) {
    // Row 1 of the element box was laid out with 通根 and 不透 the other way round.
    const struct {
        GroupId group;
        int row;
        const char* radio;
        RevealOption want;
    } cases[] = {
        {GroupId::elementChart, 1, "单选框4", RevealOption::notRevealed},
        {GroupId::elementChart, 1, "单选框5", RevealOption::rooted},
        {GroupId::elementChart, 1, "单选框3", RevealOption::floating},
        {GroupId::elementChart, 2, "单选框6", RevealOption::notRevealed},
        {GroupId::elementChart, 2, "单选框7", RevealOption::rooted},
        {GroupId::elementChart, 5, "单选框21", RevealOption::notRevealed},
        {GroupId::elementChart, 5, "单选框24", RevealOption::revealed},
        {GroupId::tenGodChart, 1, "单选框26", RevealOption::notRevealed},
        {GroupId::tenGodChart, 1, "单选框27", RevealOption::rooted},
        {GroupId::tenGodChart, 7, "单选框59", RevealOption::revealed},
        {GroupId::tenGodChart, 7, "单选框60", RevealOption::unrestricted},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.radio);
        FormState form;
        form.setChecked(c.radio, true);
        EXPECT_EQ(captureRow(form, c.group, c.row).revealOption, c.want);
    }
}

TEST(ConditionRow, ARadioSetWithNothingCheckedHasNoOption) {
    FormState form;
    form.setChecked("单选框10", false); // 无限制 of element row 2
    EXPECT_FALSE(captureRow(form, GroupId::elementChart, 2).revealOption.has_value());
    EXPECT_EQ(captureRow(form, GroupId::elementChart, 1).revealOption, RevealOption::unrestricted);
}

TEST(ConditionRow, CapturesItemPositionRuleAndTheRowsOwnCheckBox) {
    FormState form;
    rowtest::setRow(form, GroupId::stem, 3, {"庚", "月干", ">=2", "ticked"});
    const ConditionRow row = captureRow(form, GroupId::stem, 3);
    EXPECT_TRUE(row.isSet());
    EXPECT_EQ(row.sought, SoughtItem(Stem(6)));
    EXPECT_EQ(soughtItemText(row.sought), "庚");
    EXPECT_EQ(row.position, (RowPosition{RowPosition::Kind::place, ChartPlace::monthStem, 0}));
    EXPECT_EQ(row.countRule, (CountRule{RuleTest::atLeast, 2}));
    EXPECT_TRUE(row.revealTicked);
    EXPECT_FALSE(captureRow(form, GroupId::stem, 2).revealTicked);
}

TEST(ConditionRow, SpiritStarRowsCarryThePagesFemaleBox) {
    FormState form;
    form.select("组合框_神煞2", 10);
    form.setChecked(std::string(kFemaleCheckBox), true);
    EXPECT_TRUE(captureRow(form, GroupId::spiritStar, 2).female);
    EXPECT_FALSE(captureRow(form, GroupId::elementChart, 1).female);
}

TEST(SetRows, OnlyTheValueBoxDecidesWhetherARowIsSet) {
    FormState form;
    EXPECT_EQ(countSetRows(form), 0);
    // Position, count and reveal set, value left on "-": not a condition.
    form.select("组合框_位置行1", 3);
    form.select("组合框_行数量1", 2);
    form.setChecked("单选框2", true);
    form.setChecked("选择框_干藏1", true);
    EXPECT_EQ(countSetRows(form), 0);
    EXPECT_TRUE(captureSetRows(form).empty());
    form.select("组合框_行1", 1); // "不指定" is set
    form.select("组合框_神煞12", 3);
    EXPECT_EQ(countSetRows(form), 2);
}

TEST(SetRows, AllFortyEightValueBoxesCountAndRowsComeInEvaluationOrder) {
    FormState form;
    for (const GroupSpec& g : groupSpecs())
        for (int row = g.rowCount; row >= 1; --row)
            form.select(rowNames(g.id, row).value, 1);
    EXPECT_EQ(countSetRows(form), 48);
    const auto rows = captureSetRows(form);
    ASSERT_EQ(rows.size(), 48u);
    for (std::size_t k = 1; k < rows.size(); ++k) {
        const bool inOrder = rows[k - 1].group < rows[k].group ||
                             (rows[k - 1].group == rows[k].group && rows[k - 1].row < rows[k].row);
        EXPECT_TRUE(inOrder) << "row " << k;
    }
    EXPECT_EQ(rows.front().group, GroupId::elementChart);
    EXPECT_EQ(rows.back().group, GroupId::spiritStar);
    EXPECT_EQ(rows.back().row, 12);
}

TEST(CandidateList, MissingItemsAreNeverCandidates) {
    Candidates<Element> list;
    list.add(Element{});
    list.add(elementOfText("金"));
    list.add(elementOfText(""));
    list.add(elementOfText("水"));
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(*list.begin(), Element(0));
}

TEST(ConditionRow, EveryItemOfEveryListHasItsMeaning) {
    // Values: "-" is nothing, "不指定" any item, then the typed items in list order.
    for (const GroupSpec& g : groupSpecs()) {
        const auto values = itemsOf(g.valueList);
        for (std::size_t k = 0; k < values.size(); ++k) {
            FormState form;
            form.select(rowNames(g.id, 1).value, static_cast<int>(k));
            const ConditionRow row = captureRow(form, g.id, 1);
            SCOPED_TRACE(std::string(values[k]));
            EXPECT_EQ(row.isSet(), k != 0);
            EXPECT_EQ(soughtItemText(row.sought), values[k]);
        }
        for (const std::string_view position : itemsOf(g.positionList))
            EXPECT_NE(rowPositionOfText(position).kind, RowPosition::Kind::none) << position;
    }
    // An index past the list is a set row that names nothing.
    FormState form;
    form.select("组合框_干1", 99);
    const ConditionRow row = captureRow(form, GroupId::stem, 1);
    EXPECT_TRUE(row.isSet());
    EXPECT_TRUE(std::holds_alternative<std::monostate>(row.sought));
}

} // namespace

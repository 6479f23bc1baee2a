// The rows of the "神煞" box: count rule, position and count tests, and rows
// read from a form state and checked against the facts of a chart.
#include "conditions/spirit_star_group.h"

#include "form/form_catalog.h"
#include "row_builder.h"

#include <gtest/gtest.h>

#include <charconv>
#include <string>

namespace bazi {
namespace {

// Index of a std::array or vector from a signed loop counter.
constexpr std::size_t idx(int i) {
    return static_cast<std::size_t>(i);
}

// The rule an item of a count list states, read from its text.
bool itemTextHolds(std::string_view item, int count) {
    auto number = [](std::string_view digits) {
        int n = -1;
        std::from_chars(digits.data(), digits.data() + digits.size(), n);
        return n;
    };
    if (item.starts_with("非"))
        return count != number(item.substr(std::string_view("非").size()));
    if (item.starts_with(">="))
        return count >= number(item.substr(2));
    if (item.starts_with("<="))
        return count <= number(item.substr(2));
    return count == number(item);
}

TEST(SpiritStarGroup, CountRuleAgreesWithTheItemTexts) {
    const auto items = itemsOf(ItemList::count0to6);
    ASSERT_EQ(items.size(), 26U);
    for (int index = 0; index < 26; ++index) {
        for (int count = 0; count <= 6; ++count) {
            SCOPED_TRACE(std::string(items[idx(index)]) + " with " + std::to_string(count));
            EXPECT_EQ(countRuleOf(ItemList::count0to6, index).holds(count),
                      itemTextHolds(items[idx(index)], count));
        }
    }
    for (const int index : {-1, 26, 100})
        for (int count = 0; count <= 6; ++count)
            EXPECT_FALSE(countRuleOf(ItemList::count0to6, index).holds(count)) << index;
}

// A spirit-star row by the indexes of its value, position and count boxes, as
// the form state holds them (indexes past a list included).
ConditionRow spiritRow(int value, int position, int count, bool female = false) {
    FormState form;
    const RowNames n = rowNames(GroupId::spiritStar, 1);
    form.select(n.value, value);
    form.select(n.position, position);
    form.select(n.count, count);
    form.setChecked(kFemaleCheckBox, female);
    return captureRow(form, GroupId::spiritStar, 1);
}

bool rowHolds(const ConditionRow& row, const ChartFacts& facts) {
    return rowSatisfiedBy<SpiritStarGroup>(row, facts);
}

TEST(SpiritStarGroup, ChartIndicesOfAChartText) {
    EXPECT_EQ(chartIndicesOfText("甲子丙寅戊辰壬子"), (ChartIndices{1, 3, 5, 49}));
    EXPECT_EQ(chartIndicesOfText("甲子丙寅戊壬子"), (ChartIndices{0, 0, 0, 0}));
    EXPECT_EQ(chartIndicesOfText(""), (ChartIndices{0, 0, 0, 0}));
}

// 甲子 己巳 辛未 甲午: 元辰 at the day (male) or month (female); 童子 at day and
// hour; 天德 at the day; 天乙 at the hour; no 月德, 华盖 or 空亡.
TEST(SpiritStarGroup, PositionAndCountTests) {
    const ChartFacts chart = rowtest::factsOf("甲子己巳辛未甲午");
    struct Case {
        const char* note;
        ConditionRow row;
        bool position, count;
    };
    // value: 1 天乙 3 月德 8 华盖 9 童子 10 元辰 13 空亡; position 0 不固定, 1 年柱 .. 4 时柱;
    // count: 0..6 exact, 7..13 非n, 14..19 >=n, 20..25 <=(26-index).
    // clang-format off
    const Case cases[] = {
        {"元辰 at 日柱, male, count 1",            spiritRow(10, 3, 1),       true,  true},
        {"元辰 at 日柱, female: it stands at 月柱", spiritRow(10, 3, 1, true), false, true},
        {"元辰 at 月柱, female, 非0",              spiritRow(10, 2, 7, true), true,  true},
        {"童子 at 时柱, count 2",                  spiritRow(9, 4, 2),        true,  true},
        {"童子 at 年柱 fails the position",        spiritRow(9, 1, 2),        false, true},
        {"童子 不固定, 非2",                       spiritRow(9, 0, 9),        true,  false},
        {"童子 不固定, >=3",                       spiritRow(9, 0, 17),       true,  false},
        {"童子 不固定, <=2",                       spiritRow(9, 0, 24),       true,  true},
        {"童子 不固定, exact 6 never holds",       spiritRow(9, 0, 6),        true,  false},
        {"童子 不固定, <=6 always holds",          spiritRow(9, 0, 20),       true,  true},
        {"月德 absent, count 0",                   spiritRow(3, 0, 0),        true,  true},
        {"月德 absent at a fixed pillar",          spiritRow(3, 4, 0),        false, true},
        {"华盖 absent, 非0",                       spiritRow(8, 0, 7),        true,  false},
        {"空亡 absent, <=1",                       spiritRow(13, 0, 25),      true,  true},
        {"天乙 at 时柱, >=0 always holds",         spiritRow(1, 4, 14),       true,  true},
        {"天乙 at 时柱, >=5 never holds",          spiritRow(1, 4, 19),       true,  false},
        {"row not set",                            spiritRow(0, 0, 0),        false, false},
        {"value past the list",                    spiritRow(14, 0, 0),       false, false},
        {"negative value",                         spiritRow(-1, 0, 0),       false, false},
        {"position past the list",                 spiritRow(1, 5, 1),        false, true},
        {"count past the list",                    spiritRow(1, 0, 26),       true,  false},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(SpiritStarGroup::positionTest(c.row, chart), c.position);
        EXPECT_EQ(SpiritStarGroup::countTest(c.row, chart).has_value(), c.count);
        EXPECT_EQ(rowHolds(c.row, chart), c.position && c.count);
    }
}

TEST(SpiritStarGroup, RowsCapturedFromTheFormState) {
    const ChartFacts chart = rowtest::factsOf("甲子己巳辛未甲午");
    FormState form;
    auto setRow = [&form](int row, int value, int position, int count) {
        const RowNames n = rowNames(GroupId::spiritStar, row);
        form.select(n.value, value);
        form.select(n.position, position);
        form.select(n.count, count);
    };
    auto satisfied = [&] {
        int n = 0;
        for (const ConditionRow& row : captureSetRows(form))
            if (row.group == GroupId::spiritStar)
                n += rowHolds(row, chart) ? 1 : 0;
        return n;
    };
    setRow(2, 10, 3, 1);  // 元辰 at 日柱, count 1: male only
    setRow(5, 9, 4, 2);   // 童子 at 时柱, count 2
    setRow(12, 13, 0, 0); // 空亡 nowhere
    EXPECT_EQ(countSetRows(form), 3);
    EXPECT_EQ(satisfied(), 3);
    form.setChecked(kFemaleCheckBox, true);
    EXPECT_EQ(satisfied(), 2);
    setRow(7, 10, 2, 1); // 元辰 at 月柱: female
    EXPECT_EQ(satisfied(), 3);
    // A chart the calendar could not form satisfies only "count 0" rows.
    const ConditionRow nowhere = spiritRow(13, 0, 0);
    const ChartFacts none = chartFactsOf(PillarIndices{}, libraryFacts());
    EXPECT_TRUE(rowHolds(nowhere, none));
    EXPECT_FALSE(rowHolds(spiritRow(9, 0, 7), none));
}

} // namespace
} // namespace bazi

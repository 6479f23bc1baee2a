#include "ui/row_rules.h"

#include <gtest/gtest.h>

#include <vector>

namespace bazi::ui {
namespace {

constexpr std::array<bool, 5> kUnrestricted = {true, false, false, false, false};
constexpr std::array<bool, 5> kRevealed = {false, true, false, false, false};

RowState usedRow(RevealKind reveal, int value) {
    RowState row = initialRowState(reveal);
    row.value = value;
    return applyRowEnabling(row);
}

TEST(RowEnablingRule, ResetsAndDisablesOrEnablesByVariant) {
    struct Case {
        const char* note;
        RowState before;
        RowState expected;
    };
    std::vector<Case> cases;
    {
        // A row of 分组框7 with 年干, ">=2" and 透干 set back to "-".
        RowState before = usedRow(RevealKind::radioSet, 2);
        before.position = 1;
        before.count = 18;
        before.radios = kRevealed;
        before.value = 0;
        RowState expected = initialRowState(RevealKind::radioSet);
        cases.push_back(
            {"radio set back to '-': 不固定, 0, 无限制, all disabled", before, expected});
    }
    {
        RowState before = usedRow(RevealKind::checkBox, 3);
        before.position = 2;
        before.count = 5;
        before.checked = true;
        before.value = 0;
        cases.push_back({"check box back to '-': cleared and disabled", before,
                         initialRowState(RevealKind::checkBox)});
    }
    {
        RowState before = usedRow(RevealKind::none, 4);
        before.position = 4;
        before.count = 7;
        before.value = 0;
        cases.push_back({"plain back to '-'", before, initialRowState(RevealKind::none)});
    }
    for (RevealKind reveal : {RevealKind::none, RevealKind::checkBox, RevealKind::radioSet}) {
        RowState before = initialRowState(reveal);
        before.value = 1;
        RowState expected = before;
        expected.positionEnabled = expected.countEnabled = true;
        expected.revealEnabled = reveal != RevealKind::none;
        cases.push_back({"不指定 enables the row like a concrete value", before, expected});
    }
    {
        // Another value keeps what the user had chosen.
        RowState before = usedRow(RevealKind::checkBox, 2);
        before.position = 3;
        before.count = 9;
        before.checked = true;
        before.value = 5;
        RowState expected = before;
        cases.push_back({"a new value keeps position, count and check", before, expected});
    }
    {
        RowState before = usedRow(RevealKind::radioSet, 2);
        before.radios = {false, false, false, true, false};
        before.value = 6;
        cases.push_back({"a new value keeps the radio choice", before, before});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(applyRowEnabling(c.before), c.expected);
    }
}

TEST(RowEnablingRule, RowReturnedToValueShowsTheResetChoices) {
    RowState row = usedRow(RevealKind::radioSet, 2);
    row.position = 1;
    row.count = 18;
    row.radios = kRevealed;
    row.value = 0;
    row = applyRowEnabling(row);
    row.value = 2;
    row = applyRowEnabling(row);
    EXPECT_EQ(row.position, 0);
    EXPECT_EQ(row.count, 0);
    EXPECT_EQ(row.radios, kUnrestricted);
    EXPECT_TRUE(row.positionEnabled && row.countEnabled && row.revealEnabled);
}

// A loaded row keeps every saved selection, even an unused row's leftovers;
// only which controls can be used follows the value.
TEST(RowEnablingRule, LoadedRowKeepsItsSelections) {
    RowState row = initialRowState(RevealKind::checkBox);
    row.position = 1;
    row.count = 18;
    row.checked = true;
    const RowState unused = withRowEnabling(row);
    EXPECT_EQ(unused.position, 1);
    EXPECT_EQ(unused.count, 18);
    EXPECT_TRUE(unused.checked);
    EXPECT_FALSE(unused.positionEnabled || unused.countEnabled || unused.revealEnabled);
    row.value = 3;
    const RowState used = withRowEnabling(row);
    EXPECT_EQ(used.count, 18);
    EXPECT_TRUE(used.positionEnabled && used.countEnabled && used.revealEnabled);
}

TEST(CountPresetRule, FixedPositionPresetsTheCount) {
    struct Case {
        const char* note;
        int position;
        int countBefore;
        int preset;
        int countAfter;
    };
    const Case cases[] = {
        {"年柱 presets 非0 of count list 0-4", 1, 0, 5, 5},
        {"after the user picked 2, 月柱 presets 非0 again", 2, 2, 5, 5},
        {"不固定 leaves the count", 0, 2, 5, 2},
        {"不固定 leaves a preset count", 0, 5, 5, 5},
        {"地支 in count list 0-8", 10, 0, 9, 9},
        {"时支 in count list 0-7", 7, 3, 8, 8},
        {"时柱 in count list 0-6 (神煞)", 4, 0, 7, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        RowState row = usedRow(RevealKind::checkBox, 2);
        row.position = c.position;
        row.count = c.countBefore;
        const RowState after = applyCountPreset(row, c.preset);
        EXPECT_EQ(after.count, c.countAfter);
        RowState expected = row;
        expected.count = c.countAfter;
        EXPECT_EQ(after, expected) << "only the count may change";
    }
}

TEST(CountPresetRule, EveryGroupPresetsTheItemNon0) {
    for (const GroupSpec& g : groupSpecs()) {
        SCOPED_TRACE(std::string(g.boxName));
        const auto items = itemsOf(g.countList);
        ASSERT_LT(static_cast<std::size_t>(g.countPresetIndex), items.size());
        EXPECT_EQ(items[static_cast<std::size_t>(g.countPresetIndex)], "非0");
    }
}

} // namespace
} // namespace bazi::ui

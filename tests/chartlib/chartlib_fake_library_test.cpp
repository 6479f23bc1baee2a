// Runs beside a libpelta.so that breaks its contract (tests/pelta/fake_pelta.cpp):
// null texts read as "", and a branch whose hidden stems are not one to three
// whole characters leaves its three slots empty instead of half-filled.
#include "chartlib/chart_primitives.h"
#include "chart/chart_tables.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ChartlibFakeLibrary, NullTextsReadAsEmpty) {
    EXPECT_EQ(bazi::chartlib::elementOf("甲"), "");
    EXPECT_EQ(bazi::chartlib::tenGodOf("甲", "乙", 1), "");
    EXPECT_EQ(bazi::chartlib::hiddenStemsOf("辰"), "");
}

TEST(ChartlibFakeLibrary, MalformedHiddenStemsLeaveTheBranchEmpty) {
    // Branches: 子 four stems, 丑 none, 寅 a stem and a space, 辰 null; then 卯 one stem.
    struct Case {
        std::string chart, firstSlot;
        const char* note;
    };
    const Case cases[] = {
        {"甲子乙卯丙卯丁卯", "", "four stems"},
        {"甲丑乙卯丙卯丁卯", "", "no stem"},
        {"甲寅乙卯丙卯丁卯", "", "a stem and a space"},
        {"甲辰乙卯丙卯丁卯", "", "null"},
        {"甲卯乙卯丙卯丁卯", "壬", "one stem, well formed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        const bazi::ChartTable chart = bazi::fillChartTable(c.chart, 1);
        const bazi::HiddenStemTable hidden = bazi::fillHiddenStemTable(chart, 1);
        EXPECT_EQ(hidden.slots[0].character, c.firstSlot);
        EXPECT_EQ(hidden.slots[1].character, "");
        EXPECT_EQ(hidden.slots[2].character, "");
        EXPECT_EQ(hidden.slots[3].character, "壬"); // the month branch 卯 is unaffected
        // The facts of every slot are still asked, the empty ones included.
        for (const bazi::ChartCell& slot : hidden.slots) {
            EXPECT_EQ(slot.ordinal, 42);
            EXPECT_EQ(slot.element, "");
            EXPECT_EQ(slot.tenGod, "");
        }
    }
}

} // namespace

// Runs beside a libpelta.so that breaks its contract (tests/chartlib/fake_pelta.cpp):
// null texts read as "", and a branch whose hidden stems are not one to three
// whole characters leaves its three slots empty instead of half-filled; text
// answers that are not well-formed UTF-8 or too long read as ""; counts out of
// range are refused, also in the middle of a query.
#include "chartlib/chart_primitives.h"
#include "chart/chart_tables.h"
#include "form/form_state.h"
#include "query/query_driver.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
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

TEST(ChartlibFakeLibrary, TextsThatAreNotWellFormedOrTooLongReadAsEmpty) {
    EXPECT_EQ(bazi::chartlib::elementOf("午"), "");       // a character cut off at the end
    EXPECT_EQ(bazi::chartlib::elementOf("未"), "");       // no zero byte within the bound
    EXPECT_EQ(bazi::chartlib::hiddenStemsOf("午"), "");   // 甲 and a cut-off 乙
    EXPECT_EQ(bazi::chartlib::hiddenStemsOf("未"), "");   // 甲 and a surrogate
    EXPECT_EQ(bazi::chartlib::hiddenStemsOf("申"), "");   // an overlong form
    EXPECT_EQ(bazi::chartlib::hiddenStemsOf("卯"), "壬"); // well formed
}

TEST(ChartlibFakeLibrary, HiddenStemsWithACutOffCharacterNeverLandInASlot) {
    // Each text has the byte length of whole stems, so only a full UTF-8 check tells.
    for (const char* chart : {"甲午乙卯丙卯丁卯", "甲未乙卯丙卯丁卯", "甲申乙卯丙卯丁卯"}) {
        SCOPED_TRACE(chart);
        const bazi::ChartTable table = bazi::fillChartTable(chart, 1);
        const bazi::HiddenStemTable hidden = bazi::fillHiddenStemTable(table, 1);
        for (std::size_t slot = 0; slot < 3; ++slot)
            EXPECT_EQ(hidden.slots[slot].character, "") << "slot " << slot;
        EXPECT_EQ(hidden.slots[3].character, "壬");
    }
}

TEST(ChartlibFakeLibrary, CountsOutOfRangeAreRefused) {
    using namespace bazi::chartlib;
    const std::array<std::string, 4> four{"a", "b", "c", "d"};
    const std::array<std::string, 4> fourFirstEmptyMark{"空", "b", "c", "d"};
    const std::array<std::string, 12> twelve{};
    const std::array<std::string, 3> three{"a", "b", "c"};
    struct Case {
        std::function<int()> count;
        int expected; // -1: refused
        const char* note;
    };
    const Case cases[] = {
        {[&] { return countStemElements(four, "4"); }, 4, "4 of 4 names"},
        {[&] { return countStemElements(four, "5"); }, -1, "5 of 4 names"},
        {[&] { return countStemElements(four, "木"); }, -1, "INT32_MAX"},
        {[&] { return countBranchElements(four, "火"); }, -1, "negative"},
        {[&] { return countBranchElements(four, "土"); }, -1, "5 of 4 names"},
        {[&] { return countStemElements(four, ""); }, 0, "the empty name, 0"},
        {[&] { return countStemElements(fourFirstEmptyMark, ""); }, -1, "the empty name, 1"},
        {[&] { return countHiddenElements(twelve, "12"); }, 12, "12 of 12 names"},
        {[&] { return countHiddenElements(twelve, "13"); }, -1, "13 of 12 names"},
        {[&] { return countHiddenElements(twelve, "土"); }, 5, "5 of 12 names"},
        {[&] { return countHiddenTenGods(twelve, "火"); }, -1, "negative of 12"},
        {[&] { return countStemTenGods(three, "3"); }, 3, "3 of 3 names"},
        {[&] { return countStemTenGods(three, "4"); }, -1, "4 of 3 names"},
        {[&] { return countBranchTenGods(four, "木"); }, -1, "INT32_MAX ten-gods"},
        {[&] { return countName("甲乙丙", "9"); }, 9, "9 one-byte names in 9 bytes"},
        {[&] { return countName("甲乙丙", "10"); }, -1, "10 two-byte names in 9 bytes"},
        {[&] { return countName("甲乙丙", "4"); }, 4, "4 of at most 9"},
        {[&] { return countName("", "1"); }, -1, "1 in nothing"},
        {[&] { return countName("空", ""); }, -1, "the empty name in 取干支数量"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        if (c.expected >= 0) {
            EXPECT_EQ(c.count(), c.expected);
            continue;
        }
        EXPECT_THROW((void)c.count(), LibraryAnswerError);
    }
    try {
        (void)countStemElements(four, "木");
        ADD_FAILURE() << "accepted";
    } catch (const LibraryAnswerError& e) {
        EXPECT_STREQ(e.what(), "libpelta.so: 取天干五行数量 answered 2147483647, not a count from "
                               "0 to 4; the chart primitives library is damaged or not this "
                               "program's");
    }
}

TEST(ChartlibFakeLibrary, AQueryCountsTheLibrarysTypedAnswersItself) {
    // Summing stem, branch and hidden counts of INT32_MAX each would overflow.
    // A query no longer asks the library's counts: it keeps the library's
    // answers as typed values (none, for this library's null texts) and counts
    // places itself, so it runs to its end and finds nothing.
    for (const char* element : {"木", "火", "土"}) {
        SCOPED_TRACE(element);
        bazi::FormState form(bazi::CivilDate{2016, 3, 16});
        form.select("组合框_行1", element == std::string("木")   ? 4
                                  : element == std::string("火") ? 5
                                                                 : 6);
        form.select("组合框_行数量1", 1);
        ASSERT_EQ(form.selectedText("组合框_行1"), element);
        const bazi::QueryResult result = bazi::runQuery(form);
        EXPECT_EQ(result.matchCount(), 0);
        EXPECT_EQ(result.conditionCount, 1);
    }
}

} // namespace

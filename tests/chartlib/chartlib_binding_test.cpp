// The binding loads libpelta from the test's own folder (build/<preset>/bin)
// and hands texts and counts through unchanged.
#include "chartlib/chart_primitives.h"
#include "chartlib/library_loader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

using namespace bazi::chartlib;

TEST(ChartlibBinding, LibraryLiesBesideTheExecutable) {
    EXPECT_EQ(libraryFileName(), "libpelta.so");
    EXPECT_TRUE(std::filesystem::exists(executableDirectory() / libraryFileName()))
        << executableDirectory();
}

TEST(ChartlibBinding, TextAnswers) {
    EXPECT_EQ(elementOf("庚"), "金");
    EXPECT_EQ(elementOf(""), "");
    EXPECT_EQ(ordinalOf("亥"), 12);
    EXPECT_EQ(ordinalOf(""), 0);
    EXPECT_EQ(tenGodOf("丁", "亥", 1), "偏官");
    EXPECT_EQ(tenGodOf("丁", "亥", 0), "正官");
    EXPECT_EQ(tenGodOf("丁", "", 1), "");
    EXPECT_EQ(hiddenStemsOf("丑"), "己癸辛");
    EXPECT_EQ(hiddenStemsOf(""), "");
}

// Views into a longer text are not zero-terminated where they end: the binding
// must pass exactly the viewed characters.
TEST(ChartlibBinding, ViewsAreCutWhereTheyEnd) {
    const std::string chart = "丙申辛卯丁酉辛亥";
    const std::string_view view = chart;
    EXPECT_EQ(elementOf(view.substr(0, 3)), "火");
    EXPECT_EQ(ordinalOf(view.substr(3, 3)), 9);
    EXPECT_EQ(tenGodOf(view.substr(12, 3), view.substr(21, 3), 1), "偏官");
    EXPECT_EQ(hiddenStemsOf(view.substr(9, 3)), "乙");
    EXPECT_EQ(countName(view.substr(0, 12), "辛"), 1);
    EXPECT_EQ(countStemElements({"金", "金", "木", ""}, view.substr(0, 0)), 0);
    EXPECT_EQ(countStemElements({"金", "金", "木", ""}, std::string_view("金木").substr(0, 3)), 2);
}

TEST(ChartlibBinding, Counts) {
    const std::array<std::string, 12> twelve{"木", "", "", "水", "", "",
                                             "木", "", "", "",   "", "木"};
    EXPECT_EQ(countStemElements({"木", "火", "木", "土"}, "木"), 2);
    EXPECT_EQ(countBranchElements({"木", "火", "木", "木"}, "木"), 3);
    EXPECT_EQ(countHiddenElements(twelve, "木"), 3);
    EXPECT_EQ(countHiddenElements(twelve, ""), 0);
    EXPECT_EQ(countStemTenGods({"比肩", "正官", "比肩"}, "比肩"), 2);
    EXPECT_EQ(countBranchTenGods({"比肩", "正官", "比肩", "正官"}, "正官"), 2);
    EXPECT_EQ(countHiddenTenGods({"正印", "", "", "正印"}, "正印"), 2);
    EXPECT_EQ(countName("偏财正财比肩比肩", "比肩"), 2);
    // Longer than the binding's on-stack copy.
    std::string longText;
    for (int i = 0; i < 40; ++i) {
        longText += "甲乙";
    }
    EXPECT_EQ(countName(longText, "乙"), 40);
}

TEST(ChartlibBinding, MissingFunctionNamesFileAndFunction) {
    try {
        (void)resolveExport("取不存在的数量");
        FAIL() << "no error";
    } catch (const MissingFunctionError& error) {
        EXPECT_STREQ(error.what(),
                     "无法找到指定DLL库文件“libpelta.so”中的输出命令“取不存在的数量”");
        EXPECT_EQ(error.file(), "libpelta.so");
        EXPECT_EQ(error.function(), "取不存在的数量");
    }
    // The library itself stays usable.
    EXPECT_EQ(elementOf("甲"), "木");
    EXPECT_NE(resolveExport("取干支五行"), nullptr);
}

} // namespace

// Runs from a folder without libpelta.so: every function reports the missing
// library with its own export name, every time it is called.
#include "chartlib/chart_primitives.h"
#include "chartlib/library_loader.h"
#include "chart/chart_tables.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

namespace {

using namespace bazi::chartlib;

TEST(ChartlibMissingLibrary, NoLibraryBesideThisTest) {
    ASSERT_FALSE(std::filesystem::exists(executableDirectory() / libraryFileName()));
}

TEST(ChartlibMissingLibrary, EveryFunctionReportsItsExportName) {
    const std::array<std::string, 3> three{};
    const std::array<std::string, 4> four{};
    const std::array<std::string, 12> twelve{};
    struct Case {
        std::string_view exportName;
        std::function<void()> call;
    };
    const Case cases[] = {
        {"取干支五行", [] { (void)elementOf("甲"); }},
        {"取干支序数", [] { (void)ordinalOf("甲"); }},
        {"取十神关系", [] { (void)tenGodOf("甲", "乙", 1); }},
        {"取地支藏干", [] { (void)hiddenStemsOf("子"); }},
        {"取天干五行数量", [&] { (void)countStemElements(four, "木"); }},
        {"取地支五行数量", [&] { (void)countBranchElements(four, "木"); }},
        {"取藏干五行数量", [&] { (void)countHiddenElements(twelve, "木"); }},
        {"取干支数量", [] { (void)countName("甲", "甲"); }},
        {"取天干十神数量", [&] { (void)countStemTenGods(three, "比肩"); }},
        {"取地支十神数量", [&] { (void)countBranchTenGods(four, "比肩"); }},
        {"取藏干十神数量", [&] { (void)countHiddenTenGods(twelve, "比肩"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.exportName));
        const std::string expected =
            "无法找到指定DLL库文件“libpelta.so”中的输出命令“" + std::string(c.exportName) + "”";
        for (int attempt = 0; attempt < 2; ++attempt) {
            try {
                c.call();
                ADD_FAILURE() << "no error on attempt " << attempt;
            } catch (const MissingFunctionError& error) {
                EXPECT_EQ(error.what(), expected);
                EXPECT_EQ(error.file(), "libpelta.so");
                EXPECT_EQ(error.function(), c.exportName);
            }
        }
    }
}

TEST(ChartlibMissingLibrary, ChartTablesPassTheErrorOn) {
    EXPECT_THROW((void)bazi::fillChartTable("丙申辛卯丁酉辛亥", 1), MissingFunctionError);
}

} // namespace

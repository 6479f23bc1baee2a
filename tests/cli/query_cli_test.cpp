// bazi-seek query as a user runs it: golden output of each format, and the
// exit status and message of every kind of refused input.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct CommandRun {
    int status;
    std::string out; // standard output and standard error, in that order
};

// Runs `bazi-seek query ARGS`, with standard error gathered after standard output.
CommandRun runQueryCommand(const std::string& args, const std::string& binary = BAZI_SEEK_BINARY) {
    // ctest runs the tests of this file as separate processes, possibly at once.
    const auto errFile = std::filesystem::temp_directory_path() /
                         ("bazi_query_cli_test." + std::to_string(getpid()) + ".err");
    const std::string command = "cd '" BAZI_SOURCE_DIR "' && '" + binary + "' query " + args +
                                " 2>'" + errFile.string() + "'";
    CommandRun run{-1, {}};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 4096> buffer{};
    while (const std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe))
        run.out.append(buffer.data(), n);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    if (FILE* err = std::fopen(errFile.c_str(), "r")) {
        while (const std::size_t n = fread(buffer.data(), 1, buffer.size(), err))
            run.out.append(buffer.data(), n);
        std::fclose(err);
    }
    std::filesystem::remove(errFile);
    return run;
}

TEST(QueryCommand, GridOutput) {
    const CommandRun r = runQueryCommand("examples/metal-three-with-stem.json");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "公历时间          农历时间        八字\n"
                     "2021年9月8日18时  2021年 8月 初2  辛丑 丁酉 己未 癸酉\n"
                     "2021年9月8日16时  2021年 8月 初2  辛丑 丁酉 己未 壬申\n"
                     "2021年9月8日14时  2021年 8月 初2  辛丑 丁酉 己未 辛未\n"
                     "2021年9月8日12时  2021年 8月 初2  辛丑 丁酉 己未 庚午\n"
                     "查询列表完毕！\n"
                     "条件数：1  符合数：4\n");
}

TEST(QueryCommand, JsonOutputWithSettingsOnTheCommandLineOnly) {
    const CommandRun r =
        runQueryCommand("--date 2016-03-16 --set 组合框_支1=亥 --set 组合框_位置支1=时支 "
                        "--set 组合框_支数量1=1 --json");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(
        r.out,
        R"({"conditions":1,"matches":3,"status":"查询列表完毕！","summary":"条件数：1  符合数：3","message":null,"page":"查询结果","rows":[)"
        R"({"moment":"2016-03-16T22:00:00","gregorian":"2016年3月16日22时","lunar":"2016年 2月 初8","chart":"丙申 辛卯 丁酉 辛亥"},)"
        R"({"moment":"2016-03-15T22:00:00","gregorian":"2016年3月15日22时","lunar":"2016年 2月 初7","chart":"丙申 辛卯 丙申 己亥"},)"
        R"({"moment":"2016-03-14T22:00:00","gregorian":"2016年3月14日22时","lunar":"2016年 2月 初6","chart":"丙申 辛卯 乙未 丁亥"}]})"
        "\n");
}

TEST(QueryCommand, OutcomesWithoutMatchesStillExitZero) {
    const CommandRun none = runQueryCommand("--date 2016-03-16 --json");
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(
        none.out,
        R"({"conditions":0,"matches":0,"status":"查询列表完毕！","summary":"条件数：0  符合数：0","message":"未设置条件！","page":null,"rows":[]})"
        "\n");
    const CommandRun conflict = runQueryCommand("examples/conflict.json");
    EXPECT_EQ(conflict.status, 0);
    EXPECT_EQ(conflict.out, "公历时间  农历时间  八字\n查询列表完毕！\n条件数：2  符合数：0\n"
                            "指定时间内没有找到符合条件的八字或条件冲突！\n");
}

TEST(QueryCommand, CsvOutputAndSettingsAppliedAfterTheFile) {
    // The file asks for 水 hidden twice under the hour; --date moves the window
    // and --set clears the 不透 box.
    const CommandRun r =
        runQueryCommand("examples/hidden-water-hour-not-revealed.json --date 2019-11-10 "
                        "--set 选择框_行透01=false --csv");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "moment,gregorian,lunar,chart");
    EXPECT_NE(
        r.out.find("2019-11-08T00:00:00,2019年11月8日,2019年 10月 初12,己亥 甲戌 己酉 甲子\n"),
        std::string::npos);
}

TEST(QueryCommand, RefusedInputsExitTwoWithAMessageNamingTheProblem) {
    const struct {
        const char* args;
        const char* inMessage;
    } cases[] = {
        {"", "give a form state file"},
        {"/nonexistent/form.json", "cannot open"},
        {"--date 1800-01-02", "1800-01-03 to 2200-12-31"},
        {"--date 2201-01-01", "1800-01-03 to 2200-12-31"},
        {"--date 2016-02-30", "does not exist"},
        {"--date 16-3-1", "not a date"},
        {"--date 2016-03-16 --set 组合框_支9=1", "组合框_支9"},
        {"--date 2016-03-16 --set 组合框_支1=14", "index 14"},
        {"--date 2016-03-16 --set 组合框_支1", "NAME=VALUE"},
        {"--date 2016-03-16 --set 单选框2=true --set 单选框3=true", "same radio set"},
        {"--date 2016-03-16 --json --csv", "excludes"},
        {"examples/conflict.json --bogus", "bogus"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const CommandRun r = runQueryCommand(c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.out.find(c.inMessage), std::string::npos) << r.out;
    }
}

TEST(QueryCommand, AMissingChartLibraryExitsOne) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() /
                         ("bazi_query_cli_test_without_pelta." + std::to_string(getpid()));
    fs::create_directories(dir);
    const fs::path copy = dir / "bazi-seek";
    fs::copy_file(BAZI_SEEK_BINARY, copy, fs::copy_options::overwrite_existing);
    const CommandRun r = runQueryCommand("examples/metal-three-with-stem.json", copy.string());
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("无法找到指定DLL库文件“libpelta.so”中的输出命令“"), std::string::npos)
        << r.out;
    fs::remove_all(dir);
}

} // namespace

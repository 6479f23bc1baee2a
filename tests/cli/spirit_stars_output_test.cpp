// The spirit stars as the chart command prints them.
#include "cli/spirit_stars_output.h"

#include <gtest/gtest.h>

namespace bazi {
namespace {

TEST(SpiritStarsOutput, JsonListsEveryPillarInOrder) {
    const ChartIndices chart = chartIndicesOfText("甲子己巳辛未甲午");
    EXPECT_EQ(
        cli::spiritStarsJson(chart, false).dump(),
        R"({"年柱":["咸池"],"月柱":["驿马"],"日柱":["天德贵人","童子","元辰"],"时柱":["天乙贵人","童子"]})");
    EXPECT_EQ(
        cli::spiritStarsJson(chart, true).dump(),
        R"({"年柱":["咸池"],"月柱":["驿马","元辰"],"日柱":["天德贵人","童子"],"时柱":["天乙贵人","童子"]})");
    EXPECT_EQ(cli::spiritStarsJson(ChartIndices{}, false).dump(),
              R"({"年柱":[],"月柱":[],"日柱":[],"时柱":[]})");
}

TEST(SpiritStarsOutput, DirectJsonEqualsTheJsonValue) {
    for (const char* text : {"甲子己巳辛未甲午", "癸亥甲子丁卯辛亥", "甲子丙寅戊辰壬子", ""}) {
        SCOPED_TRACE(text);
        const ChartIndices chart = chartIndicesOfText(text);
        for (const bool female : {false, true}) {
            std::string direct;
            cli::appendSpiritStarsJson(direct, chart, female);
            EXPECT_EQ(nlohmann::ordered_json::parse(direct), cli::spiritStarsJson(chart, female));
        }
    }
}

TEST(SpiritStarsOutput, TextLine) {
    EXPECT_EQ(cli::spiritStarsLine(chartIndicesOfText("甲子己巳辛未甲午"), false),
              "神煞  年柱 咸池  月柱 驿马  日柱 天德贵人、童子、元辰  时柱 天乙贵人、童子");
    EXPECT_EQ(cli::spiritStarsLine(ChartIndices{}, false), "神煞  年柱 -  月柱 -  日柱 -  时柱 -");
}

} // namespace
} // namespace bazi

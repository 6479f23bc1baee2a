// The ISO date forms, the listing's JSON writers and the chart sought by the
// reverse lookup, as every listing writes them.
#include "texts/iso_text.h"
#include "texts/json_text.h"
#include "texts/lookup_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace bazi {
namespace {

TEST(IsoText, FieldsArePaddedToTheirWidth) {
    const CivilDateTime early{{1, 2, 3}, 4, 5, 6};
    EXPECT_EQ(isoDateText(early.date), "0001-02-03");
    EXPECT_EQ(isoMomentText(early), "0001-02-03T04:05:06");
    EXPECT_EQ(spacedIsoMomentText(early), "0001-02-03 04:05:06");
    const CivilDateTime late{{9999, 12, 31}, 23, 59, 59};
    EXPECT_EQ(isoMomentText(late), "9999-12-31T23:59:59");
    EXPECT_EQ(spacedIsoMomentText({{2016, 3, 16}, 22, 0, 0}), "2016-03-16 22:00:00");
}

TEST(JsonText, TextIsEscapedOnlyWhereJsonRequires) {
    std::string out;
    appendJsonString(out, "丙申 *");
    EXPECT_EQ(out, "\"丙申 *\"");
    out.clear();
    appendJsonString(out, "a\"b\\c\n");
    EXPECT_EQ(out, R"("a\"b\\c\n")");
    out.clear();
    appendJsonString(out, "\xE4\xB8"); // a character cut short
    EXPECT_EQ(out, "\"\xEF\xBF\xBD\"") << "U+FFFD in its place";
}

TEST(JsonText, MembersAreSeparatedAfterTheFirst) {
    std::string out = "{";
    appendJsonKey(out, "a");
    out += "1";
    appendJsonKey(out, "b");
    out += "2}";
    EXPECT_EQ(out, R"({"a": 1, "b": 2})");
    EXPECT_EQ(jsonLine(nlohmann::ordered_json{{"year", 2016}, {"name", "小寒"}}),
              R"({"year": 2016, "name": "小寒"})");
}

TEST(JsonText, ALunarDateIsMarkedWhenReckoned) {
    std::string out;
    appendLunarJson(out, LunarDate{2020, 4, 25, true}, CivilDate{2020, 6, 16});
    EXPECT_EQ(out, R"({"year": 2020, "month": 4, "day": 25, "leap": true})");
    out.clear();
    appendLunarJson(out, LunarDate{1900, 1, 1, false}, CivilDate{1900, 1, 31});
    EXPECT_EQ(out, R"({"year": 1900, "month": 1, "day": 1, "leap": false, "reckoned": true})");
}

TEST(LookupTexts, AChartSoughtIsWrittenWithItsUnknownPillars) {
    EXPECT_EQ(chartPatternText(ChartPattern{{33, 28, 34, 48}}), "丙申 辛卯 丁酉 辛亥");
    EXPECT_EQ(chartPatternText(ChartPattern{{0, 28, 34, 0}}), "* 辛卯 丁酉 *");
    EXPECT_EQ(chartPatternText(ChartPattern{}), "* * * *");
}

} // namespace
} // namespace bazi

// The facts of a chart: a hand-worked chart, agreement with the chart tables the
// library fills text by text, the stars, and the facts formed a pillar at a time.
#include "chart/chart_facts.h"

#include "calendar/four_pillars.h"
#include "chart/chart_tables.h"
#include "chart/library_facts.h"
#include "chart/spirit_stars.h"

#include <gtest/gtest.h>

#include <string>

namespace bazi {
namespace {

const LibraryFacts& library() {
    return libraryFacts();
}

// 丙申 辛卯 丁酉 辛亥, day stem 丁 (yin fire):
//   elements   火 金 | 金 木 | 火 金 | 金 水      eight: 金4 火2 木1 水1 土0
//   hidden     申 庚壬戊 | 卯 乙 | 酉 辛 | 亥 壬甲  slots: 金2 水2 木2 土1 火0
//   ten-gods   劫财 正财 | 偏财 偏印 | 比肩 偏财 | 偏财 偏官 (亥 正官 when swapped)
TEST(ChartFacts, AHandWorkedChart) {
    const ChartFacts f = chartFactsOf(PillarIndices{33, 28, 34, 48}, library());
    ASSERT_EQ(pillarText(f.pillars.year) + pillarText(f.pillars.month) + pillarText(f.pillars.day) +
                  pillarText(f.pillars.hour),
              "丙申辛卯丁酉辛亥");
    const auto count = [&](std::string_view element, PlaceSet region) {
        return countIn(f.placesOf(elementOfText(element)), region);
    };
    EXPECT_EQ(count("金", kAllCharacters), 4);
    EXPECT_EQ(count("火", kAllCharacters), 2);
    EXPECT_EQ(count("土", kAllCharacters), 0);
    EXPECT_EQ(count("金", kAllSlots), 2);
    EXPECT_EQ(count("土", kAllSlots), 1);
    EXPECT_EQ(count("火", kAllSlots), 0);
    EXPECT_EQ(count("火", kFourStems), 2);
    EXPECT_EQ(tenGodText(f.tenGodAt(ChartPlace::yearStem, false)), "劫财");
    EXPECT_EQ(tenGodText(f.tenGodAt(ChartPlace::dayStem, false)), "比肩");
    EXPECT_EQ(tenGodText(f.tenGodAt(ChartPlace::hourBranch, false)), "偏官");
    EXPECT_EQ(tenGodText(f.tenGodAt(ChartPlace::hourBranch, true)), "正官");
    EXPECT_EQ(countIn(f.placesOf(tenGodOfText("偏财"), false), kAllCharacters), 3);
    EXPECT_EQ(std::string(stemText(f.hiddenStems[0])) + std::string(stemText(f.hiddenStems[1])) +
                  std::string(stemText(f.hiddenStems[2])),
              "庚壬戊");
    EXPECT_FALSE(f.hiddenStems[4].ok()) << "卯 hides one stem only";
    EXPECT_EQ(countIn(f.placesOf(stemOfText("壬")), kAllSlots), 2);
    EXPECT_EQ(f.placesOf(branchOfText("亥")), placeBit(ChartPlace::hourBranch));
}

// Every place's element and ten-god as the library answers it character by
// character (the chart tables), for every two-hour moment of a year.
TEST(ChartFacts, AgreeWithTheChartTablesEveryTwoHoursOf2016) {
    for (CivilDateTime t{{2016, 1, 1}, 0, 0, 0}; t.date.year == 2016; t = addHours(t, 2)) {
        const PillarIndices p = pillarIndices(t);
        const ChartFacts f = chartFactsOf(p, library());
        const std::string text =
            pillarText(p.year) + pillarText(p.month) + pillarText(p.day) + pillarText(p.hour);
        for (const bool swap : {false, true}) {
            const ChartTable table = fillChartTable(text, swapFlagOf(swap));
            const HiddenStemTable hidden = fillHiddenStemTable(table, swapFlagOf(swap));
            for (std::size_t place = 0; place < 8; ++place) {
                const PlaceSet bit = PlaceSet{1} << place;
                ASSERT_EQ(elementText(f.elementAt(bit)), table.cells[place].element) << text;
                ASSERT_EQ(tenGodText(f.tenGodAt(bit, swap)), table.cells[place].tenGod) << text;
            }
            for (int slot = 0; slot < 12; ++slot) {
                const auto& cell = hidden.slots[static_cast<std::size_t>(slot)];
                ASSERT_EQ(stemText(f.hiddenStems[static_cast<std::size_t>(slot)]), cell.character);
                ASSERT_EQ(elementText(f.elementAt(slotBit(slot))), cell.element) << text;
                ASSERT_EQ(tenGodText(f.tenGodAt(slotBit(slot), swap)), cell.tenGod) << text;
            }
        }
        for (const bool female : {false, true}) {
            const auto stars = allStars(ChartIndices{p.year, p.month, p.day, p.hour}, female);
            for (int s = 1; s <= kSpiritStarCount; ++s) {
                const StarPillars& want = stars[static_cast<std::size_t>(s - 1)];
                const std::uint8_t bits = f.starAt(static_cast<SpiritStar>(s), female);
                for (std::size_t pillar = 0; pillar < 4; ++pillar)
                    ASSERT_EQ((bits >> pillar & 1U) != 0, want.at[pillar]) << text << " star " << s;
            }
        }
    }
}

TEST(ChartFacts, FormedAPillarAtATimeAsWhole) {
    const HourPillarPlaces hours(library());
    for (int day = 1; day <= 60; day += 7) {
        const PillarIndices ymd{33, 28, day, 0};
        const ChartFacts base = chartFactsBeforeHour(ymd, library());
        for (int branch = 1; branch <= 12; ++branch) {
            const int hour = hourPillarOf(day, branch);
            const PillarIndices whole{33, 28, day, hour};
            EXPECT_EQ(withHourPillar(base, hour, library(), hours, true),
                      chartFactsOf(whole, library()));
            const ChartFacts noStars = withHourPillar(base, hour, library(), hours, false);
            EXPECT_EQ(noStars.placesOf(Element(0)),
                      chartFactsOf(whole, library()).placesOf(Element(0)));
            EXPECT_EQ(noStars.starAt(SpiritStar::tianYi, false), 0);
        }
        // An hour pillar the five rats do not give this day (the late 子 of the
        // same-day convention) is added place by place.
        const int nextDaysZi = hourPillarOf(cycleAdd(day, 1), 1);
        const PillarIndices lateZi{33, 28, day, nextDaysZi};
        EXPECT_EQ(withHourPillar(base, nextDaysZi, library(), hours, true),
                  chartFactsOf(lateZi, library()));
    }
}

TEST(ChartFacts, MissingPillarsHaveNoPlaces) {
    const ChartFacts none = chartFactsOf(PillarIndices{}, library());
    for (int e = 0; e < 5; ++e)
        EXPECT_EQ(none.placesOf(Element(e)), 0u);
    for (int t = 0; t < 10; ++t)
        EXPECT_EQ(none.placesOf(TenGod(t), false), 0u);
    EXPECT_EQ(none.starAt(SpiritStar::kongWang, false), 0);
}

} // namespace
} // namespace bazi

// Chart tables of whole charts, checked by hand against the traditional tables.
#include "chart/chart_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using bazi::ChartCell;
using bazi::ChartTable;
using bazi::HiddenStemTable;

struct Cell {
    std::string character, element, tenGod;
    int ordinal;
};

void expectCells(const std::array<ChartCell, 8>& got, const std::array<Cell, 8>& want) {
    for (std::size_t i = 0; i < got.size(); ++i) {
        SCOPED_TRACE("cell " + std::to_string(i + 1));
        EXPECT_EQ(got[i].character, want[i].character);
        EXPECT_EQ(got[i].element, want[i].element);
        EXPECT_EQ(got[i].tenGod, want[i].tenGod);
        EXPECT_EQ(got[i].ordinal, want[i].ordinal);
    }
}

void expectSlots(const std::array<ChartCell, 12>& got, const std::array<Cell, 12>& want) {
    for (std::size_t i = 0; i < got.size(); ++i) {
        SCOPED_TRACE("slot " + std::to_string(i + 1));
        EXPECT_EQ(got[i].character, want[i].character);
        EXPECT_EQ(got[i].element, want[i].element);
        EXPECT_EQ(got[i].tenGod, want[i].tenGod);
        EXPECT_EQ(got[i].ordinal, want[i].ordinal);
    }
}

const Cell kEmpty{"", "", "", 0};

// clang-format off

struct ChartCase {
    std::string chart;
    int swapFlag;
    std::array<Cell, 8> cells;
    std::array<Cell, 12> slots;
    std::string note;
};

// Day stem 丁 (yin fire). Only 亥 among the characters changes with the swap;
// hidden stems are stems and never do.
const std::array<Cell, 12> kBingShenSlots{{
    {"庚", "金", "正财", 7}, {"壬", "水", "正官", 9}, {"戊", "土", "伤官", 5},
    {"乙", "木", "偏印", 2}, kEmpty, kEmpty,
    {"辛", "金", "偏财", 8}, kEmpty, kEmpty,
    {"壬", "水", "正官", 9}, {"甲", "木", "正印", 1}, kEmpty,
}};

// Day stem 甲 (yang wood) over 子 午 午 巳: every branch changes with the swap.
const std::array<Cell, 12> kRenZiSlots{{
    {"癸", "水", "正印", 10}, kEmpty, kEmpty,
    {"丁", "火", "伤官", 4}, {"己", "土", "正财", 6}, kEmpty,
    {"丁", "火", "伤官", 4}, {"己", "土", "正财", 6}, kEmpty,
    {"丙", "火", "食神", 3}, {"庚", "金", "偏官", 7}, {"戊", "土", "偏财", 5},
}};

const std::vector<ChartCase> kCharts{
    {"丙申辛卯丁酉辛亥", 1,
     {{{"丙", "火", "劫财", 3}, {"申", "金", "正财", 9}, {"辛", "金", "偏财", 8}, {"卯", "木", "偏印", 4},
       {"丁", "火", "比肩", 4}, {"酉", "金", "偏财", 10}, {"辛", "金", "偏财", 8}, {"亥", "水", "偏官", 12}}},
     kBingShenSlots, "丙申 辛卯 丁酉 辛亥, unswapped: 亥 yin"},
    {"丙申辛卯丁酉辛亥", 0,
     {{{"丙", "火", "劫财", 3}, {"申", "金", "正财", 9}, {"辛", "金", "偏财", 8}, {"卯", "木", "偏印", 4},
       {"丁", "火", "比肩", 4}, {"酉", "金", "偏财", 10}, {"辛", "金", "偏财", 8}, {"亥", "水", "正官", 12}}},
     kBingShenSlots, "丙申 辛卯 丁酉 辛亥, swapped: 亥 yang"},
    {"壬子丙午甲午己巳", 1,
     {{{"壬", "水", "偏印", 9}, {"子", "水", "偏印", 1}, {"丙", "火", "食神", 3}, {"午", "火", "食神", 7},
       {"甲", "木", "比肩", 1}, {"午", "火", "食神", 7}, {"己", "土", "正财", 6}, {"巳", "火", "伤官", 6}}},
     kRenZiSlots, "壬子 丙午 甲午 己巳, unswapped"},
    {"壬子丙午甲午己巳", 0,
     {{{"壬", "水", "偏印", 9}, {"子", "水", "正印", 1}, {"丙", "火", "食神", 3}, {"午", "火", "伤官", 7},
       {"甲", "木", "比肩", 1}, {"午", "火", "伤官", 7}, {"己", "土", "正财", 6}, {"巳", "火", "食神", 6}}},
     kRenZiSlots, "壬子 丙午 甲午 己巳, swapped"},
};

// clang-format on

TEST(ChartTables, WholeChartsByHand) {
    for (const ChartCase& c : kCharts) {
        SCOPED_TRACE(c.note);
        const ChartTable chart = bazi::fillChartTable(c.chart, c.swapFlag);
        expectCells(chart.cells, c.cells);
        expectSlots(bazi::fillHiddenStemTable(chart, c.swapFlag).slots, c.slots);
    }
}

TEST(ChartTables, SpacesAreIgnored) {
    const ChartTable plain = bazi::fillChartTable("丙申辛卯丁酉辛亥", 1);
    const char* spaced[] = {
        "丙申 辛卯 丁酉 辛亥",
        "丙申\u3000辛卯\u3000丁酉\u3000辛亥",
        " 丙 申辛卯　丁酉 \u3000 辛亥\u3000 ",
        "丙申辛卯丁酉辛亥   ",
    };
    for (const char* text : spaced) {
        SCOPED_TRACE(text);
        const ChartTable chart = bazi::fillChartTable(text, 1);
        for (std::size_t i = 0; i < chart.cells.size(); ++i) {
            SCOPED_TRACE("cell " + std::to_string(i + 1));
            EXPECT_EQ(chart.cells[i].character, plain.cells[i].character);
            EXPECT_EQ(chart.cells[i].element, plain.cells[i].element);
            EXPECT_EQ(chart.cells[i].tenGod, plain.cells[i].tenGod);
            EXPECT_EQ(chart.cells[i].ordinal, plain.cells[i].ordinal);
        }
    }
}

TEST(ChartTables, ShortAndLongTexts) {
    // Three characters: cells 4..8 are empty, and without a day stem no cell has a ten-god.
    // clang-format off
    const ChartTable shortChart = bazi::fillChartTable("丙申辛", 1);
    expectCells(shortChart.cells, {{{"丙", "火", "", 3}, {"申", "金", "", 9}, {"辛", "金", "", 8},
                                    kEmpty, kEmpty, kEmpty, kEmpty, kEmpty}});
    const HiddenStemTable shortHidden = bazi::fillHiddenStemTable(shortChart, 1);
    expectSlots(shortHidden.slots, {{{"庚", "金", "", 7}, {"壬", "水", "", 9}, {"戊", "土", "", 5},
                                     kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty,
                                     kEmpty}});
    // clang-format on
    // Characters past the eighth are ignored.
    const ChartTable longChart = bazi::fillChartTable("丙申辛卯丁酉辛亥甲子", 1);
    EXPECT_EQ(longChart.cells[7].character, "亥");
    // Nothing at all: every fact of both tables is the library's answer for "".
    const ChartTable none = bazi::fillChartTable("", 1);
    expectCells(none.cells, {{kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty}});
    for (const ChartCell& slot : bazi::fillHiddenStemTable(none, 0).slots) {
        EXPECT_EQ(slot.character, "");
        EXPECT_EQ(slot.element, "");
        EXPECT_EQ(slot.tenGod, "");
        EXPECT_EQ(slot.ordinal, 0);
    }
}

TEST(ChartTables, SingleHiddenStemBranchesFillOneSlot) {
    // 子 卯 酉 hold one stem each, 午 two; 丑 three.
    const ChartTable chart = bazi::fillChartTable("甲子乙卯丙酉丁午", 1);
    const HiddenStemTable hidden = bazi::fillHiddenStemTable(chart, 1);
    // Day stem 丙 (yang fire).
    // clang-format off
    expectSlots(hidden.slots, {{{"癸", "水", "正官", 10}, kEmpty, kEmpty,
                                {"乙", "木", "正印", 2}, kEmpty, kEmpty,
                                {"辛", "金", "正财", 8}, kEmpty, kEmpty,
                                {"丁", "火", "劫财", 4}, {"己", "土", "伤官", 6}, kEmpty}});
    // clang-format on
}

TEST(ChartTables, DayStemIsItsOwnPeer) {
    const char* stems[] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
    for (const char* stem : stems) {
        SCOPED_TRACE(stem);
        for (int flag : {0, 1}) {
            const ChartTable chart =
                bazi::fillChartTable(std::string("甲子乙丑") + stem + "寅丙辰", flag);
            EXPECT_EQ(chart.cells[4].tenGod, "比肩");
        }
    }
}

TEST(ChartTables, BranchInAStemPositionOrStemInABranchPosition) {
    // Garbled chart: the day "stem" is a branch, so no ten-god anywhere; a stem
    // standing where a branch belongs hides nothing.
    const ChartTable chart = bazi::fillChartTable("子甲丑乙寅丙卯丁", 1);
    for (const ChartCell& cell : chart.cells) {
        EXPECT_EQ(cell.tenGod, "");
        EXPECT_FALSE(cell.element.empty());
    }
    for (const ChartCell& slot : bazi::fillHiddenStemTable(chart, 1).slots) {
        EXPECT_EQ(slot.character, "");
    }
}

} // namespace

// The counts of the element, stem, branch and hidden-stem rows agree with an
// independent tally of the characters, for every two-hour moment of 2016 and
// every value and exact count.
#include "conditions/conditions.h"
#include "calendar/moment_chart.h"
#include "query/query_driver.h"

#include "row_builder.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

namespace {

// Index of a std::array or vector from a signed loop counter.
constexpr std::size_t idx(int i) {
    return static_cast<std::size_t>(i);
}

using namespace bazi;

// The traditional tables, written out again here for the tally.
const std::map<std::string, std::string> kElementOf = {
    {"甲", "木"}, {"乙", "木"}, {"丙", "火"}, {"丁", "火"}, {"戊", "土"}, {"己", "土"},
    {"庚", "金"}, {"辛", "金"}, {"壬", "水"}, {"癸", "水"}, {"子", "水"}, {"丑", "土"},
    {"寅", "木"}, {"卯", "木"}, {"辰", "土"}, {"巳", "火"}, {"午", "火"}, {"未", "土"},
    {"申", "金"}, {"酉", "金"}, {"戌", "土"}, {"亥", "水"}};
const std::map<std::string, std::vector<std::string>> kHiddenOf = {
    {"子", {"癸"}},       {"丑", {"己", "癸", "辛"}}, {"寅", {"甲", "丙", "戊"}},
    {"卯", {"乙"}},       {"辰", {"戊", "乙", "癸"}}, {"巳", {"丙", "庚", "戊"}},
    {"午", {"丁", "己"}}, {"未", {"己", "丁", "乙"}}, {"申", {"庚", "壬", "戊"}},
    {"酉", {"辛"}},       {"戌", {"戊", "辛", "丁"}}, {"亥", {"壬", "甲"}}};

// The eight characters of a spaced chart text "丙申 辛卯 丁酉 辛亥".
std::vector<std::string> charactersOf(const std::string& spaced) {
    std::vector<std::string> out;
    for (std::size_t k = 0; k < spaced.size();) {
        if (spaced[k] == ' ') {
            ++k;
            continue;
        }
        out.push_back(spaced.substr(k, 3)); // every character here is three bytes of UTF-8
        k += 3;
    }
    return out;
}

template <class F> int countIf(const std::vector<std::string>& items, F f) {
    int n = 0;
    for (const std::string& s : items)
        n += f(s) ? 1 : 0;
    return n;
}

// Rows "value / 不固定 / n" of one group for n = 0..4, captured once.
std::map<std::string, std::array<ConditionRow, 5>> rowsOf(GroupId id, ItemList values) {
    const char* kCounts[] = {"0", "1", "2", "3", "4"};
    std::map<std::string, std::array<ConditionRow, 5>> rows;
    for (const std::string_view v : itemsOf(values).subspan(2))
        for (int n = 0; n <= 4; ++n)
            rows[std::string(v)][idx(n)] = rowtest::rowOf(id, {v, "不固定", kCounts[idx(n)]});
    return rows;
}

TEST(GroupCounts, AgreeWithAnIndependentTallyForEveryMomentOf2016) {
    const auto elementChartRows = rowsOf(GroupId::elementChart, ItemList::elementValue);
    const auto elementHiddenRows = rowsOf(GroupId::elementHidden, ItemList::elementValue);
    const auto stemRows = rowsOf(GroupId::stem, ItemList::stemValue);
    const auto hiddenStemRows = rowsOf(GroupId::hiddenStem, ItemList::stemValue);
    const auto branchRows = rowsOf(GroupId::branch, ItemList::branchValue);
    int moments = 0;
    for (CivilDateTime t{{2016, 1, 1}, 0, 0, 0}; t.date.year == 2016; t = addHours(t, 2)) {
        const MomentChart chart = momentChartOf(t);
        const auto chars = charactersOf(chart.spacedChartText());
        ASSERT_EQ(chars.size(), 8u);
        std::vector<std::string> stems, branches, hidden;
        for (std::size_t k = 0; k < 8; ++k)
            (k % 2 == 0 ? stems : branches).push_back(chars[k]);
        for (const std::string& b : branches)
            for (const std::string& h : kHiddenOf.at(b))
                hidden.push_back(h);
        const ChartFacts facts = rowtest::factsOf(chart.chartText());
        const auto satisfied = [&](const ConditionRow& row) { return rowSatisfied(row, facts); };
        SCOPED_TRACE(chart.spacedChartText());
        for (const char* element : {"金", "水", "木", "火", "土"}) {
            const int inChart =
                countIf(chars, [&](const std::string& c) { return kElementOf.at(c) == element; });
            const int inHidden =
                countIf(hidden, [&](const std::string& c) { return kElementOf.at(c) == element; });
            for (int n = 0; n <= 4; ++n) {
                ASSERT_EQ(satisfied(elementChartRows.at(element)[idx(n)]), inChart == n)
                    << element << " " << n;
                ASSERT_EQ(satisfied(elementHiddenRows.at(element)[idx(n)]), inHidden == n)
                    << element << " hidden " << n;
            }
        }
        for (const std::string stem :
             {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"}) {
            const int onStems = countIf(stems, [&](const std::string& c) { return c == stem; });
            const int inHidden = countIf(hidden, [&](const std::string& c) { return c == stem; });
            for (int n = 0; n <= 4; ++n) {
                ASSERT_EQ(satisfied(stemRows.at(stem)[idx(n)]), onStems == n) << stem;
                ASSERT_EQ(satisfied(hiddenStemRows.at(stem)[idx(n)]), inHidden == n) << stem;
            }
        }
        for (const auto& [branch, _] : kHiddenOf) {
            const int onBranches =
                countIf(branches, [&](const std::string& c) { return c == branch; });
            for (int n = 0; n <= 4; ++n)
                ASSERT_EQ(satisfied(branchRows.at(branch)[idx(n)]), onBranches == n) << branch;
        }
        ++moments;
    }
    EXPECT_EQ(moments, 366 * 12);
}

} // namespace

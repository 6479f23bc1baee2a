// The 神煞 rows inside a whole query: each set row takes part as a condition
// that can be met, read with the page's "女命" box.
#include "conditions/spirit_star_group.h"
#include "calendar/moment_chart.h"
#include "query/query_driver.h"
#include "texts/result_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bazi {
namespace {

struct Row {
    int number; // 1..12
    int value, position, count;
};

FormState formWith(CivilDate date, const std::vector<Row>& rows, bool female) {
    FormState form(date);
    for (const Row& r : rows) {
        const RowNames n = rowNames(GroupId::spiritStar, r.number);
        form.select(n.value, r.value);
        form.select(n.position, r.position);
        form.select(n.count, r.count);
    }
    form.setChecked(kFemaleCheckBox, female);
    return form;
}

// The moments of the window whose chart meets every row, worked out from the
// pillars of each moment directly.
std::vector<CivilDateTime> expectedMatches(CivilDate date, const std::vector<Row>& rows,
                                           bool female) {
    std::vector<CivilDateTime> matches;
    for (const CivilDateTime moment : queryMoments(date)) {
        const auto stars = allStars(chartIndicesOfText(momentChartOf(moment).chartText()), female);
        bool all = true;
        for (const Row& r : rows) {
            const StarPillars& p = stars[static_cast<std::size_t>(r.value - 1)];
            const bool position = r.position == 0 || p.at[static_cast<std::size_t>(r.position - 1)];
            all = all && position && countRuleOf(ItemList::count0to6, r.count).holds(p.count());
        }
        if (all)
            matches.push_back(moment);
    }
    return matches;
}

TEST(SpiritStarQuery, SetRowsAreConditionsThatCanBeMet) {
    struct Case {
        const char* note;
        CivilDate date;
        std::vector<Row> rows;
        bool female;
    };
    // value 1 天乙 6 驿马 9 童子 10 元辰 13 空亡; position 0 不固定, 3 日柱, 4 时柱;
    // count 0 "0", 7 "非0", 14 ">=0", 15 ">=1".
    const Case cases[] = {
        {"空亡 不固定 >=0 holds for every moment", {2016, 3, 16}, {{1, 13, 0, 14}}, false},
        {"天乙 at the hour", {2016, 3, 16}, {{1, 1, 4, 7}}, false},
        // 癸卯 year: 元辰 申 for a man, 戌 for a woman. The window of 2023-07-14 holds
        // a 申 day (壬申) and no 戌 day; that of 2023-07-17 a 戌 day (甲戌) and no 申 day.
        {"元辰 at the day, male, 申 day in the window", {2023, 7, 14}, {{3, 10, 3, 7}}, false},
        {"元辰 at the day, female, no 戌 day", {2023, 7, 14}, {{3, 10, 3, 7}}, true},
        {"元辰 at the day, male, no 申 day", {2023, 7, 17}, {{3, 10, 3, 7}}, false},
        {"元辰 at the day, female, 戌 day in the window", {2023, 7, 17}, {{3, 10, 3, 7}}, true},
        {"童子 somewhere and no 驿马", {1988, 12, 1}, {{2, 9, 0, 15}, {12, 6, 0, 0}}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        const QueryResult result = runQuery(formWith(c.date, c.rows, c.female));
        const auto expected = expectedMatches(c.date, c.rows, c.female);
        EXPECT_EQ(result.conditionCount, static_cast<int>(c.rows.size()));
        ASSERT_EQ(result.matches.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(result.matches[i].moment, expected[i]);
        if (expected.empty())
            EXPECT_EQ(outcomeMessage(result.outcome), kNoMatchMessage);
        else
            EXPECT_EQ(result.outcome, QueryOutcome::matches);
    }
}

TEST(SpiritStarQuery, AlwaysTrueRowsMatchAllAndTheFemaleBoxReachesTheCheck) {
    // 空亡 ">=0" is met by all 36 moments.
    EXPECT_EQ(runQuery(formWith({2016, 3, 16}, {{1, 13, 0, 14}}, false)).matchCount(), 36);
    // 元辰 at the day pillar: the twelve moments of the 壬申 day for a man, none
    // for a woman.
    const std::vector<Row> rows = {{1, 10, 3, 7}};
    EXPECT_EQ(runQuery(formWith({2023, 7, 14}, rows, false)).matchCount(), 12);
    EXPECT_EQ(runQuery(formWith({2023, 7, 14}, rows, true)).matchCount(), 0);
}

} // namespace
} // namespace bazi

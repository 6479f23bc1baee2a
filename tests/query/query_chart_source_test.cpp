// The query with its moments' charts taken from a function: what a time
// basis other than the calendar's uses.
#include "query/query_driver.h"
#include "texts/result_texts.h"

#include "row_builder.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using namespace bazi;
using rowtest::setRow;

constexpr CivilDate kMarch16{2016, 3, 16};

FormState hourBranchForm(const char* branch) {
    FormState form(kMarch16);
    setRow(form, GroupId::branch, 1, {branch, "时支", "非0"});
    return form;
}

TEST(RunQueryWithCharts, TheCalendarsChartsGiveTheSameResult) {
    for (const char* branch : {"亥", "子", "午"}) {
        SCOPED_TRACE(branch);
        const FormState form = hourBranchForm(branch);
        const QueryResult own = runQuery(form);
        const QueryResult given = runQuery(form, [](CivilDateTime m) {
            return std::optional<QueryMatch>(
                QueryMatch{m, pillarIndices(m), toLunar(m.date).value_or(LunarDate{})});
        });
        EXPECT_EQ(given.matchCount(), own.matchCount());
        EXPECT_EQ(given.outcome, own.outcome);
        EXPECT_EQ(given.matches, own.matches);
    }
}

// The source decides each moment's chart: here every moment is read two hours
// earlier, so 22:00 takes the 戌 hour of 20:00, and a moment without a chart
// (a clock time that never was) is left out.
TEST(RunQueryWithCharts, MomentsTakeTheSourcesChartsAndMayBeLeftOut) {
    const FormState form = hourBranchForm("戌");
    const auto hourEarlier = [](CivilDateTime m) -> std::optional<QueryMatch> {
        if (m == CivilDateTime{{2016, 3, 15}, 22, 0, 0})
            return std::nullopt;
        const CivilDateTime earlier = addHours(m, -2);
        return QueryMatch{m, pillarIndices(earlier), toLunar(earlier.date).value_or(LunarDate{})};
    };
    const QueryResult r = runQuery(form, hourEarlier);
    ASSERT_EQ(r.matchCount(), 2);
    EXPECT_EQ(r.matches[0].moment, (CivilDateTime{{2016, 3, 16}, 22, 0, 0}));
    EXPECT_EQ(resultRowOf(r.matches[0]).chart, "丙申 辛卯 丁酉 庚戌");
    EXPECT_EQ(r.matches[1].moment, (CivilDateTime{{2016, 3, 14}, 22, 0, 0}));
    const QueryResult own = runQuery(form);
    ASSERT_EQ(own.matchCount(), 3);
    EXPECT_EQ(own.matches[0].moment, (CivilDateTime{{2016, 3, 16}, 20, 0, 0}));
}

TEST(RunQueryWithCharts, TheDateRangeStillHolds) {
    FormState form = hourBranchForm("亥");
    form.date = CivilDate{1800, 1, 2}; // its window would start in 1799
    EXPECT_THROW((void)runQuery(form, &calendarChartOf), std::out_of_range);
}

} // namespace

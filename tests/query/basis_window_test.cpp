// The query's window read on a time basis: clock times of the zone, the one a
// spring change skipped left out, one shown twice read by the fold, and those
// whose instant lies outside the calendar listed as unread.
#include "query/basis_window.h"

#include "texts/result_texts.h"

#include "row_builder.h"

#include <gtest/gtest.h>

namespace {

using namespace bazi;
using rowtest::setRow;

TimeBasis zoneBasis(const char* zone, Fold fold = Fold::refuse) {
    TimeBasis basis;
    basis.zone = ClockZone::fromName(zone).zone;
    EXPECT_FALSE(basis.zone.isFixed()) << zone;
    basis.fold = fold;
    return basis;
}

TEST(BasisWindow, TheCalendarsOwnBasisGivesTheCalendarsCharts) {
    const BasisWindow w = basisWindowOf({2016, 3, 16}, TimeBasis{});
    EXPECT_TRUE(w.unread.empty());
    ASSERT_EQ(w.charts.size(), 36U);
    for (const auto& [clock, chart] : w.charts) {
        EXPECT_EQ(chart.pillars, pillarIndices(clock));
        EXPECT_EQ(chart.clock.utcOffset, 8 * 3600);
    }
    const WindowChartSource source = windowChartSourceOf(w);
    for (const CivilDateTime m : queryMoments({2016, 3, 16}))
        EXPECT_EQ(source(m), calendarChartOf(m));
}

// Shanghai put its clocks forward at 02:00 on 1988-04-17: 02:00 never showed,
// and the moments after it are at +09:00, read on standard time (an hour earlier).
TEST(BasisWindow, AClockTimeSkippedInSpringIsLeftOut) {
    const BasisWindow w = basisWindowOf({1988, 4, 17}, zoneBasis("Asia/Shanghai"));
    EXPECT_TRUE(w.unread.empty());
    EXPECT_EQ(w.charts.size(), 35U);
    EXPECT_FALSE(w.charts.contains({{1988, 4, 17}, 2, 0, 0}));
    const BasisChart& before = w.charts.at({{1988, 4, 17}, 0, 0, 0});
    EXPECT_EQ(before.clock.utcOffset, 8 * 3600);
    const BasisChart& after = w.charts.at({{1988, 4, 17}, 4, 0, 0});
    EXPECT_EQ(after.clock.utcOffset, 9 * 3600);
    EXPECT_EQ(after.clock.summerTime, 3600);
    EXPECT_EQ(after.reading, (CivilDateTime{{1988, 4, 17}, 3, 0, 0}));
    // An even hour less one is still in the same 时辰: the charts are the calendar's.
    EXPECT_EQ(after.pillars, pillarIndices({{1988, 4, 17}, 4, 0, 0}));

    // The query leaves the skipped moment out: of the three 丑 moments (02:00)
    // of the window, the 17th's never was.
    FormState form({1988, 4, 17});
    setRow(form, GroupId::branch, 1, {"丑", "时支", "非0"});
    const QueryResult r = runQuery(form, windowChartSourceOf(w));
    ASSERT_EQ(r.matchCount(), 2);
    EXPECT_EQ(r.matches[0].moment, (CivilDateTime{{1988, 4, 16}, 2, 0, 0}));
    EXPECT_EQ(r.matches[1].moment, (CivilDateTime{{1988, 4, 15}, 2, 0, 0}));
}

// Berlin put its clocks back from 03:00 to 02:00 on 2016-10-30: 02:00 showed
// twice. Without a fold it cannot be read; the earlier showing is summer time.
TEST(BasisWindow, AClockTimeShownTwiceIsReadByTheFold) {
    const CivilDateTime twice{{2016, 10, 30}, 2, 0, 0};
    const BasisWindow refused = basisWindowOf({2016, 10, 30}, zoneBasis("Europe/Berlin"));
    EXPECT_EQ(refused.unread, std::vector<CivilDateTime>{twice});
    EXPECT_FALSE(refused.charts.contains(twice));
    EXPECT_EQ(refused.charts.size(), 35U);

    const BasisWindow earlier =
        basisWindowOf({2016, 10, 30}, zoneBasis("Europe/Berlin", Fold::earlier));
    EXPECT_TRUE(earlier.unread.empty());
    EXPECT_EQ(earlier.charts.at(twice).clock.utcOffset, 2 * 3600);
    const BasisWindow later =
        basisWindowOf({2016, 10, 30}, zoneBasis("Europe/Berlin", Fold::later));
    EXPECT_EQ(later.charts.at(twice).clock.utcOffset, 1 * 3600);
    EXPECT_EQ(later.charts.at(twice).instant - earlier.charts.at(twice).instant, 3600);
}

// New York's evening of 2200-12-31 is already 2201 on the calendar's clock.
TEST(BasisWindow, MomentsOutsideTheCalendarAreUnread) {
    const BasisWindow w = basisWindowOf({2200, 12, 31}, zoneBasis("America/New_York"));
    ASSERT_FALSE(w.unread.empty());
    EXPECT_EQ(w.unread.front(), (CivilDateTime{{2200, 12, 31}, 22, 0, 0}));
    for (const CivilDateTime& m : w.unread)
        EXPECT_FALSE(w.charts.contains(m));
    EXPECT_EQ(w.unread.size() + w.charts.size(), 36U);
}

} // namespace

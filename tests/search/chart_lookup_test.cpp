// The reverse lookup: for moments all over the calendar, the lookup of the
// moment's chart lists a span holding it and nothing but spans with that chart;
// partial charts give exactly the spans a full walk keeps; the rules that make
// a chart impossible.
#include "search/chart_lookup.h"

#include "calendar/calendar_range.h"
#include "calendar/day_hour_pillars.h"
#include "calendar/four_pillars.h"
#include "search/span_walker.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace bazi {
namespace {

const SearchRange kWhole{civilSecondsOf(kCalendarFirstMoment),
                         civilSecondsOf(kCalendarLastMoment) + 1, HourWindows{}};

std::vector<Span> lookUp(const ChartPattern& chart, const SearchRange& range = kWhole) {
    std::vector<Span> spans;
    findChartSpans(chart, range, [&](const Span& s) {
        spans.push_back(s);
        return true;
    });
    return spans;
}

ChartPattern patternOf(const PillarIndices& p) {
    return ChartPattern{{p.year, p.month, p.day, p.hour}};
}

TEST(ChartLookup, EveryRandomMomentIsFoundAndEverySpanHasTheChart) {
    std::mt19937_64 rng(1800);
    std::uniform_int_distribution<CivilSeconds> second(kWhole.from, kWhole.to - 1);
    for (int k = 0; k < 20000; ++k) {
        const CivilSeconds t = second(rng);
        const PillarIndices p = pillarIndices(civilDateTimeOf(t));
        const auto spans = lookUp(patternOf(p));
        SCOPED_TRACE(t);
        ASSERT_TRUE(std::any_of(spans.begin(), spans.end(),
                                [t](const Span& s) { return s.start <= t && t < s.end; }));
        for (const Span& s : spans) {
            ASSERT_EQ(s.pillars, p);
            ASSERT_EQ(pillarIndices(civilDateTimeOf(s.start)), p);
            ASSERT_EQ(pillarIndices(civilDateTimeOf(s.end - 1)), p);
        }
        for (std::size_t i = 1; i < spans.size(); ++i)
            ASSERT_LT(spans[i - 1].end, spans[i].start);
    }
}

// Partial charts against the plainest reading: walk every span of a few years
// and keep those whose chart fits.
TEST(ChartLookup, PartialChartsGiveWhatAFullWalkKeeps) {
    const SearchRange years{civilSecondsOf({{1983, 11, 20}, 7, 30, 0}),
                            civilSecondsOf({{1987, 2, 10}, 0, 0, 0}), HourWindows{}};
    std::vector<Span> all;
    SpanWalker walker(years.from, years.to);
    for (Span s; walker.next(s);)
        all.push_back(s);
    std::mt19937 rng(60);
    for (int k = 0; k < 300; ++k) {
        const Span& from = all[std::uniform_int_distribution<std::size_t>(0, all.size() - 1)(rng)];
        ChartPattern chart = patternOf(from.pillars);
        for (std::size_t i = 0; i < 4; ++i)
            if (rng() % 2 == 0)
                chart.pillars[i] = 0;
        std::vector<Span> want;
        for (const Span& s : all)
            if (chart.matches(s.pillars))
                want.push_back(s);
        ASSERT_EQ(lookUp(chart, years), want) << chart.pillars[0] << " " << chart.pillars[1] << " "
                                              << chart.pillars[2] << " " << chart.pillars[3];
    }
}

TEST(ChartLookup, ATermInsideAnHourBlockMakesTwoCharts) {
    // 2016-02-04 17:00-19:00 is 丁酉 hour; 立春 at 17:45:53 splits it.
    const PillarIndices before = pillarIndices({{2016, 2, 4}, 17, 0, 0});
    const PillarIndices after = pillarIndices({{2016, 2, 4}, 18, 0, 0});
    ASSERT_NE(before, after);
    const auto first = lookUp(patternOf(before));
    const auto second = lookUp(patternOf(after));
    const auto in2016 = [](const std::vector<Span>& spans) {
        return *std::find_if(spans.begin(), spans.end(),
                             [](const Span& s) { return s.startTime().date.year == 2016; });
    };
    const Span a = in2016(first), b = in2016(second);
    EXPECT_EQ(a.startTime(), (CivilDateTime{{2016, 2, 4}, 17, 0, 0}));
    EXPECT_EQ(a.endTime(), (CivilDateTime{{2016, 2, 4}, 17, 45, 53}));
    EXPECT_EQ(a.endCut, CutReason::solarTerm);
    EXPECT_EQ(b.startTime(), (CivilDateTime{{2016, 2, 4}, 17, 45, 53}));
    EXPECT_EQ(b.startCut, CutReason::solarTerm);
    EXPECT_EQ(b.endCut, CutReason::hourChange);
    // The year pillar changes at 立春's second, not at the lunar new year (2016-02-08).
    EXPECT_EQ(pillarText(b.pillars.year), "丙申");
    EXPECT_EQ(pillarText(a.pillars.year), "乙未");
}

TEST(ChartLookup, TheZiHourRunsAcrossMidnightAndTheCalendarsEnds) {
    const PillarIndices zi = pillarIndices({{2016, 3, 16}, 23, 30, 0});
    const auto spans = lookUp(patternOf(zi));
    const auto it = std::find_if(spans.begin(), spans.end(), [](const Span& s) {
        return s.startTime().date == CivilDate{2016, 3, 16};
    });
    ASSERT_NE(it, spans.end());
    EXPECT_EQ(it->endTime(), (CivilDateTime{{2016, 3, 17}, 1, 0, 0}));
    EXPECT_EQ(it->startCut, CutReason::dayChange);
    // The first and the last second of the calendar, cut by its ends.
    const auto first = lookUp(patternOf(pillarIndices(kCalendarFirstMoment)));
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first.front().start, kWhole.from);
    EXPECT_EQ(first.front().startCut, CutReason::range);
    const auto last = lookUp(patternOf(pillarIndices(kCalendarLastMoment)));
    ASSERT_FALSE(last.empty());
    EXPECT_EQ(last.back().end, kWhole.to);
    EXPECT_EQ(last.back().endCut, CutReason::range);
}

TEST(ChartLookup, ImpossibleCharts) {
    const int bingShen = 33, xinMao = 28, jiMao = 16, dingYou = 34, xinHai = 48, jiaZi = 1;
    EXPECT_EQ(problemOf(ChartPattern{{bingShen, xinMao, dingYou, xinHai}}), ChartProblem::none);
    EXPECT_EQ(problemOf(ChartPattern{{bingShen, jiMao, 0, 0}}), ChartProblem::monthNotOfYear);
    EXPECT_EQ(problemOf(ChartPattern{{0, jiMao, dingYou, jiaZi}}), ChartProblem::hourNotOfDay);
    EXPECT_EQ(problemOf(ChartPattern{{0, 0, 0, jiaZi}}), ChartProblem::none);
    EXPECT_TRUE(lookUp(ChartPattern{{bingShen, jiMao, 0, 0}}).empty());
    // The same-day late 子: a 丁 day may end with the 戊 day's 子 hour, 壬子, and
    // with no other pillar of another day.
    const int renZi = hourPillarOf(cycleAdd(dingYou, 1), 1);
    EXPECT_EQ(pillarText(renZi), "壬子");
    EXPECT_EQ(problemOf(ChartPattern{{0, 0, dingYou, renZi}}, false), ChartProblem::hourNotOfDay);
    EXPECT_EQ(problemOf(ChartPattern{{0, 0, dingYou, renZi}}, true), ChartProblem::none);
    EXPECT_EQ(problemOf(ChartPattern{{0, 0, dingYou, jiaZi}}, true), ChartProblem::hourNotOfDay);
}

TEST(ChartLookup, NearestOccurrencesOutsideARange) {
    const ChartPattern chart{{33, 28, 34, 48}}; // 丙申 辛卯 丁酉 辛亥: 1956, 2016, 2196
    const SearchRange between{civilSecondsOf({{2000, 1, 1}, 0, 0, 0}),
                              civilSecondsOf({{2011, 1, 1}, 0, 0, 0}), HourWindows{}};
    EXPECT_TRUE(lookUp(chart, between).empty());
    const NearestOccurrences n = nearestOutside(chart, between, kWhole);
    ASSERT_TRUE(n.before && n.after);
    EXPECT_EQ(n.before->startTime(), (CivilDateTime{{1956, 3, 31}, 21, 0, 0}));
    EXPECT_EQ(n.after->startTime(), (CivilDateTime{{2016, 3, 16}, 21, 0, 0}));
}

// A cancelled lookup stops at once, found spans or not, and says so; while it
// runs it reports how far into the range it has come.
TEST(ChartLookup, FollowsTheControl) {
    const ChartPattern hourOnly{{0, 0, 0, 1}}; // every 甲子 hour: many stretches
    SearchControl cancelled;
    cancelled.cancel = true;
    int visits = 0;
    EXPECT_EQ(findChartSpans(
                  hourOnly, kWhole,
                  [&](const Span&) {
                      ++visits;
                      return true;
                  },
                  &cancelled),
              SearchEnd::cancelled);
    EXPECT_EQ(visits, 0);

    SearchControl control;
    CivilSeconds lastStart = 0;
    EXPECT_EQ(findChartSpans(
                  hourOnly, kWhole,
                  [&](const Span& s) {
                      lastStart = s.start;
                      return true;
                  },
                  &control),
              SearchEnd::finished);
    EXPECT_GE(control.secondsDone.load(), lastStart - kWhole.from);
    EXPECT_LT(control.secondsDone.load(), kWhole.to - kWhole.from);
}

} // namespace
} // namespace bazi

namespace bazi {
namespace {

// Every span of the printed calendar's years: the lookup of its chart lists it,
// exactly, among the others with that chart.
TEST(ChartLookup, EverySpanOf1901To2048IsFoundExactly) {
    const SearchRange printed{civilSecondsOf({{1901, 2, 19}, 0, 0, 0}),
                              civilSecondsOf({{2049, 1, 1}, 0, 0, 0}), HourWindows{}};
    SpanWalker walker(printed.from, printed.to);
    long long spans = 0;
    for (Span s; walker.next(s); ++spans) {
        bool found = false;
        findChartSpans(patternOf(s.pillars), printed, [&](const Span& hit) {
            found = found || hit == s;
            return hit.start <= s.start; // later spans are not needed
        });
        ASSERT_TRUE(found) << s.start;
    }
    EXPECT_GT(spans, 640000);
}

} // namespace
} // namespace bazi

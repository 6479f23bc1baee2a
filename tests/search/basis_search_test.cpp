// Spans under another time basis: exact to the second on the basis's own
// charts, solar-time cuts on the odd hours of the reading, and a clock that
// is put forward in spring.
#include "search/span_walker.h"

#include "basis/clock_zone.h"
#include "search/chart_lookup.h"

#include <gtest/gtest.h>

#include <vector>

namespace bazi {
namespace {

std::vector<Span> spansOf(CivilDateTime from, CivilDateTime to, const TimeBasis& basis,
                          HourWindows windows = {}) {
    std::vector<Span> spans;
    SpanWalker walker(civilSecondsOf(from), civilSecondsOf(to), windows, &basis);
    for (Span s; walker.next(s);)
        if (walker.allowed(s))
            spans.push_back(s);
    return spans;
}

PillarIndices chartOf(CivilSeconds t, const TimeBasis& basis) {
    return chartAt(instantOfCivil(t), basis).pillars;
}

TimeBasis urumqiTrueSolar() {
    TimeBasis b;
    b.solarTime = SolarTime::apparent;
    b.longitude = 87.6;
    return b;
}

TEST(BasisSearch, TrueSolarTimeCutsFallOnTheOddHoursOfTheReading) {
    const TimeBasis basis = urumqiTrueSolar();
    const auto spans = spansOf({{2016, 10, 28}, 0, 0, 0}, {{2016, 11, 12}, 0, 0, 0}, basis);
    ASSERT_GT(spans.size(), 150u);
    for (std::size_t k = 0; k + 1 < spans.size(); ++k) {
        const Span& s = spans[k];
        ASSERT_EQ(chartOf(s.start, basis), s.pillars);
        ASSERT_EQ(chartOf(s.end - 1, basis), s.pillars);
        ASSERT_NE(chartOf(s.end, basis), s.pillars);
        if (s.endCut == CutReason::hourChange || s.endCut == CutReason::dayChange) {
            const CivilDateTime at = readingAt(instantOfCivil(s.end), basis);
            const CivilDateTime before = readingAt(instantOfCivil(s.end - 1), basis);
            ASSERT_EQ(at.hour % 2, 1);
            ASSERT_EQ(at.minute * 60 + at.second, 0);
            ASSERT_EQ(before.minute * 60 + before.second, 59 * 60 + 59);
            ASSERT_EQ(s.endCut == CutReason::dayChange, at.hour == 23);
        }
    }
    // Urumqi is some two hours behind Beijing time by the sun: the 子 hour
    // starts near 01:10 on the clock, moving with the equation of time.
    const auto zi = std::find_if(spans.begin(), spans.end(),
                                 [](const Span& s) { return s.startCut == CutReason::dayChange; });
    ASSERT_NE(zi, spans.end());
    EXPECT_EQ(zi->startTime().hour, 0);
    EXPECT_GT(zi->startTime().minute, 50);
}

TEST(BasisSearch, AClockPutForwardKeepsTheStandardTimeChart) {
    TimeBasis basis;
    basis.zone = ClockZone::fromName("Asia/Shanghai").zone;
    ASSERT_FALSE(basis.zone.isFixed());
    // 1988-04-17 02:00 the clock went to 03:00; the chart is read on standard
    // time, so the 丑 hour (01:00-03:00 standard) runs 01:00-04:00 on the clock.
    const auto spans = spansOf({{1988, 4, 17}, 0, 0, 0}, {{1988, 4, 17}, 6, 0, 0}, basis);
    const auto chou = std::find_if(spans.begin(), spans.end(),
                                   [](const Span& s) { return branchNumber(s.pillars.hour) == 2; });
    ASSERT_NE(chou, spans.end());
    const Instant start = instantOfCivil(chou->start), end = instantOfCivil(chou->end);
    EXPECT_EQ(clockFromInstant(start, basis).time, (CivilDateTime{{1988, 4, 17}, 1, 0, 0}));
    EXPECT_EQ(clockFromInstant(end, basis).time, (CivilDateTime{{1988, 4, 17}, 4, 0, 0}));
    EXPECT_EQ(clockFromInstant(end, basis).utcOffset, 9 * 3600);
    EXPECT_EQ(chou->length(), 2 * 3600) << "two hours of the timeline";
    // Allowed clock hours 0-6: on the clock that skipped 02:00-03:00 the window
    // still starts and stops on the clock's own hours.
    const auto early =
        spansOf({{1988, 4, 16}, 12, 0, 0}, {{1988, 4, 18}, 12, 0, 0}, basis, kNoHours.with(0, 6));
    for (const Span& s : early) {
        EXPECT_LT(clockFromInstant(instantOfCivil(s.start), basis).time.hour, 6);
        EXPECT_LE(clockFromInstant(instantOfCivil(s.end - 1), basis).time.hour, 5);
    }
}

TEST(BasisSearch, TheLookupUnderTheSameDayLateZi) {
    TimeBasis basis;
    basis.lateZi = LateZi::sameDay;
    // 丁酉 day with the 戊 day's 子 hour 壬子: only 23:00-24:00 under "same-day".
    const ChartPattern chart{{33, 28, 34, hourPillarOf(35, 1)}};
    const SearchRange year{civilSecondsOf({{2016, 1, 1}, 0, 0, 0}),
                           civilSecondsOf({{2017, 1, 1}, 0, 0, 0}), HourWindows{}, &basis};
    std::vector<Span> spans;
    findChartSpans(chart, year, [&](const Span& s) {
        spans.push_back(s);
        return true;
    });
    ASSERT_EQ(spans.size(), 1u);
    EXPECT_EQ(spans[0].startTime(), (CivilDateTime{{2016, 3, 16}, 23, 0, 0}));
    EXPECT_EQ(spans[0].endTime(), (CivilDateTime{{2016, 3, 17}, 0, 0, 0}));
    EXPECT_EQ(spans[0].endCut, CutReason::dayChange);
    // On the calendar's own basis the same chart cannot stand.
    SearchRange plain = year;
    plain.basis = nullptr;
    int found = 0;
    findChartSpans(chart, plain, [&](const Span&) { return ++found > 0; });
    EXPECT_EQ(found, 0);
}

// The walker keeps its next day or hour cut and its next window edge from span
// to span; a walker started afresh at each span's start finds them again. The
// two agree across clock changes of a whole hour (New York) and of half an
// hour (Lord Howe Island), with windows and with a solar reading.
TEST(BasisSearch, AWalkAgreesWithAWalkStartedAtEachSpan) {
    struct Case {
        const char* zone;
        CivilDateTime from, to;
        SolarTime solarTime;
        LateZi lateZi;
        HourWindows windows;
        const char* note;
    };
    const Case cases[] = {
        {"America/New_York",
         {{2021, 3, 13}, 0, 0, 0},
         {{2021, 3, 16}, 0, 0, 0},
         SolarTime::off,
         LateZi::nextDay,
         kNoHours.with(8, 18),
         "spring forward, office hours"},
        {"America/New_York",
         {{2021, 11, 6}, 0, 0, 0},
         {{2021, 11, 9}, 0, 0, 0},
         SolarTime::mean,
         LateZi::sameDay,
         kNoHours.with(0, 3).with(20, 24),
         "fall back, a window over midnight"},
        {"Australia/Lord_Howe",
         {{2021, 4, 3}, 0, 0, 0},
         {{2021, 4, 6}, 0, 0, 0},
         SolarTime::off,
         LateZi::nextDay,
         kNoHours.with(1, 2).with(9, 17),
         "half an hour back"},
        {"Australia/Lord_Howe",
         {{2021, 10, 2}, 0, 0, 0},
         {{2021, 10, 5}, 0, 0, 0},
         SolarTime::apparent,
         LateZi::nextDay,
         HourWindows{},
         "half an hour on, every hour"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        TimeBasis basis;
        basis.zone = ClockZone::fromName(c.zone).zone;
        ASSERT_FALSE(basis.zone.isFixed());
        basis.solarTime = c.solarTime;
        basis.longitude = 151.0;
        basis.lateZi = c.lateZi;
        const CivilSeconds to = civilSecondsOf(c.to);
        SpanWalker walker(civilSecondsOf(c.from), to, c.windows, &basis);
        int spans = 0;
        for (Span s; walker.next(s); ++spans) {
            SpanWalker fresh(s.start, to, c.windows, &basis);
            Span first;
            ASSERT_TRUE(fresh.next(first));
            ASSERT_EQ(first.end, s.end) << "span " << spans;
            ASSERT_EQ(first.pillars, s.pillars) << "span " << spans;
            ASSERT_EQ(first.endCut, s.endCut) << "span " << spans;
            ASSERT_EQ(fresh.allowed(first), walker.allowed(s)) << "span " << spans;
            ASSERT_EQ(s.pillars, chartOf(s.start, basis)) << "span " << spans;
        }
        EXPECT_GT(spans, 36);
    }
}

} // namespace
} // namespace bazi

// The spans of a stretch of time: exact to the second against the four pillars
// of every second at their edges, cut where the pillars change and nowhere else,
// each with the right reason.
#include "search/span_walker.h"

#include "calendar/four_pillars.h"
#include "calendar/sexagenary.h"
#include "calendar/solar_terms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace bazi {
namespace {

CivilSeconds at(CivilDateTime t) {
    return civilSecondsOf(t);
}

std::vector<Span> spansOf(CivilDateTime from, CivilDateTime to, HourWindows windows = {}) {
    std::vector<Span> spans;
    SpanWalker walker(at(from), at(to), windows);
    Span span;
    while (walker.next(span))
        spans.push_back(span);
    return spans;
}

PillarIndices pillarsAt(CivilSeconds t) {
    return pillarIndices(civilDateTimeOf(t));
}

// Every span holds one chart from its first to its last second, and the chart
// changes at its end unless the range cut it; spans follow one another and the
// reason at each cut says what changed there.
void expectExactSpans(const std::vector<Span>& spans, CivilSeconds from, CivilSeconds to) {
    ASSERT_FALSE(spans.empty());
    EXPECT_EQ(spans.front().start, from);
    EXPECT_EQ(spans.back().end, to);
    for (std::size_t k = 0; k < spans.size(); ++k) {
        const Span& s = spans[k];
        SCOPED_TRACE(::testing::Message() << "span from " << s.start);
        ASSERT_LT(s.start, s.end);
        ASSERT_EQ(pillarsAt(s.start), s.pillars);
        ASSERT_EQ(pillarsAt(s.end - 1), s.pillars);
        if (k + 1 < spans.size()) {
            ASSERT_EQ(spans[k + 1].start, s.end);
            ASSERT_EQ(spans[k + 1].startCut, s.endCut);
            const PillarIndices after = pillarsAt(s.end);
            ASSERT_NE(after, s.pillars);
            // The reason names the part of the chart that changed.
            switch (s.endCut) {
            case CutReason::solarTerm: ASSERT_NE(after.month, s.pillars.month); break;
            case CutReason::dayChange:
                ASSERT_NE(after.day, s.pillars.day);
                ASSERT_EQ(civilDateTimeOf(s.end).hour, 23);
                break;
            case CutReason::hourChange:
                ASSERT_EQ(after.day, s.pillars.day);
                ASSERT_EQ(after.month, s.pillars.month);
                break;
            default: FAIL() << "inner cut with reason " << static_cast<int>(s.endCut);
            }
        }
    }
}

TEST(SpanWalker, TheIssuesExampleAround2016LiChun) {
    const auto spans = spansOf({{2016, 2, 4}, 17, 0, 0}, {{2016, 2, 4}, 19, 0, 0});
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_EQ(spans[0].endTime(), (CivilDateTime{{2016, 2, 4}, 17, 45, 53}));
    EXPECT_EQ(pillarText(spans[0].pillars.year) + pillarText(spans[0].pillars.month) +
                  pillarText(spans[0].pillars.day) + pillarText(spans[0].pillars.hour),
              "乙未己丑丙辰丁酉");
    EXPECT_EQ(pillarText(spans[1].pillars.year) + pillarText(spans[1].pillars.month) +
                  pillarText(spans[1].pillars.day) + pillarText(spans[1].pillars.hour),
              "丙申庚寅丙辰丁酉");
    EXPECT_EQ(spans[0].startCut, CutReason::hourChange);
    EXPECT_EQ(spans[0].endCut, CutReason::solarTerm);
    EXPECT_EQ(spans[1].startCut, CutReason::solarTerm);
    EXPECT_EQ(spans[1].endCut, CutReason::hourChange);
}

TEST(SpanWalker, WholeYearsAreExact) {
    for (const int year : {1800, 1911, 1985, 2016, 2048, 2200}) {
        SCOPED_TRACE(year);
        const CivilDateTime from{{year, 1, 1}, 0, 0, 0};
        const CivilDateTime to = year == 2200 ? CivilDateTime{{2200, 12, 31}, 23, 59, 59}
                                              : CivilDateTime{{year + 1, 1, 1}, 0, 0, 0};
        const auto spans = spansOf(from, to);
        expectExactSpans(spans, at(from), at(to));
        // Two-hour blocks and 12 节 a year: about 4,400 spans, 12 of them cut by a 节.
        const auto jie = std::count_if(spans.begin(), spans.end(), [](const Span& s) {
            return s.endCut == CutReason::solarTerm;
        });
        EXPECT_EQ(jie, 12);
    }
}

TEST(SpanWalker, EveryJieOfTheTableChangesTheMonthAtItsSecond) {
    const auto table = jieTable();
    ASSERT_EQ(table.size(),
              static_cast<std::size_t>(kSolarTermLastYear - kSolarTermFirstYear + 1) * 12);
    const CivilSeconds calendarStart = at({{1800, 1, 1}, 0, 0, 0});
    for (std::size_t k = 1; k < table.size(); ++k) {
        const JieEntry& e = table[k];
        if (e.at <= calendarStart)
            continue; // 1799: the table's year before the calendar
        const PillarIndices at = pillarsAt(e.at);
        ASSERT_EQ(at.year, e.yearPillar) << e.at;
        ASSERT_EQ(at.month, e.monthPillar) << e.at;
        ASSERT_NE(pillarsAt(e.at - 1).month, e.monthPillar) << e.at;
        ASSERT_LT(table[k - 1].at, e.at);
    }
}

// The 节 closest to an hour cut or to 23:00: the spans on both sides of it stay
// exact however few seconds they hold.
TEST(SpanWalker, AJieSecondsFromAnHourCut) {
    const auto table = jieTable();
    CivilSeconds nearestHour = 0, nearestDay = 0;
    CivilSeconds bestHour = 7200, bestDay = kSecondsPerDay;
    for (const JieEntry& e : table) {
        const CivilSeconds fromOddHour = floorMod(e.at - 3600, CivilSeconds{7200});
        const CivilSeconds toOddHour = std::min(fromOddHour, 7200 - fromOddHour);
        if (toOddHour > 0 && toOddHour < bestHour) {
            bestHour = toOddHour;
            nearestHour = e.at;
        }
        const CivilSeconds from23 = floorMod(e.at - 23 * 3600, kSecondsPerDay);
        const CivilSeconds to23 = std::min(from23, kSecondsPerDay - from23);
        if (to23 > 0 && to23 < bestDay) {
            bestDay = to23;
            nearestDay = e.at;
        }
    }
    EXPECT_LE(bestHour, 5);
    EXPECT_LE(bestDay, 120);
    for (const CivilSeconds jie : {nearestHour, nearestDay}) {
        const CivilSeconds from = jie - 3 * 3600, to = jie + 3 * 3600;
        std::vector<Span> spans;
        SpanWalker walker(from, to);
        for (Span s; walker.next(s);)
            spans.push_back(s);
        expectExactSpans(spans, from, to);
    }
}

TEST(SpanWalker, RangesInsideOneSpanAndOnCuts) {
    // Inside one two-hour block: one span, cut by the range at both ends.
    auto spans = spansOf({{2016, 3, 16}, 21, 10, 0}, {{2016, 3, 16}, 22, 20, 5});
    ASSERT_EQ(spans.size(), 1u);
    EXPECT_EQ(spans[0].startCut, CutReason::range);
    EXPECT_EQ(spans[0].endCut, CutReason::range);
    // A range that starts and ends on cuts takes their reasons, not the range's.
    spans = spansOf({{2016, 3, 16}, 23, 0, 0}, {{2016, 3, 17}, 3, 0, 0});
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_EQ(spans[0].startCut, CutReason::dayChange);
    EXPECT_EQ(spans[0].length(), 7200) << "子 runs 23:00-01:00 across midnight";
    EXPECT_EQ(spans[1].endCut, CutReason::hourChange);
    // The first and last second of the calendar.
    spans = spansOf({{1800, 1, 1}, 0, 0, 0}, {{1800, 1, 1}, 0, 0, 1});
    ASSERT_EQ(spans.size(), 1u);
    EXPECT_EQ(spans[0].pillars, pillarIndices({{1800, 1, 1}, 0, 0, 0}));
    spans = spansOf({{2200, 12, 31}, 23, 59, 59}, {{2201, 1, 1}, 0, 0, 0});
    ASSERT_EQ(spans.size(), 1u);
    EXPECT_EQ(spans[0].pillars, pillarIndices({{2200, 12, 31}, 23, 59, 59}));
}

TEST(SpanWalker, HourWindowsCutOnlyWhereAllowedTimeStartsOrStops) {
    const CivilDateTime from{{2016, 3, 16}, 0, 0, 0}, to{{2016, 3, 18}, 0, 0, 0};
    // 22-24 alone: 子 is cut at midnight.
    const HourWindows late = kNoHours.with(22, 24);
    std::vector<Span> allowed;
    SpanWalker walker(at(from), at(to), late);
    for (Span s; walker.next(s);)
        if (walker.allowed(s))
            allowed.push_back(s);
    ASSERT_EQ(allowed.size(), 4u); // each day 22-23 (亥) and 23-24 (子)
    EXPECT_EQ(allowed[0].startCut, CutReason::window);
    EXPECT_EQ(allowed[1].startCut, CutReason::dayChange);
    EXPECT_EQ(allowed[1].endCut, CutReason::window);
    EXPECT_EQ(allowed[1].endTime(), (CivilDateTime{{2016, 3, 17}, 0, 0, 0}));
    // 20-24,0-6 is one stretch across midnight: 子 stays whole.
    const auto night = spansOf(from, to, kNoHours.with(20, 24).with(0, 6));
    for (const Span& s : night)
        EXPECT_FALSE(civilDateTimeOf(s.start).hour == 0 && s.start % 3600 == 0 &&
                     s.start != at(from))
            << "a cut at midnight";
    const auto zi = std::find_if(night.begin(), night.end(),
                                 [](const Span& s) { return civilDateTimeOf(s.start).hour == 23; });
    ASSERT_NE(zi, night.end());
    EXPECT_EQ(zi->length(), 7200);
    // 8-18 starts on an even hour inside 辰: a window cut; 7-9 starts on a cut of its own.
    EXPECT_EQ(spansOf(from, to, kNoHours.with(8, 18))[5].startCut, CutReason::window);
    EXPECT_EQ(cutReasonAt(at({{2016, 3, 16}, 7, 0, 0}), 0, 1, kNoHours.with(7, 9)),
              CutReason::hourChange);
}

} // namespace
} // namespace bazi

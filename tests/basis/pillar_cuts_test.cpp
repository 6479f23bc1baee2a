#include "basis/pillar_cuts.h"
#include "texts/basis_texts.h"

#include "calendar/sexagenary.h"
#include "calendar/solar_terms.h"

#include <gtest/gtest.h>

namespace bazi {
namespace {

constexpr int kHour = 3600;

Instant beijing(int y, int mo, int d, int h, int mi = 0, int s = 0) {
    return instantFromCalendarTime(CivilDateTime{{y, mo, d}, h, mi, s});
}

bool dayOrHourDiffer(const BasisChart& a, const BasisChart& b) {
    return a.pillars.day != b.pillars.day || a.pillars.hour != b.pillars.hour;
}

// Walks every day and hour cut from `from` to `to` and checks each against the
// charts: at the cut the day or hour pillar differs from the second before; the
// reading crosses an odd hour (or midnight under "same-day") exactly there; and
// between two cuts, sampled every 7 minutes, nothing changes. Returns the count.
int checkCuts(const TimeBasis& basis, Instant from, Instant to) {
    int count = 0;
    PillarCut previous{from, CutKind::hourChange};
    for (PillarCut c = nextDayHourCut(from, basis); c.at < to; c = nextDayHourCut(c.at, basis)) {
        const BasisChart before = chartAt(c.at - 1, basis), at = chartAt(c.at, basis);
        EXPECT_TRUE(dayOrHourDiffer(before, at));
        EXPECT_EQ(c.kind == CutKind::dayChange, before.pillars.day != at.pillars.day);
        const std::int64_t boundaryMs = (localSecondsOf(at.reading) / kHour) * kHour * 1000;
        EXPECT_LT(readingMsAt(c.at - 1, basis), boundaryMs);
        EXPECT_GE(readingMsAt(c.at, basis), boundaryMs);
        EXPECT_EQ(at.reading.minute, 0);
        EXPECT_TRUE(at.reading.hour % 2 == 1 ||
                    (basis.lateZi == LateZi::sameDay && at.reading.hour == 0))
            << at.reading.hour;
        for (Instant t = previous.at + 420; t < c.at - 1; t = t + 420)
            EXPECT_FALSE(dayOrHourDiffer(chartAt(t, basis), before));
        if (::testing::Test::HasFailure())
            return count;
        previous = c;
        ++count;
    }
    return count;
}

TEST(PillarCuts, DefaultBasisCutsEveryOddHourAnd23IsTheDayChange) {
    const TimeBasis basis;
    const PillarCut c = nextDayHourCut(beijing(2016, 3, 16, 21, 59, 59), basis);
    EXPECT_EQ(c, (PillarCut{beijing(2016, 3, 16, 23), CutKind::dayChange}));
    EXPECT_EQ(nextDayHourCut(beijing(2016, 3, 16, 23), basis),
              (PillarCut{beijing(2016, 3, 17, 1), CutKind::hourChange}));
    EXPECT_EQ(nextDayHourCut(beijing(2016, 3, 16, 22, 59, 59), basis).at, beijing(2016, 3, 16, 23));
    EXPECT_EQ(checkCuts(basis, beijing(2016, 1, 1, 0), beijing(2016, 2, 1, 0)), 31 * 12);
}

// The "done means": under true solar time the next cut lands exactly
// on the second where the hour pillar changes, every cut of a whole year.
TEST(PillarCuts, TrueSolarTimeCutsAreExactOverAYear) {
    TimeBasis basis;
    basis.solarTime = SolarTime::apparent;
    basis.longitude = 87.60046; // Urumqi
    const int cuts = checkCuts(basis, beijing(2016, 1, 1, 0), beijing(2017, 1, 1, 0));
    EXPECT_NEAR(cuts, 366 * 12, 1);
}

TEST(PillarCuts, SolarTimeCutsMoveFromDayToDay) {
    TimeBasis basis;
    basis.solarTime = SolarTime::apparent;
    basis.longitude = 120.0;
    // With the equation of time at -14 min in February the 午 hour begins
    // about 11:14 UTC+8, with +16 min in November about 10:44.
    const PillarCut feb = nextDayHourCut(beijing(2016, 2, 11, 10), basis);
    const PillarCut nov = nextDayHourCut(beijing(2016, 11, 3, 10), basis);
    EXPECT_NEAR(static_cast<double>(feb.at - beijing(2016, 2, 11, 11)), 14 * 60 + 13, 3);
    EXPECT_NEAR(static_cast<double>(nov.at - beijing(2016, 11, 3, 11)), -(16 * 60 + 26), 3);
    // Mean solar time at 120° is the calendar's clock.
    basis.solarTime = SolarTime::mean;
    EXPECT_EQ(nextDayHourCut(beijing(2016, 2, 11, 10), basis).at, beijing(2016, 2, 11, 11));
}

TEST(PillarCuts, SameDayCutsTheDayAtMidnight) {
    TimeBasis basis;
    basis.lateZi = LateZi::sameDay;
    EXPECT_EQ(nextDayHourCut(beijing(2016, 3, 16, 22), basis),
              (PillarCut{beijing(2016, 3, 16, 23), CutKind::hourChange}));
    EXPECT_EQ(nextDayHourCut(beijing(2016, 3, 16, 23), basis),
              (PillarCut{beijing(2016, 3, 17, 0), CutKind::dayChange}));
    EXPECT_EQ(nextDayHourCut(beijing(2016, 3, 17, 0), basis),
              (PillarCut{beijing(2016, 3, 17, 1), CutKind::hourChange}));
    // Thirteen cuts a day; the midnights at both ends of the stretch are not in it.
    EXPECT_EQ(checkCuts(basis, beijing(2016, 1, 1, 0), beijing(2016, 1, 11, 0)), 10 * 13 - 1);
    basis.solarTime = SolarTime::apparent;
    basis.longitude = 104.06667;
    checkCuts(basis, beijing(2016, 6, 1, 0), beijing(2016, 7, 1, 0));
}

// Summer time moves the clock, not the reading: no cut at the change itself,
// and the hour cuts fall on odd hours of standard time (even hours of summer time).
TEST(PillarCuts, SummerTimeChangesAreNoCuts) {
    TimeBasis basis;
    basis.zone = ClockZone::fromName("Asia/Shanghai").zone;
    const Instant spring = instantFromLocal(CivilDateTime{{1988, 4, 17}, 2, 0, 0}, 8 * kHour);
    const PillarCut c = nextDayHourCut(spring - 600, basis);
    EXPECT_EQ(c.at, instantFromLocal(CivilDateTime{{1988, 4, 17}, 3, 0, 0}, 8 * kHour));
    EXPECT_EQ(clockFromInstant(c.at, basis).time, (CivilDateTime{{1988, 4, 17}, 4, 0, 0}));
    EXPECT_EQ(checkCuts(basis, instantFromCalendarTime({{1988, 4, 1}, 0, 0, 0}),
                        instantFromCalendarTime({{1988, 10, 1}, 0, 0, 0})),
              183 * 12);
}

// A change of standard offset moves the reading itself: Urumqi's clock went
// from local mean time (+5:50:20) to +6:00 at the end of 1927, jumping from
// 23:59:59 to 00:09:40. Under "same-day" that jump is the day change.
TEST(PillarCuts, AJumpOfTheStandardOffsetIsACut) {
    TimeBasis basis;
    basis.zone = ClockZone::fromName("Asia/Urumqi").zone;
    basis.lateZi = LateZi::sameDay;
    const Instant jump = instantFromLocal(CivilDateTime{{1928, 1, 1}, 0, 0, 0}, 21'020);
    EXPECT_EQ(readingAt(jump - 1, basis), (CivilDateTime{{1927, 12, 31}, 23, 59, 59}));
    EXPECT_EQ(readingAt(jump, basis), (CivilDateTime{{1928, 1, 1}, 0, 9, 40}));
    EXPECT_EQ(nextDayHourCut(jump - 3600, basis), (PillarCut{jump, CutKind::dayChange}));
    // Under "next-day" the day changed at 23:00 already: the jump cuts nothing.
    basis.lateZi = LateZi::nextDay;
    EXPECT_EQ(nextDayHourCut(jump - 3600, basis).at,
              instantFromLocal(CivilDateTime{{1928, 1, 1}, 1, 0, 0}, 6 * kHour));
}

TEST(PillarCuts, NextJie) {
    const Instant lichun = instantFromCalendarTime(termMoment(2016, 3));
    EXPECT_EQ(nextJieAfter(lichun - 1), lichun);
    EXPECT_EQ(nextJieAfter(lichun), instantFromCalendarTime(termMoment(2016, 5))); // 惊蛰
    // 大雪 of 2016 is followed by 小寒 of 2017.
    EXPECT_EQ(nextJieAfter(instantFromCalendarTime(termMoment(2016, 23))),
              instantFromCalendarTime(termMoment(2017, 1)));
    EXPECT_FALSE(nextJieAfter(instantFromCalendarTime(termMoment(kSolarTermLastYear, 23))));
}

TEST(PillarCuts, CutsNearAMoment) {
    const TimeBasis basis;
    // Five minutes before 23:00: the day change ahead, and the chart after it.
    const std::vector<NearCut> late = cutsNear(beijing(2016, 3, 16, 22, 55), basis, 600);
    ASSERT_EQ(late.size(), 1u);
    EXPECT_EQ(late[0].cut, (PillarCut{beijing(2016, 3, 16, 23), CutKind::dayChange}));
    EXPECT_FALSE(late[0].before);
    EXPECT_EQ(late[0].distance, 300);
    EXPECT_EQ(pillarText(late[0].otherSide.pillars.day), "戊戌");
    EXPECT_EQ(pillarText(late[0].otherSide.pillars.hour), "壬子");

    // 2016-02-04 17:50, four minutes after 立春 (17:45:53): the 节 behind, and
    // the chart of the year and month before it.
    const std::vector<NearCut> spring = cutsNear(beijing(2016, 2, 4, 17, 50), basis, 600);
    ASSERT_EQ(spring.size(), 1u);
    EXPECT_EQ(spring[0].cut.kind, CutKind::jie);
    EXPECT_TRUE(spring[0].before);
    EXPECT_EQ(spring[0].distance, 247);
    EXPECT_EQ(pillarText(spring[0].otherSide.pillars.year), "乙未");
    EXPECT_EQ(pillarText(spring[0].otherSide.pillars.month), "己丑");

    // Exactly on a cut: it is behind, its other side the second before.
    const std::vector<NearCut> on = cutsNear(beijing(2016, 3, 16, 21), basis, 60);
    ASSERT_EQ(on.size(), 1u);
    EXPECT_TRUE(on[0].before);
    EXPECT_EQ(on[0].distance, 0);
    EXPECT_EQ(on[0].otherSide.instant, beijing(2016, 3, 16, 20, 59, 59));

    // Mid-hour nothing is near; a two-hour window reaches both neighbours.
    EXPECT_TRUE(cutsNear(beijing(2016, 3, 16, 20), basis, 600).empty());
    EXPECT_EQ(cutsNear(beijing(2016, 3, 16, 20), basis, 3600).size(), 2u);
}

// The calendar ends at 2200-12-31 23:59:59: the 01:00 cut after it has no
// chart on its far side and is not listed; the 23:00 cut before it is.
TEST(PillarCuts, CutsNearTheEndOfTheCalendar) {
    const TimeBasis basis;
    const std::vector<NearCut> end = cutsNear(beijing(2200, 12, 31, 23, 59, 59), basis, 7200);
    ASSERT_EQ(end.size(), 1u);
    EXPECT_EQ(end[0].cut.at, beijing(2200, 12, 31, 23));
    EXPECT_TRUE(end[0].before);
}

TEST(PillarCuts, ReasonTexts) {
    EXPECT_EQ(cutReasonText(CutKind::jie), "节气交接");
    EXPECT_EQ(cutReasonText(CutKind::dayChange), "子时换日");
    EXPECT_EQ(cutReasonText(CutKind::hourChange), "时辰交接");
}

} // namespace
} // namespace bazi

#include "basis/time_basis.h"
#include "texts/basis_texts.h"

#include "basis/equation_of_time.h"
#include "calendar/calendar_range.h"
#include "calendar/sexagenary.h"
#include "calendar/solar_terms.h"

#include <gtest/gtest.h>

#include <limits>

namespace bazi {
namespace {

constexpr int kHour = 3600;

TimeBasis zoneBasis(const char* zone) {
    TimeBasis basis;
    basis.zone = ClockZone::fromName(zone).zone;
    EXPECT_FALSE(basis.zone.isFixed()) << zone;
    return basis;
}

TimeBasis solarBasis(SolarTime solar, double longitude) {
    TimeBasis basis;
    basis.solarTime = solar;
    basis.longitude = longitude;
    return basis;
}

std::string pillarsOf(const BasisChart& c) {
    return pillarText(c.pillars.year) + ' ' + pillarText(c.pillars.month) + ' ' +
           pillarText(c.pillars.day) + ' ' + pillarText(c.pillars.hour);
}

Instant beijing(int y, int mo, int d, int h, int mi = 0, int s = 0) {
    return instantFromCalendarTime(CivilDateTime{{y, mo, d}, h, mi, s});
}

// ---- the default basis is the calendar ----

TEST(TimeBasis, DefaultChartIsTheCalendarsEveryHourOfTheRange) {
    const TimeBasis basis;
    ASSERT_TRUE(basis.isDefault());
    for (CivilDateTime t = kCalendarFirstMoment; t <= kCalendarLastMoment; t = addHours(t, 1)) {
        const ClockResolution r = instantFromClock(t, basis);
        ASSERT_EQ(r.status, ClockResolution::Status::ok);
        const BasisChart c = chartAt(r.instant, basis);
        ASSERT_EQ(c.pillars, pillarIndices(t))
            << t.date.year << '-' << t.date.month << '-' << t.date.day << ' ' << t.hour;
        ASSERT_EQ(c.clock.time, t);
        ASSERT_EQ(c.reading, t);
        ASSERT_EQ(c.clock.utcOffset, 8 * kHour);
    }
}

// Each 节 of a decade a second before and at its second, and the last second
// before and the first of each 23:00 of a year: the basis's chart is the calendar's.
TEST(TimeBasis, DefaultChartAtEveryCutOfTheCalendar) {
    const TimeBasis basis;
    for (int year = 2010; year <= 2020; ++year)
        for (int n = 1; n <= 24; ++n) {
            const CivilDateTime m = termMoment(year, n);
            for (const CivilDateTime t : {addSeconds(m, -1), m})
                ASSERT_EQ(chartAt(instantFromCalendarTime(t), basis).pillars, pillarIndices(t))
                    << year << ' ' << n;
        }
    for (CivilDate d{2016, 1, 1}; d <= CivilDate{2016, 12, 31};
         d = stepDay(d, StepDirection::forward))
        for (const CivilDateTime t : {CivilDateTime{d, 22, 59, 59}, CivilDateTime{d, 23, 0, 0}})
            ASSERT_EQ(chartAt(instantFromCalendarTime(t), basis).pillars, pillarIndices(t));
}

TEST(TimeBasis, OutsideTheCalendarsRangeThePillarsAreEmpty) {
    const TimeBasis basis;
    EXPECT_FALSE(isInstantInCalendarRange(instantFromCalendarTime(kCalendarFirstMoment) - 1));
    EXPECT_TRUE(isInstantInCalendarRange(instantFromCalendarTime(kCalendarFirstMoment)));
    EXPECT_TRUE(isInstantInCalendarRange(instantFromCalendarTime(kCalendarLastMoment)));
    EXPECT_FALSE(isInstantInCalendarRange(instantFromCalendarTime(kCalendarLastMoment) + 1));
    const BasisChart c = chartAt(instantFromCalendarTime(kCalendarLastMoment) + 1, basis);
    EXPECT_EQ(c.pillars, PillarIndices{});
}

// ---- China's summer time ----

// "A Shanghai birth at 1988-07-15 12:00 summer time has the chart of 11:00 UTC+8."
TEST(TimeBasis, SummerTimeIsReadOnStandardTime) {
    const TimeBasis basis = zoneBasis("Asia/Shanghai");
    struct Case {
        const char* note;
        CivilDateTime clock;
        CivilDateTime standard;
    } const cases[] = {
        {"the issue's example", {{1988, 7, 15}, 12, 0, 0}, {{1988, 7, 15}, 11, 0, 0}},
        {"13:30 summer time is still the 午 hour",
         {{1988, 7, 15}, 13, 30, 0},
         {{1988, 7, 15}, 12, 30, 0}},
        {"23:30 summer time is 22:30, 亥, same day",
         {{1986, 8, 1}, 23, 30, 0},
         {{1986, 8, 1}, 22, 30, 0}},
        {"00:30 summer time is 23:30 the day before",
         {{1991, 6, 2}, 0, 30, 0},
         {{1991, 6, 1}, 23, 30, 0}},
        {"1946 summer time", {{1946, 7, 1}, 12, 0, 0}, {{1946, 7, 1}, 11, 0, 0}},
        {"winter 1988 is UTC+8", {{1988, 12, 1}, 12, 0, 0}, {{1988, 12, 1}, 12, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        const ClockResolution r = instantFromClock(c.clock, basis);
        ASSERT_EQ(r.status, ClockResolution::Status::ok);
        const BasisChart chart = chartAt(r.instant, basis);
        EXPECT_EQ(chart.pillars, pillarIndices(c.standard));
        EXPECT_EQ(chart.reading, c.standard);
        EXPECT_EQ(chart.clock.time, c.clock);
    }
    const BasisChart summer =
        chartAt(instantFromClock({{1988, 7, 15}, 12, 0, 0}, basis).instant, basis);
    EXPECT_EQ(summer.clock.utcOffset, 9 * kHour);
    EXPECT_EQ(summer.clock.summerTime, kHour);
    EXPECT_EQ(utcOffsetText(summer.clock.utcOffset), "+09:00");
}

// On both sides of each change the reading runs on without a jump while the
// clock jumps by an hour. Spring: 01:59:59 → 03:00:00 on the clock, 01:59:59 →
// 02:00:00 standard, the same 丑 hour. Autumn: 01:59:59 summer time → 01:00:00
// on the clock is 00:59:59 → 01:00:00 standard, where the 丑 hour begins.
TEST(TimeBasis, ChartsAcrossEverySummerTimeChange1986To1991) {
    const TimeBasis basis = zoneBasis("Asia/Shanghai");
    const CivilDate changes[][2] = {{{1986, 5, 4}, {1986, 9, 14}},  {{1987, 4, 12}, {1987, 9, 13}},
                                    {{1988, 4, 17}, {1988, 9, 11}}, {{1989, 4, 16}, {1989, 9, 17}},
                                    {{1990, 4, 15}, {1990, 9, 16}}, {{1991, 4, 14}, {1991, 9, 15}}};
    for (const auto& year : changes) {
        SCOPED_TRACE(year[0].year);
        const Instant spring = instantFromLocal(CivilDateTime{year[0], 2, 0, 0}, 8 * kHour);
        const Instant autumn = instantFromLocal(CivilDateTime{year[1], 2, 0, 0}, 9 * kHour);
        const BasisChart springBefore = chartAt(spring - 1, basis),
                         springAfter = chartAt(spring, basis);
        EXPECT_EQ(springBefore.clock.time, (CivilDateTime{year[0], 1, 59, 59}));
        EXPECT_EQ(springAfter.clock.time, (CivilDateTime{year[0], 3, 0, 0}));
        EXPECT_EQ(springBefore.reading, (CivilDateTime{year[0], 1, 59, 59}));
        EXPECT_EQ(springAfter.reading, (CivilDateTime{year[0], 2, 0, 0}));
        EXPECT_EQ(springBefore.pillars, springAfter.pillars);
        EXPECT_EQ(springAfter.pillars, pillarIndices(springAfter.reading));

        const BasisChart autumnBefore = chartAt(autumn - 1, basis),
                         autumnAfter = chartAt(autumn, basis);
        EXPECT_EQ(autumnBefore.clock.time, (CivilDateTime{year[1], 1, 59, 59}));
        EXPECT_EQ(autumnAfter.clock.time, (CivilDateTime{year[1], 1, 0, 0}));
        EXPECT_EQ(autumnBefore.reading, (CivilDateTime{year[1], 0, 59, 59}));
        EXPECT_EQ(autumnAfter.reading, (CivilDateTime{year[1], 1, 0, 0}));
        EXPECT_EQ(autumnBefore.pillars, pillarIndices(autumnBefore.reading));
        EXPECT_EQ(autumnAfter.pillars, pillarIndices(autumnAfter.reading));
        EXPECT_EQ(branchNumber(autumnBefore.pillars.hour), 1);
        EXPECT_EQ(branchNumber(autumnAfter.pillars.hour), 2);
    }
}

TEST(TimeBasis, SkippedAndDoubledClockTimes) {
    TimeBasis basis = zoneBasis("Asia/Shanghai");
    const ClockResolution gap = instantFromClock({{1988, 4, 17}, 2, 30, 0}, basis);
    EXPECT_EQ(gap.status, ClockResolution::Status::gap);
    EXPECT_EQ(gap.lookup.first.utcOffset, 8 * kHour);
    EXPECT_EQ(gap.lookup.second.utcOffset, 9 * kHour);

    const CivilDateTime twice{{1988, 9, 11}, 1, 30, 0};
    const ClockResolution refused = instantFromClock(twice, basis);
    EXPECT_EQ(refused.status, ClockResolution::Status::ambiguous);
    EXPECT_EQ(refused.lookup.first.utcOffset, 9 * kHour);
    EXPECT_EQ(refused.lookup.second.utcOffset, 8 * kHour);

    basis.fold = Fold::earlier;
    const ClockResolution earlier = instantFromClock(twice, basis);
    ASSERT_EQ(earlier.status, ClockResolution::Status::ok);
    EXPECT_EQ(earlier.instant, instantFromLocal(twice, 9 * kHour));
    // Read on standard time the earlier 01:30 is 00:30, the 子 hour; the later
    // one is 01:30, the 丑 hour.
    EXPECT_EQ(branchNumber(chartAt(earlier.instant, basis).pillars.hour), 1);
    basis.fold = Fold::later;
    const ClockResolution later = instantFromClock(twice, basis);
    ASSERT_EQ(later.status, ClockResolution::Status::ok);
    EXPECT_EQ(later.instant - earlier.instant, kHour);
    EXPECT_EQ(branchNumber(chartAt(later.instant, basis).pillars.hour), 2);
}

// Range bounds in clock time: 1940-06-01 00:00 never showed in Shanghai (clocks
// went from 23:59:59 to 01:00), so a range from that day starts at the jump.
TEST(TimeBasis, RangeBoundsInClockTime) {
    TimeBasis basis = zoneBasis("Asia/Shanghai");
    const Instant jump = instantFromLocal(CivilDateTime{{1940, 6, 1}, 0, 0, 0}, 8 * kHour);
    EXPECT_EQ(instantFromClock({{1940, 6, 1}, 0, 0, 0}, basis).status,
              ClockResolution::Status::gap);
    EXPECT_EQ(instantAtOrAfterClock({{1940, 6, 1}, 0, 0, 0}, basis), jump);
    EXPECT_EQ(instantAtOrAfterClock({{1940, 6, 1}, 0, 30, 0}, basis), jump);
    EXPECT_EQ(clockFromInstant(jump, basis).time, (CivilDateTime{{1940, 6, 1}, 1, 0, 0}));
    // A doubled time: the earlier reading, whatever the fold.
    basis.fold = Fold::later;
    EXPECT_EQ(instantAtOrAfterClock({{1988, 9, 11}, 1, 30, 0}, basis),
              instantFromLocal(CivilDateTime{{1988, 9, 11}, 1, 30, 0}, 9 * kHour));
    EXPECT_EQ(instantAtOrAfterClock({{2016, 3, 16}, 0, 0, 0}, TimeBasis{}),
              beijing(2016, 3, 16, 0));
}

TEST(TimeBasis, NewYorkBirthIsReadOnEasternStandardTime) {
    const TimeBasis basis = zoneBasis("America/New_York");
    // 2016-07-04 09:30 EDT = 08:30 EST = 13:30 UTC = 21:30 UTC+8.
    const ClockResolution r = instantFromClock({{2016, 7, 4}, 9, 30, 0}, basis);
    ASSERT_EQ(r.status, ClockResolution::Status::ok);
    EXPECT_EQ(r.instant, beijing(2016, 7, 4, 21, 30));
    const BasisChart c = chartAt(r.instant, basis);
    EXPECT_EQ(c.reading, (CivilDateTime{{2016, 7, 4}, 8, 30, 0}));
    EXPECT_EQ(utcOffsetText(c.clock.utcOffset), "-04:00");
    // Day and hour from the New York standard time, month from the term instant.
    const PillarIndices est = pillarIndices(CivilDateTime{{2016, 7, 4}, 8, 30, 0});
    EXPECT_EQ(c.pillars.day, est.day);
    EXPECT_EQ(c.pillars.hour, est.hour);
    EXPECT_EQ(c.pillars.month, pillarIndices(CivilDateTime{{2016, 7, 4}, 21, 30, 0}).month);
}

// The month pillar changes at the 节's instant, wherever the clock is: 2016's
// 立春 was 17:45:53 UTC+8, 04:45:53 in New York (EST).
TEST(TimeBasis, TermsAreTheSameInstantOnEveryBasis) {
    const Instant lichun = instantFromCalendarTime(termMoment(2016, 3));
    for (const TimeBasis& basis :
         {zoneBasis("America/New_York"), solarBasis(SolarTime::apparent, 87.6),
          solarBasis(SolarTime::mean, -74.0)}) {
        EXPECT_EQ(chartAt(lichun - 1, basis).pillars.year, cycleIndexOf(2, 8)); // 乙未
        EXPECT_EQ(chartAt(lichun, basis).pillars.year, cycleIndexOf(3, 9));     // 丙申
        EXPECT_EQ(chartAt(lichun, basis).pillars.month, cycleIndexOf(7, 3));    // 庚寅
    }
    EXPECT_EQ(clockFromInstant(lichun, zoneBasis("America/New_York")).time,
              (CivilDateTime{{2016, 2, 4}, 4, 45, 53}));
}

// ---- solar time, worked by hand ----

// Urumqi, 87.60046° E (GeoNames). Clock 2000-03-20 12:00 Beijing time = 04:00
// UTC. Mean solar time: 87.60046° × 4 min = 5 h 50 min 24.11 s after UTC, so
// 09:50:24. The equation of time that morning is -7 min 28.6 s (almanac:
// -7 min 29 s), true solar time 09:42:55. Both are the 巳 hour; the clock's
// 12:00 would be 午. Day 2000-03-20: 2000-01-01 was 戊午 (55), 79 days on is
// 丁丑 (14); a 丁 day's 子 hour is 庚子, its 巳 hour 乙巳, its 午 hour 丙午.
// Year 庚辰 (after 立春), month 己卯 (after 惊蛰 on 5 March; 乙庚之岁戊为头).
TEST(TimeBasis, UrumqiWorkedByHand) {
    const Instant t = beijing(2000, 3, 20, 12);
    EXPECT_EQ(pillarsOf(chartAt(t, TimeBasis{})), "庚辰 己卯 丁丑 丙午");

    const BasisChart mean = chartAt(t, solarBasis(SolarTime::mean, 87.60046));
    EXPECT_EQ(mean.reading, (CivilDateTime{{2000, 3, 20}, 9, 50, 24}));
    EXPECT_EQ(pillarsOf(mean), "庚辰 己卯 丁丑 乙巳");

    const std::int64_t e = equationOfTimeMs(t);
    EXPECT_NEAR(static_cast<double>(e) / 1000, -(7 * 60 + 29), 1.5);
    const BasisChart apparent = chartAt(t, solarBasis(SolarTime::apparent, 87.60046));
    EXPECT_EQ(localSecondsOf(apparent.reading),
              (localSecondsOf(CivilDateTime{{2000, 3, 20}, 4, 0, 0}) * 1000 + 21'024'110 + e) /
                  1000);
    EXPECT_EQ(apparent.reading.hour, 9);
    EXPECT_EQ(apparent.reading.minute, 42);
    EXPECT_EQ(pillarsOf(apparent), "庚辰 己卯 丁丑 乙巳");
    // The clock part of the chart stays as given.
    EXPECT_EQ(apparent.clock.time, (CivilDateTime{{2000, 3, 20}, 12, 0, 0}));
}

// Harbin, 126.65° E: 6.65° east of 120°, so mean solar time runs 26 min 36 s
// ahead of Beijing time. Clock 1995-06-10 22:45 → mean solar 23:11:36, the late
// 子 hour; the equation of time (+39 s) makes it 23:12:15. By the clock it is
// 亥 of 壬申 (9): 丁壬庚子居, so 辛亥. By the sun it is 子: under "next-day" the
// day is already 癸酉 (10) and the hour 壬子 (戊癸何方发，壬子是真途); under
// "same-day" the day stays 壬申 and the hour is still 壬子. Year 乙亥, month 壬午
// (after 芒种 on 6 June).
TEST(TimeBasis, HarbinWorkedByHand) {
    const Instant t = beijing(1995, 6, 10, 22, 45);
    EXPECT_EQ(pillarsOf(chartAt(t, TimeBasis{})), "乙亥 壬午 壬申 辛亥");

    TimeBasis basis = solarBasis(SolarTime::mean, 126.65);
    EXPECT_EQ(chartAt(t, basis).reading, (CivilDateTime{{1995, 6, 10}, 23, 11, 36}));
    EXPECT_EQ(pillarsOf(chartAt(t, basis)), "乙亥 壬午 癸酉 壬子");

    basis.solarTime = SolarTime::apparent;
    const BasisChart apparent = chartAt(t, basis);
    EXPECT_NEAR(static_cast<double>(equationOfTimeMs(t)) / 1000, 39, 1.5);
    EXPECT_EQ(apparent.reading.hour, 23);
    EXPECT_EQ(apparent.reading.minute, 12);
    EXPECT_EQ(pillarsOf(apparent), "乙亥 壬午 癸酉 壬子");

    basis.lateZi = LateZi::sameDay;
    EXPECT_EQ(pillarsOf(chartAt(t, basis)), "乙亥 壬午 壬申 壬子");
}

TEST(TimeBasis, LongitudeOffsets) {
    EXPECT_EQ(longitudeOffsetMs(120.0), 8 * kHour * 1000);
    EXPECT_EQ(longitudeOffsetMs(87.60046), 21'024'110);
    EXPECT_EQ(longitudeOffsetMs(-74.00597), -17'761'433);
    EXPECT_EQ(longitudeOffsetMs(0.0), 0);
    EXPECT_TRUE(isValidLongitude(-180.0));
    EXPECT_TRUE(isValidLongitude(180.0));
    EXPECT_FALSE(isValidLongitude(180.5));
    EXPECT_FALSE(isValidLongitude(-181.0));
    EXPECT_FALSE(isValidLongitude(std::numeric_limits<double>::quiet_NaN()));
}

// ---- the late 子 hour ----

// 2016-03-16 is a 丁酉 day; 2016-03-17 戊戌. "same-day": 23:00-24:00 keeps 丁酉
// and takes 戊戌's 子 hour, 壬子 (a 丁 day's own 子 hour would be 庚子); from
// 00:00 the day is 戊戌 and the hour still 壬子.
TEST(TimeBasis, LateZiSameDay) {
    TimeBasis nextDay, sameDay;
    sameDay.lateZi = LateZi::sameDay;
    struct Case {
        const char* note;
        CivilDateTime moment;
        const char* nextDayPillars;
        const char* sameDayPillars;
    } const cases[] = {
        {"22:59:59 亥", {{2016, 3, 16}, 22, 59, 59}, "丁酉 辛亥", "丁酉 辛亥"},
        {"23:00:00 late 子", {{2016, 3, 16}, 23, 0, 0}, "戊戌 壬子", "丁酉 壬子"},
        {"23:59:59 late 子", {{2016, 3, 16}, 23, 59, 59}, "戊戌 壬子", "丁酉 壬子"},
        {"00:00:00 early 子", {{2016, 3, 17}, 0, 0, 0}, "戊戌 壬子", "戊戌 壬子"},
        {"00:59:59 early 子", {{2016, 3, 17}, 0, 59, 59}, "戊戌 壬子", "戊戌 壬子"},
        {"01:00:00 丑", {{2016, 3, 17}, 1, 0, 0}, "戊戌 癸丑", "戊戌 癸丑"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        const Instant t = instantFromCalendarTime(c.moment);
        const auto dayHour = [&](const TimeBasis& b) {
            const BasisChart chart = chartAt(t, b);
            return pillarText(chart.pillars.day) + ' ' + pillarText(chart.pillars.hour);
        };
        EXPECT_EQ(dayHour(nextDay), c.nextDayPillars);
        EXPECT_EQ(dayHour(sameDay), c.sameDayPillars);
    }
}

// Under "same-day" a late 子 hour pillar breaks the five-rats rule of its day
// pillar every day, and only from 23:00 to 24:00.
TEST(TimeBasis, SameDayBreaksTheHourStemRuleOnlyInTheLateZiHour) {
    TimeBasis sameDay;
    sameDay.lateZi = LateZi::sameDay;
    for (Instant t = beijing(2020, 1, 1, 0); t < beijing(2020, 3, 1, 0); t = t + 600) {
        const BasisChart c = chartAt(t, sameDay);
        const bool followsRule =
            c.pillars.hour == ((c.pillars.day - 1) % 5) * 12 + branchNumber(c.pillars.hour);
        ASSERT_EQ(followsRule, c.reading.hour != 23)
            << c.reading.date.day << ' ' << c.reading.hour << ':' << c.reading.minute;
    }
}

TEST(TimeBasis, MomentChartOfABasisChart) {
    const TimeBasis basis = zoneBasis("Asia/Shanghai");
    const Instant t = instantFromClock({{1988, 7, 15}, 0, 30, 0}, basis).instant;
    const MomentChart m = momentChartOf(chartAt(t, basis));
    EXPECT_EQ(m.moment, (CivilDateTime{{1988, 7, 15}, 0, 30, 0}));
    // 00:30 summer time is 23:30 standard on the 14th: the next day's 子 hour.
    EXPECT_EQ(m.spacedChartText(), "戊辰 己未 辛未 戊子");
    // The lunar date is that of the clock's date.
    EXPECT_EQ(lunarTimeText(m),
              lunarTimeText(momentChartOf(CivilDateTime{{1988, 7, 15}, 12, 0, 0})));
}

TEST(TimeBasis, TextsOfTheBasis) {
    EXPECT_EQ(utcOffsetText(8 * kHour), "+08:00");
    EXPECT_EQ(utcOffsetText(-5 * kHour), "-05:00");
    EXPECT_EQ(utcOffsetText(0), "+00:00");
    EXPECT_EQ(utcOffsetText(8 * kHour + 343), "+08:05:43");
    EXPECT_EQ(utcOffsetText(-(3 * kHour + 30 * 60)), "-03:30");
    EXPECT_EQ(describeBasis(TimeBasis{}),
              "时区 UTC+8（固定，无夏令时）；日柱、时柱按钟表时；晚子时算次日");
    TimeBasis b = zoneBasis("Asia/Shanghai");
    b.solarTime = SolarTime::apparent;
    b.longitude = 104.06667;
    b.placeName = "成都";
    b.lateZi = LateZi::sameDay;
    EXPECT_EQ(describeBasis(b),
              "时区 Asia/Shanghai；日柱、时柱按真太阳时（成都，东经 104.07°）；晚子时算当日");
    b.solarTime = SolarTime::off;
    EXPECT_EQ(describeBasis(b),
              "时区 Asia/Shanghai；日柱、时柱按标准时（夏令时不计）；晚子时算当日");
    TimeBasis west = solarBasis(SolarTime::mean, -74.006);
    EXPECT_EQ(describeBasis(west),
              "时区 UTC+8（固定，无夏令时）；日柱、时柱按平太阳时（西经 74.01°）；晚子时算次日");
}

} // namespace
} // namespace bazi

// The window's time settings as plain values: the basis a choice gives or the
// reason it gives none, when two bases read alike, and the status line's text
// (in the source language, describeBasis exactly).
#include "ui/time_settings.h"

#include "texts/basis_texts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace bazi::ui {
namespace {

TimeSettings zone(const char* name) {
    TimeSettings s;
    s.zone = name;
    return s;
}

TEST(TimeSettings, TheDefaultChoiceIsTheCalendarsBasis) {
    const SettingsBasis b = basisFromSettings(TimeSettings{});
    EXPECT_EQ(b.problem, SettingsProblem::none);
    EXPECT_TRUE(b.basis.isDefault());
    // A clock time shown twice is read at its earlier showing, never refused.
    EXPECT_EQ(b.basis.fold, Fold::earlier);
}

TEST(TimeSettings, ProblemsInTheOrderOfTheDialogsFields) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* note;
        TimeSettings settings;
        SettingsProblem expected;
    };
    std::vector<Case> cases = {
        {"a zone of the tz database", zone("Asia/Shanghai"), SettingsProblem::none},
        {"a link of the tz database", zone("PRC"), SettingsProblem::none},
        {"a misspelt zone", zone("Asia/Shangai"), SettingsProblem::unknownZone},
        {"a zone's name in another case", zone("asia/shanghai"), SettingsProblem::unknownZone},
        {"a zone whose later rule cannot be read", zone("America/Nuuk"),
         SettingsProblem::unsupportedZone},
    };
    TimeSettings s;
    s.longitude = 180.5;
    cases.push_back({"a longitude past 180", s, SettingsProblem::longitudeOutOfRange});
    s.longitude = nan;
    cases.push_back({"a longitude that is not a number", s, SettingsProblem::longitudeOutOfRange});
    s.longitude = -180.0;
    cases.push_back({"the last longitude west", s, SettingsProblem::none});
    s = TimeSettings{};
    s.solarTime = SolarTime::apparent;
    cases.push_back({"true solar time without a place", s, SettingsProblem::solarTimeWithoutPlace});
    s.solarTime = SolarTime::mean;
    cases.push_back({"mean solar time without a place", s, SettingsProblem::solarTimeWithoutPlace});
    s.longitude = 87.6;
    cases.push_back({"mean solar time with a longitude", s, SettingsProblem::none});
    s.zone = "Nowhere/Town";
    cases.push_back({"the zone is the first field", s, SettingsProblem::unknownZone});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(basisFromSettings(c.settings).problem, c.expected);
        if (c.expected != SettingsProblem::none) {
            EXPECT_TRUE(basisFromSettings(c.settings).basis.isDefault());
        }
    }
}

TEST(TimeSettings, APlaceIsReadOnlyWithSolarTime) {
    TimeSettings s = zone("Asia/Shanghai");
    s.placeName = "乌鲁木齐";
    s.longitude = 87.6005;
    const TimeBasis clock = basisFromSettings(s).basis;
    EXPECT_EQ(clock.solarTime, SolarTime::off);
    EXPECT_TRUE(clock.placeName.empty());
    s.solarTime = SolarTime::apparent;
    s.lateZi = LateZi::sameDay;
    const TimeBasis solar = basisFromSettings(s).basis;
    EXPECT_EQ(solar.zone.name(), "Asia/Shanghai");
    EXPECT_EQ(solar.solarTime, SolarTime::apparent);
    EXPECT_EQ(solar.longitude, 87.6005);
    EXPECT_EQ(solar.placeName, "乌鲁木齐");
    EXPECT_EQ(solar.lateZi, LateZi::sameDay);
}

TEST(TimeSettings, SameReadingComparesWhatChangesTheCharts) {
    TimeSettings s = zone("Asia/Shanghai");
    s.longitude = 104.0667;
    const TimeBasis a = basisFromSettings(s).basis;
    s.longitude = 87.6; // read only with solar time on
    EXPECT_TRUE(sameReading(a, basisFromSettings(s).basis));
    EXPECT_FALSE(sameReading(a, TimeBasis{}));
    s.solarTime = SolarTime::mean;
    const TimeBasis mean = basisFromSettings(s).basis;
    EXPECT_FALSE(sameReading(a, mean));
    s.longitude = 104.0667;
    EXPECT_FALSE(sameReading(mean, basisFromSettings(s).basis));
    s.lateZi = LateZi::sameDay;
    s.solarTime = SolarTime::off;
    EXPECT_FALSE(sameReading(a, basisFromSettings(s).basis));
    // The calendar's basis is the default choice, whatever its fold.
    EXPECT_TRUE(sameReading(TimeBasis{}, basisFromSettings(TimeSettings{}).basis));
}

// Without a translation the status line is the engine's describeBasis.
TEST(TimeSettings, TheBasisLineIsDescribeBasis) {
    std::vector<TimeSettings> choices = {TimeSettings{}, zone("Asia/Shanghai"),
                                         zone("America/New_York")};
    TimeSettings s = zone("Asia/Shanghai");
    s.placeName = "成都";
    s.longitude = 104.0667;
    s.solarTime = SolarTime::apparent;
    choices.push_back(s);
    s.placeName.clear();
    s.longitude = -74.006;
    s.solarTime = SolarTime::mean;
    s.lateZi = LateZi::sameDay;
    choices.push_back(s);
    s = TimeSettings{};
    s.lateZi = LateZi::sameDay;
    choices.push_back(s);
    for (const TimeSettings& c : choices) {
        const TimeBasis basis = basisFromSettings(c).basis;
        EXPECT_EQ(basisLineText(basis).toStdString(), describeBasis(basis));
    }
    EXPECT_EQ(basisLineText(basisFromSettings(choices[3]).basis).toStdString(),
              "时区 Asia/Shanghai；日柱、时柱按真太阳时（成都，东经 104.07°）；晚子时算次日");
}

TEST(TimeSettings, RangeBoundsAreDaysOfTheClock) {
    const TimeBasis shanghai = basisFromSettings(zone("Asia/Shanghai")).basis;
    // The calendar's clock: the day as it is.
    EXPECT_EQ(dayStartOnClock({2016, 3, 16}, nullptr), civilSecondsOf({{2016, 3, 16}, 0, 0, 0}));
    // In Shanghai's summer of 1988 a day starts an hour earlier on the calendar's clock.
    EXPECT_EQ(dayStartOnClock({1988, 7, 15}, &shanghai), civilSecondsOf({{1988, 7, 14}, 23, 0, 0}));
    EXPECT_EQ(clockSecondOf(civilSecondsOf({{1988, 7, 14}, 23, 0, 0}), shanghai),
              civilSecondsOf({{1988, 7, 15}, 0, 0, 0}));
    // New York's last day of the calendar ends past the calendar: kept inside.
    const TimeBasis newYork = basisFromSettings(zone("America/New_York")).basis;
    EXPECT_EQ(dayStartOnClock({2201, 1, 1}, &newYork),
              civilSecondsOf({{2200, 12, 31}, 23, 59, 59}) + 1);
}

} // namespace
} // namespace bazi::ui

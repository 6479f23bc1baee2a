// Clock zones over the system's tz database. The expected changes are those of
// the tz database (2025b; China's summer time 1986-1991 has stood unchanged in
// it for years): each is checked a second before and at its first second.

#include "basis/clock_zone.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace bazi {
namespace {

constexpr int kHour = 3600;

ClockZone zoneNamed(const char* name) {
    const ZoneLookup lookup = ClockZone::fromName(name);
    EXPECT_EQ(lookup.status, ZoneLookupStatus::ok) << name;
    return lookup.zone;
}

Instant utc(int y, int mo, int d, int h, int mi = 0, int s = 0) {
    return instantFromLocal(CivilDateTime{{y, mo, d}, h, mi, s}, 0);
}

// China's summer time: clocks went from 02:00 to 03:00 on the spring Sunday
// (18:00 UTC the day before) and from 02:00 back to 01:00 on the autumn Sunday
// (17:00 UTC the day before).
struct SummerTime {
    int year;
    CivilDate spring, autumn;
};
constexpr SummerTime kChinaSummerTime[] = {
    {1986, {1986, 5, 4}, {1986, 9, 14}},  {1987, {1987, 4, 12}, {1987, 9, 13}},
    {1988, {1988, 4, 17}, {1988, 9, 11}}, {1989, {1989, 4, 16}, {1989, 9, 17}},
    {1990, {1990, 4, 15}, {1990, 9, 16}}, {1991, {1991, 4, 14}, {1991, 9, 15}},
};

TEST(ClockZone, ShanghaiSummerTimeBothSidesOfEveryChange1986To1991) {
    const ClockZone shanghai = zoneNamed("Asia/Shanghai");
    for (const SummerTime& st : kChinaSummerTime) {
        SCOPED_TRACE(st.year);
        const Instant spring = instantFromLocal(CivilDateTime{st.spring, 2, 0, 0}, 8 * kHour);
        const Instant autumn = instantFromLocal(CivilDateTime{st.autumn, 2, 0, 0}, 9 * kHour);

        const ZoneStretch before = shanghai.stretchAt(spring - 1);
        const ZoneStretch summer = shanghai.stretchAt(spring);
        EXPECT_EQ(before.utcOffset, 8 * kHour);
        EXPECT_EQ(before.summerTime, 0);
        EXPECT_EQ(summer.utcOffset, 9 * kHour);
        EXPECT_EQ(summer.summerTime, kHour);
        EXPECT_EQ(summer.standardOffset(), 8 * kHour);
        EXPECT_EQ(summer.begin, spring);
        EXPECT_EQ(summer.end, autumn);
        EXPECT_EQ(shanghai.stretchAt(autumn - 1).utcOffset, 9 * kHour);
        EXPECT_EQ(shanghai.stretchAt(autumn).utcOffset, 8 * kHour);
        EXPECT_EQ(shanghai.stretchAt(autumn).summerTime, 0);

        // 01:59:59 and 03:00:00 exist once; 02:00:00 .. 02:59:59 never.
        EXPECT_EQ(shanghai.lookupLocal(CivilDateTime{st.spring, 1, 59, 59}).kind,
                  LocalLookup::Kind::unique);
        EXPECT_EQ(shanghai.lookupLocal(CivilDateTime{st.spring, 3, 0, 0}).kind,
                  LocalLookup::Kind::unique);
        EXPECT_EQ(shanghai.lookupLocal(CivilDateTime{st.spring, 3, 0, 0}).first.utcOffset,
                  9 * kHour);
        for (const CivilDateTime t :
             {CivilDateTime{st.spring, 2, 0, 0}, CivilDateTime{st.spring, 2, 59, 59}}) {
            const LocalLookup gap = shanghai.lookupLocal(t);
            EXPECT_EQ(gap.kind, LocalLookup::Kind::gap);
            EXPECT_EQ(gap.first.utcOffset, 8 * kHour);
            EXPECT_EQ(gap.second.utcOffset, 9 * kHour);
            EXPECT_EQ(gap.second.begin, spring);
        }
        // 01:00:00 .. 01:59:59 of the autumn Sunday twice: first at +09:00.
        for (const CivilDateTime t :
             {CivilDateTime{st.autumn, 1, 0, 0}, CivilDateTime{st.autumn, 1, 59, 59}}) {
            const LocalLookup twice = shanghai.lookupLocal(t);
            EXPECT_EQ(twice.kind, LocalLookup::Kind::ambiguous);
            EXPECT_EQ(twice.first.utcOffset, 9 * kHour);
            EXPECT_EQ(twice.second.utcOffset, 8 * kHour);
            EXPECT_EQ(twice.first.end, autumn);
        }
        EXPECT_EQ(shanghai.lookupLocal(CivilDateTime{st.autumn, 0, 59, 59}).kind,
                  LocalLookup::Kind::unique);
        EXPECT_EQ(shanghai.lookupLocal(CivilDateTime{st.autumn, 2, 0, 0}).kind,
                  LocalLookup::Kind::unique);
    }
    // 1985 and 1992 had none.
    EXPECT_EQ(shanghai.stretchAt(utc(1985, 7, 1, 0)).utcOffset, 8 * kHour);
    EXPECT_EQ(shanghai.stretchAt(utc(1992, 7, 1, 0)).utcOffset, 8 * kHour);
}

TEST(ClockZone, ShanghaiInThe1940sAndBefore1901) {
    const ClockZone shanghai = zoneNamed("Asia/Shanghai");
    const ZoneStretch s = shanghai.stretchAt(utc(1946, 7, 1, 0));
    EXPECT_EQ(s.utcOffset, 9 * kHour);
    EXPECT_EQ(s.summerTime, kHour);
    // Local mean time of Shanghai, +8:05:43, until the last second of 1900.
    EXPECT_EQ(shanghai.stretchAt(utc(1900, 6, 1, 0)).utcOffset, 8 * kHour + 343);
    EXPECT_EQ(shanghai.stretchAt(utc(1900, 6, 1, 0)).summerTime, 0);
}

// The zone files list changes up to 2037; later ones follow the closing rule.
TEST(ClockZone, NewYorkKeepsSummerTimeAfter2037) {
    const ClockZone ny = zoneNamed("America/New_York");
    EXPECT_EQ(ny.stretchAt(utc(1900, 7, 1, 12)).utcOffset, -5 * kHour);
    EXPECT_EQ(ny.stretchAt(utc(2030, 7, 1, 12)).utcOffset, -4 * kHour);
    for (int year : {2040, 2100, 2199}) {
        SCOPED_TRACE(year);
        const ZoneStretch july = ny.stretchAt(utc(year, 7, 1, 12));
        EXPECT_EQ(july.utcOffset, -4 * kHour);
        EXPECT_EQ(july.summerTime, kHour);
        EXPECT_EQ(july.standardOffset(), -5 * kHour);
        EXPECT_EQ(ny.stretchAt(utc(year, 1, 15, 12)).utcOffset, -5 * kHour);
    }
    // 2040: second Sunday of March (11th) 02:00 EST, first Sunday of November (4th) 02:00 EDT.
    EXPECT_EQ(ny.stretchAt(utc(2040, 7, 1, 12)).begin, utc(2040, 3, 11, 7));
    EXPECT_EQ(ny.stretchAt(utc(2040, 7, 1, 12)).end, utc(2040, 11, 4, 6));
    EXPECT_EQ(ny.lookupLocal(CivilDateTime{{2040, 3, 11}, 2, 30, 0}).kind, LocalLookup::Kind::gap);
    const LocalLookup twice = ny.lookupLocal(CivilDateTime{{2100, 11, 7}, 1, 30, 0});
    EXPECT_EQ(twice.kind, LocalLookup::Kind::ambiguous);
    EXPECT_EQ(twice.first.utcOffset, -4 * kHour);
    EXPECT_EQ(twice.second.utcOffset, -5 * kHour);
    // The 2037 change itself, where the listed changes end.
    EXPECT_EQ(ny.lookupLocal(CivilDateTime{{2037, 11, 1}, 1, 30, 0}).kind,
              LocalLookup::Kind::ambiguous);
    EXPECT_EQ(ny.stretchAt(utc(2037, 11, 1, 6)).utcOffset, -5 * kHour);
    EXPECT_EQ(ny.stretchAt(utc(2037, 11, 1, 6) - 1).utcOffset, -4 * kHour);
}

TEST(ClockZone, TheCalendarsFixedClock) {
    const ClockZone fixed;
    EXPECT_TRUE(fixed.isFixed());
    EXPECT_EQ(fixed.name(), "");
    for (const Instant t : {utc(1800, 1, 1, 0), utc(1988, 7, 1, 0), utc(2200, 12, 31, 23)}) {
        EXPECT_EQ(fixed.stretchAt(t).utcOffset, 8 * kHour);
        EXPECT_EQ(fixed.stretchAt(t).summerTime, 0);
    }
    const LocalLookup l = fixed.lookupLocal(CivilDateTime{{1988, 4, 17}, 2, 30, 0});
    EXPECT_EQ(l.kind, LocalLookup::Kind::unique);
    EXPECT_EQ(l.first.utcOffset, 8 * kHour);
}

TEST(ClockZone, NamesLookedUp) {
    EXPECT_EQ(ClockZone::fromName("Asia/Nowhere").status, ZoneLookupStatus::unknown);
    EXPECT_EQ(ClockZone::fromName("").status, ZoneLookupStatus::unknown);
    EXPECT_EQ(ClockZone::fromName("../../etc/passwd").status, ZoneLookupStatus::unknown);
    EXPECT_EQ(ClockZone::fromName("asia/shanghai").status, ZoneLookupStatus::unknown);
    // Greenland's closing rule switches at hour −1, beyond what the POSIX reader takes.
    EXPECT_EQ(ClockZone::fromName("America/Nuuk").status, ZoneLookupStatus::unsupported);
    // Xinjiang's own zone is UTC+6; links resolve.
    EXPECT_EQ(zoneNamed("Asia/Urumqi").stretchAt(utc(2000, 1, 1, 0)).utcOffset, 6 * kHour);
    EXPECT_EQ(zoneNamed("Asia/Harbin").stretchAt(utc(1988, 7, 1, 0)).utcOffset, 9 * kHour);
    EXPECT_EQ(zoneNamed("Asia/Shanghai").name(), "Asia/Shanghai");
    EXPECT_EQ(zoneNamed("UTC").stretchAt(utc(2000, 1, 1, 0)).utcOffset, 0);
    EXPECT_TRUE(zoneNamed("Asia/Shanghai") == zoneNamed("Asia/Shanghai"));
    EXPECT_FALSE(zoneNamed("Asia/Shanghai") == ClockZone{});
}

TEST(ClockZone, ZoneListIsSortedAndUsable) {
    const std::vector<std::string> names = clockZoneNames();
    EXPECT_GT(names.size(), 300u);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    for (const char* name : {"Asia/Shanghai", "Asia/Hong_Kong", "Asia/Taipei", "America/New_York",
                             "Europe/London", "Asia/Urumqi"})
        EXPECT_TRUE(std::binary_search(names.begin(), names.end(), name)) << name;
    EXPECT_FALSE(std::binary_search(names.begin(), names.end(), "America/Nuuk"));
    EXPECT_FALSE(tzDatabaseVersion().empty());
}

} // namespace
} // namespace bazi

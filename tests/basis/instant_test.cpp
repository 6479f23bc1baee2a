#include "basis/instant.h"

#include <gtest/gtest.h>

namespace bazi {
namespace {

TEST(Instant, CalendarClockIsEightHoursAheadOfUtc) {
    EXPECT_EQ(instantFromCalendarTime(CivilDateTime{{1970, 1, 1}, 8, 0, 0}).seconds, 0);
    EXPECT_EQ(instantFromCalendarTime(CivilDateTime{{1970, 1, 1}, 0, 0, 0}).seconds, -28'800);
    // 2016-02-04 17:45:53 UTC+8 (立春) is 09:45:53 UTC; 1,454,579,153 by `date -u +%s`.
    EXPECT_EQ(instantFromCalendarTime(CivilDateTime{{2016, 2, 4}, 17, 45, 53}).seconds,
              1'454'579'153);
    EXPECT_EQ(calendarTimeFromInstant(Instant{1'454'579'153}),
              (CivilDateTime{{2016, 2, 4}, 17, 45, 53}));
}

// Every day 1800..2200 at its first and last second, on clocks east and west
// of UTC, round-trips; consecutive days lie 86,400 s apart.
TEST(Instant, RoundTripsEveryDayOf1800To2200) {
    const int offsets[] = {kCalendarUtcOffset, -5 * 3600, 21'024, 0};
    std::int64_t previous = instantFromLocal(CivilDateTime{{1799, 12, 31}, 0, 0, 0}, 0).seconds;
    for (CivilDate d{1800, 1, 1}; d <= CivilDate{2200, 12, 31};
         d = stepDay(d, StepDirection::forward)) {
        const Instant midnight = instantFromLocal(CivilDateTime{d, 0, 0, 0}, 0);
        ASSERT_EQ(midnight.seconds - previous, kSecondsPerDay);
        previous = midnight.seconds;
        for (int offset : offsets)
            for (CivilDateTime t : {CivilDateTime{d, 0, 0, 0}, CivilDateTime{d, 23, 59, 59}})
                ASSERT_EQ(localFromInstant(instantFromLocal(t, offset), offset), t)
                    << d.year << '-' << d.month << '-' << d.day << " offset " << offset;
    }
}

TEST(Instant, ArithmeticInSeconds) {
    const Instant t{100};
    EXPECT_EQ((t + 5).seconds, 105);
    EXPECT_EQ((t - 105).seconds, -5);
    EXPECT_EQ(Instant{7} - Instant{10}, -3);
    EXPECT_LT(Instant{-1}, Instant{0});
    // Negative instants split into days with floor semantics.
    EXPECT_EQ(localFromInstant(Instant{-1}, 0), (CivilDateTime{{1969, 12, 31}, 23, 59, 59}));
}

} // namespace
} // namespace bazi

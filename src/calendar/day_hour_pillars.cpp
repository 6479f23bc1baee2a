#include "calendar/day_hour_pillars.h"

#include "calendar/sexagenary.h"

namespace bazi {

namespace {

constexpr int kDay19010101Index = 16; // 己卯

} // namespace

int dayPillarOfDate(CivilDate date) {
    const auto elapsed =
        static_cast<int>(floorMod(dayNumber(date) - dayNumber(1901, 1, 1), std::int64_t{60}));
    return cycleAdd(kDay19010101Index, elapsed); // [1, 60]
}

DayHourPillars dayHourPillarsOf(const CivilDateTime& reading, bool dayChangesAt23) {
    const int day = dayPillarOfDate(reading.date);
    const int hourDay = reading.hour >= 23 ? cycleAdd(day, 1) : day;
    return DayHourPillars{dayChangesAt23 ? hourDay : day,
                          hourPillarOf(hourDay, hourBranchOfHour(reading.hour))};
}

} // namespace bazi

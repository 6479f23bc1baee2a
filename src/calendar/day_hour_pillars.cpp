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

} // namespace bazi

#include "basis/instant.h"

namespace bazi {

CivilDateTime localFromInstant(Instant t, int utcOffset) {
    const std::int64_t local = t.seconds + utcOffset;
    const std::int64_t days =
        local >= 0 ? local / kSecondsPerDay : -((-local + kSecondsPerDay - 1) / kSecondsPerDay);
    const auto secondOfDay = static_cast<int>(local - days * kSecondsPerDay); // [0, 86399]
    return CivilDateTime{dateFromDayNumber(dayNumber(1970, 1, 1) + days), secondOfDay / 3600,
                         secondOfDay / 60 % 60, secondOfDay % 60};
}

} // namespace bazi

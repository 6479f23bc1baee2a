#include "calendar/civil_seconds.h"

namespace bazi {

CivilDateTime civilDateTimeOf(CivilSeconds seconds) {
    const CivilSeconds days = seconds >= 0 ? seconds / kSecondsPerDay
                                           : -((-seconds + kSecondsPerDay - 1) / kSecondsPerDay);
    const auto ofDay = static_cast<int>(seconds - days * kSecondsPerDay); // [0, 86399]
    return CivilDateTime{dateFromDayNumber(days + 1), ofDay / 3600, ofDay / 60 % 60, ofDay % 60};
}

} // namespace bazi

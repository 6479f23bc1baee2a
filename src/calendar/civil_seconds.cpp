#include "calendar/civil_seconds.h"

namespace bazi {

CivilDateTime civilDateTimeOf(CivilSeconds seconds) {
    return dateTimeOfDaySeconds(1, seconds); // second 0 is 0001-01-01 00:00:00, day number 1
}

} // namespace bazi

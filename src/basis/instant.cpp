#include "basis/instant.h"

namespace bazi {

CivilDateTime localFromInstant(Instant t, int utcOffset) {
    return dateTimeOfDaySeconds(dayNumber(1970, 1, 1), t.seconds + utcOffset);
}

} // namespace bazi

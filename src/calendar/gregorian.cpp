#include "calendar/gregorian.h"

namespace bazi {

namespace {

// dayNumber of 1970-01-01: the epoch of the civil-from-days algorithm below.
constexpr std::int64_t kUnixEpochDayNumber = 719163;
static_assert(dayNumber(1970, 1, 1) == kUnixEpochDayNumber);

} // namespace

// Reference: H. Hinnant, "chrono-Compatible Low-Level Date Algorithms", civil_from_days.
CivilDate dateFromDayNumber(std::int64_t n) {
    const std::int64_t z = n - kUnixEpochDayNumber + 719468; // days since 0000-03-01
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;                                      // [0, 146096]
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365; // [0, 399]
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);               // [0, 365]
    const std::int64_t mp = (5 * doy + 2) / 153;                    // [0, 11], March first
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1); // [1, 31]
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);  // [1, 12]
    const int year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
    return CivilDate{year, month, day};
}

CivilDateTime addHours(CivilDateTime t, int hours) {
    return addSeconds(t, std::int64_t{hours} * 3600);
}

CivilDateTime addSeconds(CivilDateTime t, std::int64_t delta) {
    return dateTimeOfDaySeconds(dayNumber(t.date),
                                t.hour * 3600 + t.minute * 60 + t.second + delta);
}

CivilDateTime dateTimeOfDaySeconds(std::int64_t day, std::int64_t seconds) {
    const std::int64_t days = floorDiv(seconds, kSecondsPerDay);
    const int ofDay = static_cast<int>(seconds - days * kSecondsPerDay); // [0, 86399]
    return CivilDateTime{dateFromDayNumber(day + days), ofDay / 3600, ofDay / 60 % 60, ofDay % 60};
}

} // namespace bazi

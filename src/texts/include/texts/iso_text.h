#pragma once
// Dates and moments in the ISO forms the listings and the file formats write.
// Years 0..9999: every date the calendar or an argument can hold.

#include "calendar/gregorian.h"

#include <string>

namespace bazi {

/// "2016-03-16"
[[nodiscard]] std::string isoDateText(CivilDate date);
/// "2016-03-16T22:00:00"
[[nodiscard]] std::string isoMomentText(CivilDateTime moment);
/// "2016-03-16 22:00:00": the text listings' form.
[[nodiscard]] std::string spacedIsoMomentText(CivilDateTime moment);

} // namespace bazi

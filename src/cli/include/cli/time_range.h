#pragma once
// The stretch of time a search or a lookup covers, as its options give it:
// --from A --to B (a date, or a moment "YYYY-MM-DD HH:MM[:SS]") and --hours.

#include "search/span_search.h"

#include <string>
#include <string_view>

namespace bazi::cli {

/// [from, to): a date A starts at its 00:00:00, a moment as given; a date B ends
/// with its last second (the range runs to the next day's 00:00:00), a moment B
/// is the first second after the range. Both inside the calendar, A before B.
/// Under a time basis (`basis` not null) A and B are times of its clock: a time
/// the clock skipped starts at the jump, one it showed twice at its first
/// showing. Throws InputError naming the option and the calendar's range.
[[nodiscard]] SearchRange parseTimeRange(std::string_view from, std::string_view to,
                                         const TimeBasis* basis = nullptr);

/// "8-18,20-22": allowed clock hours, each range half-open (08:00 <= t < 18:00),
/// whole hours 0..24. Throws InputError for an empty list or a malformed range.
[[nodiscard]] HourWindows parseHourWindows(std::string_view text);

/// The whole calendar as a range.
[[nodiscard]] SearchRange wholeCalendar();

} // namespace bazi::cli

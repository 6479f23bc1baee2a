#pragma once
// The range search: every chart span of a stretch of time whose chart satisfies
// the set condition rows, exact to the second, in time order.

#include "conditions/conditions.h"
#include "basis/time_basis.h"
#include "search/hour_windows.h"
#include "search/span.h"

#include <atomic>
#include <cstdint>
#include <functional>

namespace bazi {

/// The stretch searched: [from, to) in seconds of the calendar's clock (UTC+8,
/// one timeline whatever the basis), the allowed hours, and the time basis the
/// charts are read on (null for the calendar's own; it must outlive the search).
struct SearchRange {
    CivilSeconds from = 0;
    CivilSeconds to = 0;
    HourWindows windows;
    const TimeBasis* basis = nullptr;
};

/// Lets another thread follow a long search and stop it.
struct SearchControl {
    std::atomic<bool> cancel{false};
    std::atomic<std::int64_t> secondsDone{0}; // of the range, updated now and then
};

enum class SearchEnd { finished, stopped, cancelled };

/// Called for every matching span; returning false stops the search.
using SpanVisitor = std::function<bool(const Span&)>;

/// Walks the spans of `range` and calls `onMatch` for each whose chart satisfies
/// every set row of `conditions` (none when no row is set), in time order. A span
/// is judged on the facts of its chart exactly as the query judges a moment.
/// Throws chartlib::MissingFunctionError when the chart primitives library cannot
/// be used.
SearchEnd searchSpans(const Conditions& conditions, const SearchRange& range,
                      const SpanVisitor& onMatch, SearchControl* control = nullptr);

/// Every span of `range` in the allowed hours, whatever its chart: the reverse
/// lookup's walk.
SearchEnd forEachAllowedSpan(const SearchRange& range, const SpanVisitor& visit,
                             SearchControl* control = nullptr);

} // namespace bazi

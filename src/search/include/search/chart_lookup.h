#pragma once
// The reverse lookup (八字反查): from a chart, every span of time that had it.
//
// It jumps straight to the candidates rather than walking every span: a year
// pillar holds from one 立春 to the next and recurs every sixty years, a month
// pillar holds from one 节 to the next, a day pillar recurs every sixty days,
// an hour pillar is one block of the day. Only the stretches that can hold the
// chart are walked, span by span, so a 节 inside an hour block is honoured.

#include "search/span_search.h"

#include <array>
#include <optional>

namespace bazi {

/// A chart to look up: the cycle indices of its year, month, day and hour
/// pillars; 0 for a pillar not known.
struct ChartPattern {
    std::array<int, 4> pillars{};

    [[nodiscard]] constexpr bool known(std::size_t k) const { return pillars[k] != 0; }
    [[nodiscard]] constexpr bool matches(const PillarIndices& p) const {
        return (!known(0) || pillars[0] == p.year) && (!known(1) || pillars[1] == p.month) &&
               (!known(2) || pillars[2] == p.day) && (!known(3) || pillars[3] == p.hour);
    }
    friend constexpr bool operator==(const ChartPattern&, const ChartPattern&) = default;
};

/// Why a chart cannot occur, whatever the time: its month pillar cannot stand in
/// its year (the five tigers fix the month stem by the year stem), or its hour
/// pillar cannot stand on its day (the five rats fix the hour stem by the day stem).
enum class ChartProblem { none, monthNotOfYear, hourNotOfDay };

/// The first rule the chart breaks. `lateZiSameDay`: under the "same-day" late
/// 子 convention the hour from 23:00 takes the following day's 子 hour pillar,
/// which a 子 hour pillar of the day may then be.
[[nodiscard]] ChartProblem problemOf(const ChartPattern& chart, bool lateZiSameDay = false);

/// Calls `visit` for every span of `range` (in its allowed hours) whose chart
/// matches, oldest first. With a control, the walk reports the share of the
/// range it has passed and stops soon after `cancel` is set.
SearchEnd findChartSpans(const ChartPattern& chart, const SearchRange& range,
                         const SpanVisitor& visit, SearchControl* control = nullptr);

/// The last span that matches before `before` and the first at or after `after`,
/// both inside [from, to): the nearest occurrences outside a range.
struct NearestOccurrences {
    std::optional<Span> before;
    std::optional<Span> after;
};
[[nodiscard]] NearestOccurrences nearestOutside(const ChartPattern& chart, const SearchRange& range,
                                                const SearchRange& whole);

} // namespace bazi

#pragma once
// A chart span: a maximal stretch [start, end) of local civil time (UTC+8) in
// which the four pillars do not change, with the reason it starts and ends.

#include "calendar/civil_seconds.h"
#include "calendar/four_pillars.h"
#include "calendar/gregorian.h"

#include <cstdint>

namespace bazi {

/// Why a span starts or ends. When several apply at one second, the first in
/// this order is the reason.
enum class CutReason : std::uint8_t {
    solarTerm,  // the second of a 节: the month pillar changes (at 立春 the year too)
    dayChange,  // 23:00: the day pillar and the hour pillar change
    hourChange, // an odd hour: the hour pillar changes
    range,      // the start or end of the stretch searched
    window,     // an allowed-hours window starts or stops
};

struct Span {
    CivilSeconds start = 0; // first second
    CivilSeconds end = 0;   // the second after the last
    PillarIndices pillars;
    CutReason startCut = CutReason::range;
    CutReason endCut = CutReason::range;

    [[nodiscard]] CivilDateTime startTime() const { return civilDateTimeOf(start); }
    [[nodiscard]] CivilDateTime endTime() const { return civilDateTimeOf(end); }
    [[nodiscard]] CivilSeconds length() const { return end - start; }
    friend bool operator==(const Span&, const Span&) = default;
};

} // namespace bazi

#pragma once
// Chart spans in their file formats, as `bazi-seek search` and `bazi-seek
// find` write them with --csv and --json (without --explain); the window
// exports them (its tests compare the two byte for byte).
//
//   CSV:  "start,end,pillars,lunar,startCut,endCut", then per span
//         2016-02-04T17:00:00,2016-02-04T17:45:53,乙未 己丑 丙辰
//         丁酉,羊年(乙未)腊月廿六,时辰交接,节气交接
//   JSON: one object per line: {"start": "2016-02-04T17:00:00", "end": …,
//         "pillars": ["乙未", "己丑", "丙辰", "丁酉"], "lunar": {"year": 2015,
//         "month": 12, "day": 26, "leap": false}, "startCut": "时辰交接", "endCut": "节气交接"}
// A lunar date that is the astronomical reckoning is marked as in the query's
// formats. Every line ends with a line feed.
//
// Under a time basis (`basis` not null) start and end are times of its clock,
// the lunar date that of the start's clock date, and each span adds the UTC
// offsets: CSV columns utcOffset, endUtcOffset (and solarTime, the reading at
// the start, with solar time on); JSON keys "utcOffset", "endUtcOffset" only
// where the end's offset differs, and "solarTime".

#include "basis/time_basis.h"
#include "search/span.h"

#include <optional>
#include <string>

namespace bazi {

/// A span's ends as its basis's clock shows them, and the reading at its start.
struct SpanClock {
    ClockTime start, end;
    CivilDateTime reading;
};

/// The ends of a span as they are written: on the calendar's clock, or (with
/// a basis) on the basis's clock with what that clock adds.
struct SpanEnds {
    CivilDateTime start, end;
    std::optional<SpanClock> clock;
};

[[nodiscard]] SpanEnds spanEndsOf(const Span& span, const TimeBasis* basis);

[[nodiscard]] std::string spanCsvHeader(const TimeBasis* basis = nullptr);
[[nodiscard]] std::string spanCsvLine(const Span& span, const TimeBasis* basis = nullptr);
[[nodiscard]] std::string spanJsonLine(const Span& span, const TimeBasis* basis = nullptr);

/// The members of a span's JSON object from "start" to the last basis key,
/// appended to `out` without braces: for writers that add members around them.
void appendSpanJsonMembers(std::string& out, const Span& span, const TimeBasis* basis);

} // namespace bazi

#pragma once
// Chart spans in their file formats, as `bazi-seek search` and `bazi-seek
// find` write them with --csv and --json on the calendar's own clock (no time
// basis, no --explain); the window exports them (its tests compare the two
// byte for byte).
//
//   CSV:  "start,end,pillars,lunar,startCut,endCut", then per span
//         2016-02-04T17:00:00,2016-02-04T17:45:53,乙未 己丑 丙辰
//         丁酉,羊年(乙未)腊月廿六,时辰交接,节气交接
//   JSON: one object per line: {"start": "2016-02-04T17:00:00", "end": …,
//         "pillars": ["乙未", "己丑", "丙辰", "丁酉"], "lunar": {"year": 2015,
//         "month": 12, "day": 26, "leap": false}, "startCut": "时辰交接", "endCut": "节气交接"}
// A lunar date that is the astronomical reckoning is marked as in the query's
// formats. Every line ends with a line feed.

#include "search/span.h"

#include <string>

namespace bazi {

[[nodiscard]] std::string spanCsvHeader();
[[nodiscard]] std::string spanCsvLine(const Span& span);
[[nodiscard]] std::string spanJsonLine(const Span& span);

} // namespace bazi

#pragma once
// A query's result in its file formats, as `bazi-seek query --json / --csv`
// writes them on the default time basis; the window exports them (its tests
// compare the two byte for byte).
//
//   JSON: one compact object on one line, {"conditions":1,"matches":12,"status":
//         "查询列表完毕！","summary":"条件数：1  符合数：12","message":null,
//         "page":"查询结果","rows":[{"moment":"2016-03-16T22:00:00",
//         "gregorian":"2016年3月16日22时","lunar":"2016年 2月 初8",
//         "chart":"丙申 辛卯 丁酉 辛亥"},...]}
//   CSV:  the header line "moment,gregorian,lunar,chart" and one line per match,
//         newest first; a field holding a comma, quote or line break is quoted.
// Both end with a line feed. A lunar date that is the astronomical reckoning
// (before the printed almanacs) is marked: "reckoned": true in JSON, " 推算"
// after the lunar text in CSV.
//
// Under a time basis (the query's window read on it, query/basis_window.h)
// each row adds what `bazi-seek query` adds with a basis option: JSON keys
// "utcOffset", "solarTime" (with solar time on) and "near" (the cuts within
// the warning's reach); CSV columns of the same names.

#include "basis/pillar_cuts.h"
#include "calendar/gregorian.h"
#include "query/basis_window.h"
#include "query/query_driver.h"
#include "texts/iso_text.h"

#include <string>
#include <string_view>

namespace bazi {

/// The mark after a lunar date that is the astronomical reckoning, " 推算";
/// empty for a date of the printed almanacs.
[[nodiscard]] std::string_view reckonedMarkText(CivilDate date);

/// A CSV field: as it is, or quoted with its quotes doubled when it holds a
/// comma, a quote or a line break.
[[nodiscard]] std::string csvField(std::string_view text);

/// The result in the formats above; `window` not null adds its basis's keys
/// and columns for every row (each row's moment must be one of its charts),
/// with the cuts within `nearMinutes` minutes.
[[nodiscard]] std::string queryResultJson(const QueryResult& result,
                                          const BasisWindow* window = nullptr,
                                          int nearMinutes = kDefaultNearMinutes);
[[nodiscard]] std::string queryResultCsv(const QueryResult& result,
                                         const BasisWindow* window = nullptr,
                                         int nearMinutes = kDefaultNearMinutes);

} // namespace bazi

#pragma once
// The texts of a time basis: the line that states it, UTC offsets, what a
// listing adds after a clock time, the reasons of the cuts near a moment and
// how those cuts are written as text lines, in JSON and in CSV.

#include "basis/pillar_cuts.h"
#include "basis/time_basis.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>
#include <vector>

namespace bazi {

/// "+08:00", "-05:00", "+08:05:43" (seconds only when not zero).
[[nodiscard]] std::string utcOffsetText(int seconds);

/// One line for a status bar: the clock, what the pillars are read on, the
/// late 子 rule, e.g. "时区 Asia/Shanghai；日柱、时柱按真太阳时（成都，东经
/// 104.07°）；晚子时算次日".
[[nodiscard]] std::string describeBasis(const TimeBasis& basis);

/// The listing texts of the cuts: "节气交接", "子时换日", "时辰交接". Where cuts
/// coincide the first of these applies.
/// The same texts as the spans' reasons (cutReasonText of a CutReason).
[[nodiscard]] std::string_view cutReasonText(CutKind kind);

/// "真太阳时", "平太阳时", or "标准时" (standard time under summer time); empty
/// when the day and hour pillars follow the clock as shown.
[[nodiscard]] std::string_view readingLabel(const BasisChart& chart, const TimeBasis& basis);

/// The text that follows a clock time in a listing: " +09:00", then for a
/// reading other than the clock "  真太阳时 2000-03-20 09:42:55".
[[nodiscard]] std::string basisTextAfterClock(const BasisChart& chart, const TimeBasis& basis);

/// The JSON keys "utcOffset" and, with solar time on, "solarTime" (the reading,
/// "2000-03-20T09:42:55"), appended to an object being written.
void appendBasisJson(std::string& out, const BasisChart& chart, const TimeBasis& basis);

/// The first line of a text listing under a chosen basis: "时间基准：" + the
/// description of describeBasis.
[[nodiscard]] std::string basisHeaderLine(const TimeBasis& basis);

/// The boundary warning of one moment: each cut within the window, as an
/// indented text line "  临界 子时换日 2016-03-16 23:00:00 +08:00，5分0秒后；另一侧八字
/// 丙申 辛卯 戊戌 壬子".
[[nodiscard]] std::vector<std::string> nearCutLines(const std::vector<NearCut>& cuts,
                                                    const TimeBasis& basis);

/// The cuts near a moment as JSON, the value of the key "near": [{"cut":
/// "子时换日", "at": "2016-03-16T23:00:00", "utcOffset": "+08:00", "side":
/// "after", "seconds": 300, "pillars": [...]}], oldest cut first, the times on
/// the basis's clock; [] when none is near.
[[nodiscard]] nlohmann::ordered_json nearCutsJson(const std::vector<NearCut>& cuts,
                                                  const TimeBasis& basis);

/// The same as one CSV field's text: "子时换日 2016-03-16T23:00:00+08:00"
/// entries separated by "; "; empty when none is near.
[[nodiscard]] std::string nearCutsCsvText(const std::vector<NearCut>& cuts, const TimeBasis& basis);

} // namespace bazi

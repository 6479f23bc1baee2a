#pragma once
// The texts of a time basis: the line that states it, UTC offsets, the
// reasons of the cuts near a moment and how those cuts are written in JSON and
// CSV.

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
[[nodiscard]] constexpr std::string_view cutReasonText(CutKind kind) {
    switch (kind) {
    case CutKind::jie: return "节气交接";
    case CutKind::dayChange: return "子时换日";
    case CutKind::hourChange: return "时辰交接";
    }
    return {};
}

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

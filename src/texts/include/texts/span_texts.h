#pragma once
// The texts of the range search and the reverse lookup: the reasons a span
// starts and ends, the places of a chart, the positions of a row, and why a
// span matched.

#include "chart/chart_facts.h"
#include "conditions/condition_model.h"
#include "search/span.h"

#include <string>
#include <string_view>
#include <vector>

namespace bazi {

/// "节气交接", "子时换日", "时辰交接", "查询范围", "时段".
[[nodiscard]] std::string_view cutReasonText(CutReason reason);

/// The position box's text of a row position ("不固定", "年干", "天干", "日柱" …).
[[nodiscard]] std::string_view rowPositionText(const RowPosition& position);

/// The places of a place set, in chart order: "年干" .. "时支", then the
/// hidden-stem slots "年支藏干1" .. "时支藏干3" (the slot within its branch).
[[nodiscard]] std::vector<std::string> placeTexts(PlaceSet places);

/// The pillars of a pillar set (bit p for pillar p): "年柱" .. "时柱".
[[nodiscard]] std::vector<std::string> pillarPlaceTexts(PlaceSet pillars);

/// The date line of a span's start as the date box writes it, without the
/// Gregorian part: "猴年(丙申)二月初八".
[[nodiscard]] std::string spanLunarText(CivilDate date);

} // namespace bazi

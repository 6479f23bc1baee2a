#include "texts/span_texts.h"

#include "calendar/lunar_date_text.h"

#include <array>

namespace bazi {
namespace {

// clang-format off
constexpr std::array<std::string_view, 8> kPlaces = {"年干", "年支", "月干", "月支", "日干", "日支", "时干", "时支"};
constexpr std::array<std::string_view, 4> kPillars = {"年柱", "月柱", "日柱", "时柱"};
// clang-format on

} // namespace

std::string_view cutReasonText(CutReason reason) {
    switch (reason) {
    case CutReason::solarTerm: return "节气交接";
    case CutReason::dayChange: return "子时换日";
    case CutReason::hourChange: return "时辰交接";
    case CutReason::range: return "查询范围";
    case CutReason::window: return "时段";
    }
    return {};
}

std::string_view rowPositionText(const RowPosition& position) {
    using Kind = RowPosition::Kind;
    switch (position.kind) {
    case Kind::anywhere: return "不固定";
    case Kind::place: return kPlaces[static_cast<std::size_t>(position.place)];
    case Kind::fourStems: return "天干";
    case Kind::fourBranches: return "地支";
    case Kind::pillar: return kPillars[static_cast<std::size_t>(position.pillar & 3)];
    case Kind::none: return "";
    }
    return {};
}

std::vector<std::string> placeTexts(PlaceSet places) {
    constexpr std::array<std::string_view, 4> kBranches = {"年支", "月支", "日支", "时支"};
    std::vector<std::string> out;
    for (std::size_t place = 0; place < 8; ++place)
        if ((places >> place & 1U) != 0)
            out.emplace_back(kPlaces[place]);
    for (std::size_t slot = 0; slot < 12; ++slot)
        if ((places >> (8 + slot) & 1U) != 0)
            out.push_back(std::string(kBranches[slot / 3]) + "藏干" + std::to_string(slot % 3 + 1));
    return out;
}

std::vector<std::string> pillarPlaceTexts(PlaceSet pillars) {
    std::vector<std::string> out;
    for (std::size_t p = 0; p < 4; ++p)
        if ((pillars >> p & 1U) != 0)
            out.emplace_back(kPillars[p]);
    return out;
}

std::string spanLunarText(CivilDate date) {
    return lunarDateText(date, "%Y年(%S)%M%D");
}

} // namespace bazi

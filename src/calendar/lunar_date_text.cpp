#include "calendar/lunar_date_text.h"

#include "calendar/lunar_calendar.h"
#include "calendar/four_pillars.h"
#include "calendar/sexagenary.h"

#include <array>
#include <optional>

namespace bazi {

namespace {

constexpr std::array<std::string_view, 10> kMonthDigits = {"正", "二", "三", "四", "五",
                                                           "六", "七", "八", "九", "十"};
constexpr std::array<std::string_view, 4> kDayTens = {"初", "十", "廿", "三"};
constexpr std::array<std::string_view, 10> kDayUnits = {"一", "二", "三", "四", "五",
                                                        "六", "七", "八", "九", "十"};

std::string lunarMonthName(const LunarDate& lunar) {
    std::string name = lunar.leap ? "闰" : "";
    if (lunar.month >= 1 && lunar.month <= 10) {
        name += kMonthDigits[static_cast<std::size_t>(lunar.month - 1)];
        name += "月";
    } else if (lunar.month == 11) {
        name += "冬月";
    } else if (lunar.month == 12) {
        name += "腊月";
    }
    return name;
}

std::string lunarDayName(int day) {
    if (day < 1 || day > 30)
        return {};
    if (day == 20)
        return "二十"; // the traditional name; 廿 alone already means twenty
    if (day == 30)
        return "三十";
    std::string name{kDayTens[static_cast<std::size_t>((day - 1) / 10)]};
    name += kDayUnits[static_cast<std::size_t>((day - 1) % 10)];
    return name;
}

// Replaces every occurrence of `placeholder` in `text`, left to right; the
// replacement itself is never searched again.
void replaceAll(std::string& text, std::string_view placeholder, std::string_view value) {
    for (std::size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + value.size())) {
        text.replace(at, placeholder.size(), value);
    }
}

} // namespace

std::string lunarDateText(CivilDate date, std::string_view format) {
    // The end of the day: the whole day of 立春 already carries the new year's pillar.
    const PillarIndices pillars = pillarIndices(CivilDateTime{date, 23, 59, 59});
    const std::optional<LunarDate> lunar = toLunar(date);

    std::string text{format.empty() ? kDefaultLunarDateFormat : format};
    replaceAll(text, "%Y", zodiacAnimal(pillars.year));
    replaceAll(text, "%S", pillarText(pillars.year));
    replaceAll(text, "%M", lunar ? lunarMonthName(*lunar) : std::string{});
    replaceAll(text, "%D", lunar ? lunarDayName(lunar->day) : std::string{});
    replaceAll(text, "%y", std::to_string(date.year));
    replaceAll(text, "%m", std::to_string(date.month));
    replaceAll(text, "%d", std::to_string(date.day));
    return text;
}

} // namespace bazi

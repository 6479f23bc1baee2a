#include "texts/result_texts.h"

#include "calendar/sexagenary.h"

namespace bazi {

std::string dateTimeText(CivilDateTime t) {
    using std::to_string;
    std::string text = to_string(t.date.year) + "年" + to_string(t.date.month) + "月" +
                       to_string(t.date.day) + "日";
    if (t.second != 0)
        text += to_string(t.hour) + "时" + to_string(t.minute) + "分" + to_string(t.second) + "秒";
    else if (t.minute != 0)
        text += to_string(t.hour) + "时" + to_string(t.minute) + "分";
    else if (t.hour != 0)
        text += to_string(t.hour) + "时";
    return text;
}

std::string spacedPillarsText(const PillarIndices& p) {
    return pillarText(p.year) + ' ' + pillarText(p.month) + ' ' + pillarText(p.day) + ' ' +
           pillarText(p.hour);
}

std::string summaryText(int conditionCount, int matchCount) {
    return "条件数：" + std::to_string(conditionCount) + "  符合数：" + std::to_string(matchCount);
}

std::optional<std::string_view> outcomeMessage(QueryOutcome outcome) {
    switch (outcome) {
    case QueryOutcome::noCondition: return kNoConditionMessage;
    case QueryOutcome::noMatch: return kNoMatchMessage;
    case QueryOutcome::matches: return std::nullopt;
    }
    return std::nullopt;
}

ResultRow resultRowOf(const QueryMatch& match) {
    return ResultRow{match.moment, dateTimeText(match.moment), lunarTimeText(match.lunar),
                     spacedPillarsText(match.pillars)};
}

std::size_t displayWidth(std::string_view text) {
    std::size_t width = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) == 0x80)
            continue; // continuation byte
        width += byte >= 0xE0 ? 2 : 1;
    }
    return width;
}

std::string padToWidth(std::string_view text, std::size_t width) {
    std::string out(text);
    const std::size_t have = displayWidth(text);
    out.append(width > have ? width - have : 0, ' ');
    return out;
}

} // namespace bazi

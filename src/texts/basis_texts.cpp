#include "texts/basis_texts.h"

#include "calendar/sexagenary.h"
#include "search/span_walker.h"
#include "texts/json_text.h"
#include "texts/result_formats.h"
#include "texts/result_texts.h"
#include "texts/span_texts.h"

#include <cmath>
#include <cstdio>

namespace bazi {
namespace {

std::string longitudeText(double degrees) {
    char text[32];
    std::snprintf(text, sizeof text, "%s %.2f°", degrees < 0 ? "西经" : "东经", std::abs(degrees));
    return text;
}

std::string durationText(std::int64_t seconds) {
    return std::to_string(seconds / 60) + "分" + std::to_string(seconds % 60) + "秒";
}

} // namespace

std::string_view cutReasonText(CutKind kind) {
    return cutReasonText(cutReasonOf(kind));
}

std::string utcOffsetText(int seconds) {
    const char sign = seconds < 0 ? '-' : '+';
    const int a = std::abs(seconds);
    char text[16];
    if (a % 60 != 0)
        std::snprintf(text, sizeof text, "%c%02d:%02d:%02d", sign, a / 3600, a / 60 % 60, a % 60);
    else
        std::snprintf(text, sizeof text, "%c%02d:%02d", sign, a / 3600, a / 60 % 60);
    return text;
}

std::string describeBasis(const TimeBasis& basis) {
    std::string text = "时区 ";
    text += basis.zone.isFixed() ? "UTC+8（固定，无夏令时）" : basis.zone.name();
    text += "；日柱、时柱按";
    if (basis.solarTime == SolarTime::off) {
        text += basis.zone.isFixed() ? "钟表时" : "标准时（夏令时不计）";
    } else {
        text += basis.solarTime == SolarTime::mean ? "平太阳时（" : "真太阳时（";
        if (!basis.placeName.empty())
            text += basis.placeName + "，";
        text += longitudeText(basis.longitude) + "）";
    }
    text += basis.lateZi == LateZi::nextDay ? "；晚子时算次日" : "；晚子时算当日";
    return text;
}

nlohmann::ordered_json nearCutsJson(const std::vector<NearCut>& cuts, const TimeBasis& basis) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const NearCut& n : cuts) {
        const ClockTime at = clockFromInstant(n.cut.at, basis);
        const PillarIndices& p = n.otherSide.pillars;
        nlohmann::ordered_json j;
        j["cut"] = cutReasonText(n.cut.kind);
        j["at"] = isoMomentText(at.time);
        j["utcOffset"] = utcOffsetText(at.utcOffset);
        j["side"] = n.before ? "before" : "after";
        j["seconds"] = n.distance;
        j["pillars"] = {pillarText(p.year), pillarText(p.month), pillarText(p.day),
                        pillarText(p.hour)};
        list.push_back(std::move(j));
    }
    return list;
}

std::string nearCutsCsvText(const std::vector<NearCut>& cuts, const TimeBasis& basis) {
    std::string text;
    for (const NearCut& n : cuts) {
        const ClockTime at = clockFromInstant(n.cut.at, basis);
        if (!text.empty())
            text += "; ";
        text += std::string(cutReasonText(n.cut.kind)) + ' ' + isoMomentText(at.time) +
                utcOffsetText(at.utcOffset);
    }
    return text;
}

std::string_view readingLabel(const BasisChart& chart, const TimeBasis& basis) {
    switch (basis.solarTime) {
    case SolarTime::mean: return "平太阳时";
    case SolarTime::apparent: return "真太阳时";
    case SolarTime::off: break;
    }
    return chart.reading == chart.clock.time ? std::string_view{} : std::string_view{"标准时"};
}

std::string basisTextAfterClock(const BasisChart& chart, const TimeBasis& basis) {
    std::string text(1, ' '); // (" " + text trips GCC 12's -Wrestrict here)
    text += utcOffsetText(chart.clock.utcOffset);
    if (const std::string_view label = readingLabel(chart, basis); !label.empty()) {
        text += "  ";
        text += label;
        text += ' ';
        text += spacedIsoMomentText(chart.reading);
    }
    return text;
}

void appendBasisJson(std::string& out, const BasisChart& chart, const TimeBasis& basis) {
    appendJsonKey(out, "utcOffset");
    appendJsonString(out, utcOffsetText(chart.clock.utcOffset));
    if (basis.solarTime != SolarTime::off) {
        appendJsonKey(out, "solarTime");
        appendJsonString(out, isoMomentText(chart.reading));
    }
}

std::string basisHeaderLine(const TimeBasis& basis) {
    return "时间基准：" + describeBasis(basis);
}

std::vector<std::string> nearCutLines(const std::vector<NearCut>& cuts, const TimeBasis& basis) {
    std::vector<std::string> lines;
    for (const NearCut& n : cuts) {
        const ClockTime at = clockFromInstant(n.cut.at, basis);
        lines.push_back("  临界 " + std::string(cutReasonText(n.cut.kind)) + ' ' +
                        spacedIsoMomentText(at.time) + ' ' + utcOffsetText(at.utcOffset) + "，" +
                        durationText(n.distance) + (n.before ? "前" : "后") + "；另一侧八字 " +
                        spacedPillarsText(n.otherSide.pillars));
    }
    return lines;
}

} // namespace bazi

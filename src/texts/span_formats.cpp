#include "texts/span_formats.h"

#include "calendar/lunar_calendar.h"
#include "calendar/sexagenary.h"
#include "texts/result_formats.h"
#include "texts/span_texts.h"

namespace bazi {
namespace {

std::string pillarsText(const PillarIndices& p) {
    return pillarText(p.year) + ' ' + pillarText(p.month) + ' ' + pillarText(p.day) + ' ' +
           pillarText(p.hour);
}

// A JSON string of a text that needs no escaping (dates, pillars, the cut reasons).
std::string quoted(std::string_view text) {
    return '"' + std::string(text) + '"';
}

} // namespace

std::string spanCsvHeader() {
    return "start,end,pillars,lunar,startCut,endCut\n";
}

std::string spanCsvLine(const Span& span) {
    const CivilDate start = span.startTime().date;
    return isoMomentText(span.startTime()) + "," + isoMomentText(span.endTime()) + "," +
           pillarsText(span.pillars) + "," +
           csvField(spanLunarText(start) + std::string(reckonedMarkText(start))) + "," +
           std::string(cutReasonText(span.startCut)) + "," +
           std::string(cutReasonText(span.endCut)) + "\n";
}

std::string spanJsonLine(const Span& span) {
    const CivilDate start = span.startTime().date;
    const LunarDate lunar = toLunar(start).value_or(LunarDate{});
    const PillarIndices& p = span.pillars;
    std::string text = "{\"start\": " + quoted(isoMomentText(span.startTime())) +
                       ", \"end\": " + quoted(isoMomentText(span.endTime())) + ", \"pillars\": [" +
                       quoted(pillarText(p.year)) + ", " + quoted(pillarText(p.month)) + ", " +
                       quoted(pillarText(p.day)) + ", " + quoted(pillarText(p.hour)) + "]";
    text += ", \"lunar\": {\"year\": " + std::to_string(lunar.year) +
            ", \"month\": " + std::to_string(lunar.month) +
            ", \"day\": " + std::to_string(lunar.day) +
            ", \"leap\": " + (lunar.leap ? "true" : "false");
    if (isReckonedLunarDate(start))
        text += ", \"reckoned\": true";
    text += "}, \"startCut\": " + quoted(cutReasonText(span.startCut)) +
            ", \"endCut\": " + quoted(cutReasonText(span.endCut)) + "}\n";
    return text;
}

} // namespace bazi

#include "texts/span_formats.h"

#include "calendar/lunar_calendar.h"
#include "calendar/sexagenary.h"
#include "search/span_walker.h"
#include "texts/basis_texts.h"
#include "texts/result_formats.h"
#include "texts/span_texts.h"

namespace bazi {
namespace {

std::string pillarsText(const PillarIndices& p) {
    return pillarText(p.year) + ' ' + pillarText(p.month) + ' ' + pillarText(p.day) + ' ' +
           pillarText(p.hour);
}

// A JSON string of a text that needs no escaping (dates, pillars, the cut reasons).
std::string plainJson(std::string_view text) {
    return '"' + std::string(text) + '"';
}

// `, "key": "value"` for a value that needs no escaping.
void appendMember(std::string& out, std::string_view key, std::string_view value) {
    out += ", \"";
    out += key;
    out += "\": \"";
    out += value;
    out += '"';
}

} // namespace

SpanEnds spanEndsOf(const Span& span, const TimeBasis* basis) {
    if (!basis)
        return SpanEnds{span.startTime(), span.endTime(), std::nullopt};
    const Instant start = instantOfCivil(span.start);
    const SpanClock clock{clockFromInstant(start, *basis),
                          clockFromInstant(instantOfCivil(span.end), *basis),
                          readingAt(start, *basis)};
    return SpanEnds{clock.start.time, clock.end.time, clock};
}

std::string spanCsvHeader(const TimeBasis* basis) {
    std::string text = "start,end,pillars,lunar,startCut,endCut";
    if (basis) {
        text += ",utcOffset,endUtcOffset";
        if (basis->solarTime != SolarTime::off)
            text += ",solarTime";
    }
    return text + "\n";
}

std::string spanCsvLine(const Span& span, const TimeBasis* basis) {
    const auto [start, end, clock] = spanEndsOf(span, basis);
    std::string text =
        isoMomentText(start) + "," + isoMomentText(end) + "," + pillarsText(span.pillars) + "," +
        csvField(spanLunarText(start.date) + std::string(reckonedMarkText(start.date))) + "," +
        std::string(cutReasonText(span.startCut)) + "," + std::string(cutReasonText(span.endCut));
    if (clock) {
        for (const std::string& field :
             {utcOffsetText(clock->start.utcOffset), utcOffsetText(clock->end.utcOffset)}) {
            text += ',';
            text += field;
        }
        if (basis->solarTime != SolarTime::off) {
            text += ',';
            text += isoMomentText(clock->reading);
        }
    }
    text += '\n';
    return text;
}

void appendSpanJsonMembers(std::string& out, const Span& span, const TimeBasis* basis) {
    const auto [start, end, clock] = spanEndsOf(span, basis);
    const LunarDate lunar = toLunar(start.date).value_or(LunarDate{});
    const PillarIndices& p = span.pillars;
    out += "\"start\": " + plainJson(isoMomentText(start)) +
           ", \"end\": " + plainJson(isoMomentText(end)) + ", \"pillars\": [" +
           plainJson(pillarText(p.year)) + ", " + plainJson(pillarText(p.month)) + ", " +
           plainJson(pillarText(p.day)) + ", " + plainJson(pillarText(p.hour)) + "]";
    out += ", \"lunar\": {\"year\": " + std::to_string(lunar.year) +
           ", \"month\": " + std::to_string(lunar.month) +
           ", \"day\": " + std::to_string(lunar.day) +
           ", \"leap\": " + (lunar.leap ? "true" : "false");
    if (isReckonedLunarDate(start.date))
        out += ", \"reckoned\": true";
    out += "}, \"startCut\": " + plainJson(cutReasonText(span.startCut)) +
           ", \"endCut\": " + plainJson(cutReasonText(span.endCut));
    if (!clock)
        return;
    appendMember(out, "utcOffset", utcOffsetText(clock->start.utcOffset));
    if (clock->end.utcOffset != clock->start.utcOffset)
        appendMember(out, "endUtcOffset", utcOffsetText(clock->end.utcOffset));
    if (basis->solarTime != SolarTime::off)
        appendMember(out, "solarTime", isoMomentText(clock->reading));
}

std::string spanJsonLine(const Span& span, const TimeBasis* basis) {
    std::string text = "{";
    appendSpanJsonMembers(text, span, basis);
    return text + "}\n";
}

} // namespace bazi

#include "texts/span_formats.h"

#include "calendar/lunar_calendar.h"
#include "calendar/sexagenary.h"
#include "search/span_walker.h"
#include "texts/basis_texts.h"
#include "texts/json_text.h"
#include "texts/result_formats.h"
#include "texts/result_texts.h"
#include "texts/span_texts.h"

namespace bazi {
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
        isoMomentText(start) + "," + isoMomentText(end) + "," + spacedPillarsText(span.pillars) +
        "," + csvField(spanLunarText(start.date) + std::string(reckonedMarkText(start.date))) +
        "," + std::string(cutReasonText(span.startCut)) + "," +
        std::string(cutReasonText(span.endCut));
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
    const auto member = [&out](std::string_view key, std::string_view text) {
        appendJsonKey(out, key);
        appendJsonString(out, text);
    };
    member("start", isoMomentText(start));
    member("end", isoMomentText(end));
    appendJsonKey(out, "pillars");
    const PillarIndices& p = span.pillars;
    out += '[';
    for (const int pillar : {p.year, p.month, p.day, p.hour}) {
        if (out.back() != '[')
            out += ", ";
        appendJsonString(out, pillarText(pillar));
    }
    out += ']';
    appendJsonKey(out, "lunar");
    appendLunarJson(out, toLunar(start.date).value_or(LunarDate{}), start.date);
    member("startCut", cutReasonText(span.startCut));
    member("endCut", cutReasonText(span.endCut));
    if (!clock)
        return;
    member("utcOffset", utcOffsetText(clock->start.utcOffset));
    if (clock->end.utcOffset != clock->start.utcOffset)
        member("endUtcOffset", utcOffsetText(clock->end.utcOffset));
    if (basis->solarTime != SolarTime::off)
        member("solarTime", isoMomentText(clock->reading));
}

std::string spanJsonLine(const Span& span, const TimeBasis* basis) {
    std::string text = "{";
    appendSpanJsonMembers(text, span, basis);
    return text + "}\n";
}

} // namespace bazi

#include "basis/time_basis.h"

#include "basis/equation_of_time.h"
#include "calendar/calendar_range.h"
#include "calendar/lunar_calendar.h"
#include "calendar/sexagenary.h"

#include <cmath>

namespace bazi {

std::int64_t longitudeOffsetMs(double degrees) {
    return std::llround(degrees * 240'000.0);
}

ClockResolution instantFromClock(CivilDateTime clock, const TimeBasis& basis) {
    ClockResolution r;
    r.lookup = basis.zone.lookupLocal(clock);
    switch (r.lookup.kind) {
    case LocalLookup::Kind::unique:
        r.instant = instantFromLocal(clock, r.lookup.first.utcOffset);
        break;
    case LocalLookup::Kind::gap: r.status = ClockResolution::Status::gap; break;
    case LocalLookup::Kind::ambiguous:
        if (basis.fold == Fold::refuse)
            r.status = ClockResolution::Status::ambiguous;
        else
            r.instant =
                instantFromLocal(clock, basis.fold == Fold::earlier ? r.lookup.first.utcOffset
                                                                    : r.lookup.second.utcOffset);
        break;
    }
    return r;
}

Instant instantAtOrAfterClock(CivilDateTime clock, const TimeBasis& basis) {
    const LocalLookup lookup = basis.zone.lookupLocal(clock);
    if (lookup.kind == LocalLookup::Kind::gap)
        return lookup.second.begin;
    return instantFromLocal(clock, lookup.first.utcOffset);
}

ClockTime clockFromInstant(Instant t, const TimeBasis& basis) {
    const ZoneStretch s = basis.zone.stretchAt(t);
    return ClockTime{localFromInstant(t, s.utcOffset), s.utcOffset, s.summerTime};
}

std::int64_t readingMsAt(Instant t, const TimeBasis& basis) {
    switch (basis.solarTime) {
    case SolarTime::off: return (t.seconds + basis.zone.stretchAt(t).standardOffset()) * 1000;
    case SolarTime::mean: return t.seconds * 1000 + longitudeOffsetMs(basis.longitude);
    case SolarTime::apparent:
        return t.seconds * 1000 + longitudeOffsetMs(basis.longitude) + equationOfTimeMs(t);
    }
    return t.seconds * 1000;
}

CivilDateTime readingAt(Instant t, const TimeBasis& basis) {
    return localFromInstant(Instant{floorDiv(readingMsAt(t, basis), 1000)}, 0);
}

DayHourPillars dayHourPillarsAt(Instant t, const TimeBasis& basis) {
    return dayHourPillarsOf(readingAt(t, basis), basis.lateZi == LateZi::nextDay);
}

bool isInstantInCalendarRange(Instant t) {
    return isInCalendarRange(calendarTimeFromInstant(t));
}

BasisChart chartAt(Instant t, const TimeBasis& basis) {
    BasisChart chart{t, clockFromInstant(t, basis), readingAt(t, basis), {}};
    const PillarIndices calendar = pillarIndices(calendarTimeFromInstant(t));
    if (calendar.year == 0)
        return chart; // outside the calendar's range
    const DayHourPillars dayHour = dayHourPillarsOf(chart.reading, basis.lateZi == LateZi::nextDay);
    chart.pillars = PillarIndices{calendar.year, calendar.month, dayHour.day, dayHour.hour};
    return chart;
}

MomentChart momentChartOf(const BasisChart& chart) {
    MomentChart m;
    m.moment = chart.clock.time;
    m.yearPillar = pillarText(chart.pillars.year);
    m.monthPillar = pillarText(chart.pillars.month);
    m.dayPillar = pillarText(chart.pillars.day);
    m.hourPillar = pillarText(chart.pillars.hour);
    formLunarDate(m, chart.clock.time.date);
    return m;
}

} // namespace bazi

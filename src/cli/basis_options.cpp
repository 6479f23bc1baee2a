#include "cli/basis_options.h"

#include "basis/instant.h"
#include "calendar/calendar_range.h"
#include "calendar/sexagenary.h"
#include "cli/cli_common.h"
#include "form/message_text.h"
#include "places/gazetteer.h"
#include "texts/basis_texts.h"

#include <CLI/CLI.hpp>

#include <cstdio>

namespace bazi::cli {

namespace {

std::string timeOfDay(CivilDateTime t) {
    return spacedIsoMomentText(t).substr(11);
}

std::string zoneText(const TimeBasis& basis) {
    return basis.zone.isFixed() ? std::string("UTC+8") : basis.zone.name();
}

ClockZone zoneNamed(std::string_view name, std::string_view option) {
    const ZoneLookup lookup = ClockZone::fromName(name);
    switch (lookup.status) {
    case ZoneLookupStatus::ok: return lookup.zone;
    case ZoneLookupStatus::unknown:
        throw InputError(std::string(option) + " " + quotedForMessage(name) +
                         " is not a zone of the tz database; give an IANA name such as "
                         "Asia/Shanghai or America/New_York (bazi-seek places NAME shows the "
                         "zone of a place)");
    case ZoneLookupStatus::unsupported:
        throw InputError(std::string(option) + " " + quotedForMessage(name) +
                         ": the tz database writes this zone's rule after 2037 in a form that "
                         "cannot be read here; choose a neighbouring zone");
    }
    return {};
}

} // namespace

void addBasisOptions(CLI::App& command, BasisOptions& options) {
    const std::string group = "Time basis";
    command
        .add_option("--tz", options.zone,
                    "The clock's zone, an IANA name of the system's tz database "
                    "(Asia/Shanghai, America/New_York); summer time is taken off before the "
                    "day and hour pillars are read. Default: the fixed UTC+8 clock")
        ->group(group);
    CLI::Option* longitude =
        command
            .add_option("--longitude", options.longitude,
                        "Longitude of the birth place in degrees, east positive (-180..180), "
                        "for --solar-time mean|true")
            ->group(group);
    CLI::Option* place =
        command
            .add_option("--place", options.place,
                        "A place name (乌鲁木齐, New York; see bazi-seek places NAME): its "
                        "longitude, and its clock zone unless --tz is given")
            ->group(group);
    longitude->excludes(place);
    command
        .add_option("--solar-time", options.solarTime,
                    "What the day and hour pillars follow: off (the clock, default), mean "
                    "(local mean solar time) or true (true solar time, 真太阳时)")
        ->check(CLI::IsMember({"off", "mean", "true"}))
        ->group(group);
    command
        .add_option("--late-zi", options.lateZi,
                    "The late 子 hour 23:00-24:00: next-day (default; the day pillar changes at "
                    "23:00) or same-day (it changes at 00:00)")
        ->check(CLI::IsMember({"next-day", "same-day"}))
        ->group(group);
    command
        .add_option("--fold", options.fold,
                    "A clock time shown twice when summer time ended: earlier (the summer-time "
                    "reading) or later")
        ->check(CLI::IsMember({"earlier", "later"}))
        ->group(group);
    command
        .add_option("--near", options.nearMinutes,
                    "Warn when a moment lies within MIN minutes of an hour, day or 节 cut, "
                    "and show the chart on the other side (default 10; 0 to 1440)")
        ->group(group);
}

ChosenBasis basisFromOptions(const BasisOptions& options) {
    ChosenBasis chosen;
    chosen.given = !options.zone.empty() || options.longitude || !options.place.empty() ||
                   !options.solarTime.empty() || !options.lateZi.empty() || !options.fold.empty() ||
                   options.nearMinutes;
    TimeBasis& basis = chosen.basis;
    if (options.nearMinutes)
        chosen.nearMinutes = parseWholeNumber(*options.nearMinutes, "--near", 0, 1440);
    if (options.solarTime == "mean")
        basis.solarTime = SolarTime::mean;
    else if (options.solarTime == "true")
        basis.solarTime = SolarTime::apparent;
    if (options.lateZi == "same-day")
        basis.lateZi = LateZi::sameDay;
    if (options.fold == "earlier")
        basis.fold = Fold::earlier;
    else if (options.fold == "later")
        basis.fold = Fold::later;

    if (!options.place.empty()) {
        const std::vector<Place> places = findPlaces(options.place, 1);
        if (places.empty())
            throw InputError("--place " + quotedForMessage(options.place) +
                             ": no place of that name in the gazetteer; bazi-seek places NAME "
                             "lists the places a name finds (Chinese or English names)");
        const Place& p = places.front();
        basis.longitude = p.longitude;
        basis.placeName = p.name;
        if (options.zone.empty())
            basis.zone = zoneNamed(p.clockZone, "the zone of --place");
    }
    if (options.longitude) {
        if (!isValidLongitude(*options.longitude)) {
            char given[32];
            std::snprintf(given, sizeof given, "%g", *options.longitude);
            throw InputError(std::string("--longitude ") + given +
                             " is outside -180..180; give degrees east positive, e.g. 87.6 "
                             "for Urumqi or -74.0 for New York");
        }
        basis.longitude = *options.longitude;
    }
    if (!options.zone.empty())
        basis.zone = zoneNamed(options.zone, "--tz");

    const bool hasPlace = options.longitude || !options.place.empty();
    if (basis.solarTime != SolarTime::off && !hasPlace)
        throw InputError("--solar-time " + options.solarTime +
                         " needs the birth place: give --longitude DEG (east positive) or "
                         "--place NAME");
    if (options.longitude && basis.solarTime == SolarTime::off)
        throw InputError("--longitude is read only with --solar-time mean or --solar-time true; "
                         "add one of them");
    return chosen;
}

Instant instantOfClock(CivilDateTime clock, const TimeBasis& basis, std::string_view what) {
    const ClockResolution r = instantFromClock(clock, basis);
    const std::string zone = zoneText(basis);
    const std::string head = std::string(what) + " " + spacedIsoMomentText(clock);
    if (r.status == ClockResolution::Status::gap) {
        const Instant jump = r.lookup.second.begin;
        const CivilDateTime from = localFromInstant(jump, r.lookup.first.utcOffset);
        const CivilDateTime to = localFromInstant(jump, r.lookup.second.utcOffset);
        throw InputError(head + " does not exist in " + zone + ": on " + isoDateText(from.date) +
                         " clocks went from " + timeOfDay(from) + " (" +
                         utcOffsetText(r.lookup.first.utcOffset) + ") straight to " +
                         timeOfDay(to) + " (" + utcOffsetText(r.lookup.second.utcOffset) +
                         "), skipping " + timeOfDay(from) + " to " + timeOfDay(addSeconds(to, -1)) +
                         "; give a time outside that stretch");
    }
    if (r.status == ClockResolution::Status::ambiguous) {
        const auto reading = [&](const ZoneStretch& s) {
            return utcOffsetText(s.utcOffset) + " (" + (s.summerTime != 0 ? "summer time, " : "") +
                   spacedIsoMomentText(localFromInstant(instantFromLocal(clock, s.utcOffset), 0)) +
                   " UTC)";
        };
        throw InputError(head + " happened twice in " + zone +
                         ", when clocks were put back: first at " + reading(r.lookup.first) +
                         ", then at " + reading(r.lookup.second) +
                         "; choose one with --fold earlier or --fold later");
    }
    if (!isInstantInCalendarRange(r.instant))
        throw InputError(head + " (" + zone + ") is outside the calendar's range: it is " +
                         spacedIsoMomentText(calendarTimeFromInstant(r.instant)) +
                         " on the calendar's clock (UTC+8); give a moment from " +
                         spacedIsoMomentText(kCalendarFirstMoment) + " to " +
                         spacedIsoMomentText(kCalendarLastMoment) + " UTC+8");
    return r.instant;
}

ChosenBasis chosenSpanBasis(const BasisOptions& options) {
    if (options.nearMinutes)
        throw InputError("--near warns of the cuts near one moment (chart, query); a span already "
                         "runs from cut to cut, so leave it out here");
    if (!options.fold.empty())
        throw InputError("--fold picks a reading of one moment (chart, query); a range's bounds "
                         "take a time shown twice at its first showing, so leave it out here");
    return basisFromOptions(options);
}

} // namespace bazi::cli

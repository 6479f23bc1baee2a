#pragma once
// The clock a birth time was read from: the calendar's fixed UTC+8, or a zone
// of the system's tz database (IANA names such as Asia/Shanghai) with its
// history of offsets and summer time.

#include "basis/instant.h"
#include "calendar/gregorian.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace bazi {

/// A stretch of time over which a clock keeps one offset: from `begin`
/// (inclusive) to `end` (exclusive) it shows UTC + `utcOffset` seconds, of which
/// `summerTime` seconds are summer time (0 outside daylight saving). Its
/// standard time is UTC + utcOffset − summerTime.
struct ZoneStretch {
    Instant begin, end;
    int utcOffset = kCalendarUtcOffset;
    int summerTime = 0;

    [[nodiscard]] int standardOffset() const { return utcOffset - summerTime; }
    friend bool operator==(const ZoneStretch&, const ZoneStretch&) = default;
};

/// How a clock reading maps onto the timeline.
struct LocalLookup {
    enum class Kind {
        unique,    // one instant: `first` holds it
        gap,       // skipped when the clock jumped ahead: `first` is the stretch
                   // before the jump, `second` the one after; the jump is at second.begin
        ambiguous, // shown twice: `first` holds the earlier reading, `second` the later
    };
    Kind kind = Kind::unique;
    ZoneStretch first, second;
};

struct ZoneLookup;

class ClockZone {
public:
    /// The calendar's clock: UTC+8 at every instant, no summer time.
    ClockZone() = default;

    /// The zone of the system's tz database (/usr/share/zoneinfo) with this IANA
    /// name, exactly as spelled ("Asia/Shanghai", "America/New_York", "UTC").
    /// Changes after the last one the zone file lists (2037 in most files) follow
    /// its closing POSIX rule, so summer time goes on through 2200.
    /// Throws std::runtime_error when the tz database cannot be read at all.
    [[nodiscard]] static ZoneLookup fromName(std::string_view name);

    /// True for the calendar's fixed UTC+8 clock.
    [[nodiscard]] bool isFixed() const { return m_rules == nullptr; }
    /// The IANA name; empty for the fixed clock.
    [[nodiscard]] const std::string& name() const;

    /// The stretch that holds `t`.
    [[nodiscard]] ZoneStretch stretchAt(Instant t) const;
    /// Where the clock showed `local`: once, never (a gap) or twice.
    [[nodiscard]] LocalLookup lookupLocal(CivilDateTime local) const;

    friend bool operator==(const ClockZone& a, const ClockZone& b) { return a.name() == b.name(); }

    struct Rules; // the tz database's zone and its closing rule
private:
    std::shared_ptr<const Rules> m_rules;
};

enum class ZoneLookupStatus {
    ok,
    unknown,     // no zone of that name in the tz database
    unsupported, // the zone's rule for the years after its last listed change is
                 // written in a form the tz reader cannot follow
};

struct ZoneLookup {
    ZoneLookupStatus status = ZoneLookupStatus::unknown;
    ClockZone zone; // the fixed clock unless status is ok
};

/// The names `ClockZone::fromName` accepts, sorted: every zone file of the
/// system's tz database, links included ("Asia/Harbin", "PRC").
/// Read once per process.
[[nodiscard]] std::vector<std::string> clockZoneNames();

/// The tz database's version ("2025b"), or empty when it does not say.
[[nodiscard]] std::string tzDatabaseVersion();

} // namespace bazi

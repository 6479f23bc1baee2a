#include "basis/clock_zone.h"

#include <date/tz.h>
// date 3.0.1's Posix::time_zone::name() names hh_mm_ss unqualified under
// `using namespace date; using namespace std::chrono;`, which C++20's own
// std::chrono::hh_mm_ss makes ambiguous; an alias in namespace Posix is found
// before either.
namespace Posix {
template <class Duration> using hh_mm_ss = date::hh_mm_ss<Duration>;
}
#include <date/ptz.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <stdexcept>

namespace bazi {

namespace {

// The zone files date's OS-database reader loads (USE_OS_TZDB).
constexpr const char* kZoneInfoDir = "/usr/share/zoneinfo/";

// Summer-time stretches looked through for the standard offset around them.
constexpr int kMaxStretchWalk = 16;

std::int64_t secondsOf(date::sys_seconds t) {
    return std::clamp<std::int64_t>(t.time_since_epoch().count(), kFarPastSeconds,
                                    kFarFutureSeconds);
}

// The closing POSIX TZ rule of a version 2+ zone file: the text between its
// last two line feeds; empty when there is none. Only the file's tail is read:
// a rule is a few dozen bytes, and anything longer is not one.
std::string closingRule(const std::string& zoneName) {
    constexpr std::streamoff kTailBytes = 256;
    std::ifstream in(kZoneInfoDir + zoneName, std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : 0;
    if (size <= 0)
        return {};
    const std::streamoff tail = std::min(size, kTailBytes);
    in.seekg(size - tail);
    std::string data(static_cast<std::size_t>(tail), '\0');
    if (!in.read(data.data(), tail))
        return {};
    if (data.size() < 2 || data.back() != '\n')
        return {};
    const std::size_t start = data.rfind('\n', data.size() - 2);
    if (start == std::string::npos)
        return {};
    return data.substr(start + 1, data.size() - start - 2);
}

} // namespace

struct ClockZone::Rules {
    const date::time_zone* zone = nullptr;
    std::optional<Posix::time_zone> tail;      // the closing rule, from tailFrom on
    std::int64_t tailFrom = kFarFutureSeconds; // start of the zone file's last stretch

    // A zone file records only whether a stretch is summer time, not by how
    // much (date reports save = 1 min for it): the standard offset is that of
    // the nearest stretch before it that is not summer time, else after it.
    [[nodiscard]] int standardOffsetOf(const date::sys_info& info) const {
        if (info.save == std::chrono::minutes{0})
            return static_cast<int>(info.offset.count());
        date::sys_info other = info;
        for (int k = 0; k < kMaxStretchWalk && secondsOf(other.begin) > kFarPastSeconds; ++k) {
            other = zone->get_info(other.begin - std::chrono::seconds{1});
            if (other.save == std::chrono::minutes{0})
                return static_cast<int>(other.offset.count());
        }
        other = info;
        for (int k = 0; k < kMaxStretchWalk && secondsOf(other.end) < kFarFutureSeconds; ++k) {
            other = zone->get_info(other.end);
            if (other.save == std::chrono::minutes{0})
                return static_cast<int>(other.offset.count());
        }
        return static_cast<int>(info.offset.count()); // summer time without end: read as standard
    }

    [[nodiscard]] ZoneStretch fromDatabase(const date::sys_info& info) const {
        const auto offset = static_cast<int>(info.offset.count());
        return ZoneStretch{Instant{secondsOf(info.begin)}, Instant{secondsOf(info.end)}, offset,
                           offset - standardOffsetOf(info)};
    }

    // The closing rule knows its summer time amount; its stretches start no
    // earlier than the zone file's last one. A rule without summer time answers
    // with one stretch over all time and leaves `save` unset (date 3.0.1).
    [[nodiscard]] ZoneStretch fromTail(const date::sys_info& info) const {
        const auto offset = static_cast<int>(info.offset.count());
        const bool constant = info.begin < date::sys_days{date::year{1000} / 1 / 1} &&
                              info.end > date::sys_days{date::year{9000} / 1 / 1};
        const auto save =
            constant ? 0
                     : static_cast<int>(
                           std::chrono::duration_cast<std::chrono::seconds>(info.save).count());
        return ZoneStretch{Instant{std::max(secondsOf(info.begin), tailFrom)},
                           Instant{secondsOf(info.end)}, offset, save};
    }
};

ZoneLookup ClockZone::fromName(std::string_view name) {
    const date::time_zone* zone = nullptr;
    try {
        zone = date::locate_zone(name);
    } catch (const std::runtime_error&) {
        // locate_zone throws for an unknown name; get_tzdb() throws on its own
        // when the database cannot be read at all (a run-time failure).
        if (date::get_tzdb().zones.empty())
            throw std::runtime_error("the tz database " + std::string(kZoneInfoDir) +
                                     " holds no zone (Debian package tzdata)");
        return ZoneLookup{ZoneLookupStatus::unknown, ClockZone{}};
    }
    auto rules = std::make_shared<Rules>();
    rules->zone = zone;
    const date::sys_info last = zone->get_info(date::sys_days{date::year{9999} / 1 / 1});
    if (const std::string rule = closingRule(zone->name()); !rule.empty()) {
        try {
            rules->tail.emplace(rule);
        } catch (const std::runtime_error&) {
            return ZoneLookup{ZoneLookupStatus::unsupported, ClockZone{}};
        }
        rules->tailFrom = secondsOf(last.begin);
    }
    ClockZone result;
    result.m_rules = std::move(rules);
    return ZoneLookup{ZoneLookupStatus::ok, std::move(result)};
}

const std::string& ClockZone::name() const {
    static const std::string kFixed;
    return m_rules ? m_rules->zone->name() : kFixed;
}

ZoneStretch ClockZone::stretchAt(Instant t) const {
    if (!m_rules)
        return ZoneStretch{Instant{kFarPastSeconds}, Instant{kFarFutureSeconds}, kCalendarUtcOffset,
                           0};
    const date::sys_seconds at{std::chrono::seconds{t.seconds}};
    if (m_rules->tail && t.seconds >= m_rules->tailFrom)
        return m_rules->fromTail(m_rules->tail->get_info(at));
    return m_rules->fromDatabase(m_rules->zone->get_info(at));
}

LocalLookup ClockZone::lookupLocal(CivilDateTime local) const {
    if (!m_rules)
        return LocalLookup{LocalLookup::Kind::unique, stretchAt(Instant{}), {}};
    const date::local_seconds at{std::chrono::seconds{localSecondsOf(local)}};
    date::local_info info = m_rules->zone->get_info(at);
    bool fromTail = false;
    if (m_rules->tail && info.result == date::local_info::unique &&
        secondsOf(info.first.begin) >= m_rules->tailFrom) {
        info = m_rules->tail->get_info(at);
        fromTail = true;
    }
    const auto stretch = [&](const date::sys_info& i) {
        return fromTail ? m_rules->fromTail(i) : m_rules->fromDatabase(i);
    };
    switch (info.result) {
    case date::local_info::nonexistent:
        return LocalLookup{LocalLookup::Kind::gap, stretch(info.first), stretch(info.second)};
    case date::local_info::ambiguous:
        return LocalLookup{LocalLookup::Kind::ambiguous, stretch(info.first), stretch(info.second)};
    default: return LocalLookup{LocalLookup::Kind::unique, stretch(info.first), {}};
    }
}

std::vector<std::string> clockZoneNames() {
    // Every zone is opened and its closing rule read: once per process, as the
    // tz database itself is loaded once.
    static const std::vector<std::string> names = [] {
        std::vector<std::string> ok;
        for (const date::time_zone& zone : date::get_tzdb().zones)
            if (ClockZone::fromName(zone.name()).status == ZoneLookupStatus::ok)
                ok.push_back(zone.name());
        std::sort(ok.begin(), ok.end());
        return ok;
    }();
    return names;
}

std::string tzDatabaseVersion() {
    // tzdata.zi opens with "# version 2025b".
    std::ifstream in(std::string(kZoneInfoDir) + "tzdata.zi");
    std::string line;
    if (!std::getline(in, line))
        return {};
    constexpr std::string_view kPrefix = "# version ";
    if (line.size() > 64 || line.rfind(kPrefix, 0) != 0)
        return {};
    return line.substr(kPrefix.size());
}

} // namespace bazi

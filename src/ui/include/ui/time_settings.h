#pragma once
// The time basis as the window keeps it: what the user chose in "时间设置"
// (plain values, remembered in QSettings), the basis that choice gives or the
// reason it gives none, and the texts that state a basis in the window.
//
// A clock time shown twice (summer time ending) is read at its earlier
// showing, the summer-time reading: the window asks no question per moment.

#include "basis/time_basis.h"
#include "calendar/civil_seconds.h"

#include <QString>

#include <optional>
#include <string>

class QSettings;

namespace bazi::ui {

/// The choice of the dialog, as the user made it.
struct TimeSettings {
    std::string zone;                // IANA name; empty for the calendar's fixed UTC+8
    std::string placeName;           // the gazetteer's place the longitude is of; may be empty
    std::optional<double> longitude; // degrees, east positive; none without a place
    SolarTime solarTime = SolarTime::off;
    LateZi lateZi = LateZi::nextDay;
    friend bool operator==(const TimeSettings&, const TimeSettings&) = default;
};

/// Why a choice gives no basis, in the order of the dialog's fields.
enum class SettingsProblem {
    none,
    unknownZone,           // no zone of that name in the tz database
    unsupportedZone,       // a zone whose rule after 2037 the tz reader cannot follow
    longitudeOutOfRange,   // outside −180..180, or not a number
    solarTimeWithoutPlace, // mean or true solar time without a longitude
};

struct SettingsBasis {
    TimeBasis basis; // the calendar's own unless `problem` is none
    SettingsProblem problem = SettingsProblem::none;
};

/// The basis a choice gives: the zone from the tz database, the longitude and
/// place read with solar time on, a clock time shown twice read at its
/// earlier showing (Fold::earlier). The first problem found otherwise.
[[nodiscard]] SettingsBasis basisFromSettings(const TimeSettings& settings);

/// Do two bases give every chart and clock time alike: the same zone, solar
/// time (and with it on, the same longitude) and late 子 rule. The fold is not
/// compared: the window reads every basis at the earlier showing.
[[nodiscard]] bool sameReading(const TimeBasis& a, const TimeBasis& b);

/// The choice kept between runs (group "time"); the default for keys missing
/// or unreadable.
[[nodiscard]] TimeSettings loadTimeSettings(const QSettings& store);
void saveTimeSettings(QSettings& store, const TimeSettings& settings);

/// The basis in one line, in the language shown; in Simplified Chinese it is
/// describeBasis exactly: "时区 Asia/Shanghai；日柱、时柱按标准时（夏令时不计）；晚子时算次日".
[[nodiscard]] QString basisLineText(const TimeBasis& basis);

/// What a problem means and what to do, for the dialog.
[[nodiscard]] QString settingsProblemText(SettingsProblem problem, const TimeSettings& settings);

/// What the day and hour pillars follow at a chart when it is not the clock
/// as shown, with that time: "真太阳时 2000-03-20 09:42:55", "标准时 1988-07-15
/// 11:00:00"; empty when they follow the clock.
[[nodiscard]] QString readingText(const BasisChart& chart, const TimeBasis& basis);

/// A time to the second: "2016-03-16 22:00:00".
[[nodiscard]] QString civilTimeText(CivilDateTime time);

/// A clock time with its UTC offset: "1988-04-17 03:00:00 +09:00".
[[nodiscard]] QString clockTimeText(const ClockTime& clock);

/// The bound of a range of days on the basis's clock (null: the calendar's
/// own): the first second of `date` there, or the first after a stretch the
/// clock skipped, as a second of the calendar's clock (the range search's
/// timeline), kept inside the calendar's range.
[[nodiscard]] CivilSeconds dayStartOnClock(CivilDate date, const TimeBasis* basis);

/// A second of the calendar's clock as the second the basis's clock showed at
/// that instant (its days and 时辰 for a calendar grid).
[[nodiscard]] CivilSeconds clockSecondOf(CivilSeconds t, const TimeBasis& basis);

} // namespace bazi::ui

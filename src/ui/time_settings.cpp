#include "ui/time_settings.h"

#include "calendar/calendar_range.h"
#include "search/span_walker.h"
#include "texts/basis_texts.h"
#include "ui/form_texts.h"

#include <QCoreApplication>
#include <QSettings>

#include <algorithm>
#include <cmath>

namespace bazi::ui {
namespace {

// The translation context of the texts below.
class TimeSettingsTexts {
    Q_DECLARE_TR_FUNCTIONS(bazi::ui::TimeSettings)
};

constexpr const char* kZoneKey = "time/zone";
constexpr const char* kPlaceKey = "time/place";
constexpr const char* kLongitudeKey = "time/longitude";
constexpr const char* kSolarTimeKey = "time/solarTime";
constexpr const char* kLateZiKey = "time/lateZi";

// The words the command line's options use.
QString solarTimeWord(SolarTime s) {
    switch (s) {
    case SolarTime::off: return QStringLiteral("off");
    case SolarTime::mean: return QStringLiteral("mean");
    case SolarTime::apparent: return QStringLiteral("true");
    }
    return {};
}

// "东经 104.07°", "西经 74.01°": describeBasis's way.
QString longitudeText(double degrees) {
    const QString value = QString::number(std::abs(degrees), 'f', 2);
    return degrees < 0 ? TimeSettingsTexts::tr("西经 %1°").arg(value)
                       : TimeSettingsTexts::tr("东经 %1°").arg(value);
}

} // namespace

SettingsBasis basisFromSettings(const TimeSettings& settings) {
    SettingsBasis out;
    TimeBasis basis;
    if (!settings.zone.empty()) {
        const ZoneLookup lookup = ClockZone::fromName(settings.zone);
        if (lookup.status == ZoneLookupStatus::unknown)
            return SettingsBasis{{}, SettingsProblem::unknownZone};
        if (lookup.status == ZoneLookupStatus::unsupported)
            return SettingsBasis{{}, SettingsProblem::unsupportedZone};
        basis.zone = lookup.zone;
    }
    if (settings.longitude && !isValidLongitude(*settings.longitude))
        return SettingsBasis{{}, SettingsProblem::longitudeOutOfRange};
    basis.solarTime = settings.solarTime;
    if (basis.solarTime != SolarTime::off) {
        if (!settings.longitude)
            return SettingsBasis{{}, SettingsProblem::solarTimeWithoutPlace};
        basis.longitude = *settings.longitude;
        basis.placeName = settings.placeName;
    }
    basis.lateZi = settings.lateZi;
    basis.fold = Fold::earlier;
    out.basis = std::move(basis);
    return out;
}

bool sameReading(const TimeBasis& a, const TimeBasis& b) {
    const bool solar = a.solarTime != SolarTime::off;
    return a.zone == b.zone && a.solarTime == b.solarTime && a.lateZi == b.lateZi &&
           (!solar || a.longitude == b.longitude);
}

TimeSettings loadTimeSettings(const QSettings& store) {
    TimeSettings s;
    s.zone = store.value(kZoneKey).toString().toStdString();
    s.placeName = store.value(kPlaceKey).toString().toStdString();
    bool number = false;
    const double longitude = store.value(kLongitudeKey).toDouble(&number);
    if (number)
        s.longitude = longitude;
    const QString solar = store.value(kSolarTimeKey).toString();
    for (const SolarTime t : {SolarTime::mean, SolarTime::apparent})
        if (solar == solarTimeWord(t))
            s.solarTime = t;
    if (store.value(kLateZiKey).toString() == QStringLiteral("same-day"))
        s.lateZi = LateZi::sameDay;
    return s;
}

void saveTimeSettings(QSettings& store, const TimeSettings& s) {
    store.setValue(kZoneKey, QString::fromStdString(s.zone));
    store.setValue(kPlaceKey, QString::fromStdString(s.placeName));
    if (s.longitude)
        store.setValue(kLongitudeKey, *s.longitude);
    else
        store.remove(kLongitudeKey);
    store.setValue(kSolarTimeKey, solarTimeWord(s.solarTime));
    store.setValue(kLateZiKey, s.lateZi == LateZi::sameDay ? QStringLiteral("same-day")
                                                           : QStringLiteral("next-day"));
}

QString basisLineText(const TimeBasis& basis) {
    // describeBasis, part by part.
    const QString zone = basis.zone.isFixed() ? TimeSettingsTexts::tr("UTC+8（固定，无夏令时）")
                                              : toQString(basis.zone.name());
    QString reading;
    if (basis.solarTime == SolarTime::off) {
        reading = basis.zone.isFixed() ? TimeSettingsTexts::tr("钟表时")
                                       : TimeSettingsTexts::tr("标准时（夏令时不计）");
    } else {
        QString where = longitudeText(basis.longitude);
        if (!basis.placeName.empty())
            where = TimeSettingsTexts::tr("%1，%2").arg(toQString(basis.placeName), where);
        reading = basis.solarTime == SolarTime::mean
                      ? TimeSettingsTexts::tr("平太阳时（%1）").arg(where)
                      : TimeSettingsTexts::tr("真太阳时（%1）").arg(where);
    }
    const QString lateZi = basis.lateZi == LateZi::nextDay ? TimeSettingsTexts::tr("晚子时算次日")
                                                           : TimeSettingsTexts::tr("晚子时算当日");
    return TimeSettingsTexts::tr("时区 %1；日柱、时柱按%2；%3").arg(zone, reading, lateZi);
}

QString settingsProblemText(SettingsProblem problem, const TimeSettings& settings) {
    switch (problem) {
    case SettingsProblem::none: return {};
    case SettingsProblem::unknownZone:
        return TimeSettingsTexts::tr("“%1”不是时区数据库中的时区：请从列表中选，例如 "
                                     "Asia/Shanghai、America/New_York")
            .arg(toQString(settings.zone).left(60));
    case SettingsProblem::unsupportedZone:
        return TimeSettingsTexts::tr("时区“%1”2037 年以后的规则无法读取：请选相邻的时区")
            .arg(toQString(settings.zone));
    case SettingsProblem::longitudeOutOfRange:
        return TimeSettingsTexts::tr(
            "经度须是 -180 到 180 之间的度数，东经为正、西经为负，例如 104.07 或 -74.01");
    case SettingsProblem::solarTimeWithoutPlace:
        return TimeSettingsTexts::tr("平太阳时、真太阳时要知道出生地：请查找地点或填写经度");
    }
    return {};
}

QString readingText(const BasisChart& chart, const TimeBasis& basis) {
    switch (basis.solarTime) {
    case SolarTime::mean:
        return TimeSettingsTexts::tr("平太阳时 %1").arg(civilTimeText(chart.reading));
    case SolarTime::apparent:
        return TimeSettingsTexts::tr("真太阳时 %1").arg(civilTimeText(chart.reading));
    case SolarTime::off: break;
    }
    if (chart.reading == chart.clock.time)
        return {};
    return TimeSettingsTexts::tr("标准时 %1").arg(civilTimeText(chart.reading));
}

QString civilTimeText(CivilDateTime m) {
    return QStringLiteral("%1-%2-%3 %4:%5:%6")
        .arg(m.date.year, 4, 10, QLatin1Char('0'))
        .arg(m.date.month, 2, 10, QLatin1Char('0'))
        .arg(m.date.day, 2, 10, QLatin1Char('0'))
        .arg(m.hour, 2, 10, QLatin1Char('0'))
        .arg(m.minute, 2, 10, QLatin1Char('0'))
        .arg(m.second, 2, 10, QLatin1Char('0'));
}

QString clockTimeText(const ClockTime& clock) {
    return civilTimeText(clock.time) + QLatin1Char(' ') + toQString(utcOffsetText(clock.utcOffset));
}

CivilSeconds dayStartOnClock(CivilDate date, const TimeBasis* basis) {
    const CivilDateTime midnight{date, 0, 0, 0};
    const CivilSeconds at =
        basis ? civilOfInstant(instantAtOrAfterClock(midnight, *basis)) : civilSecondsOf(midnight);
    return std::clamp(at, civilSecondsOf(kCalendarFirstMoment),
                      civilSecondsOf(kCalendarLastMoment) + 1);
}

CivilSeconds clockSecondOf(CivilSeconds t, const TimeBasis& basis) {
    return civilSecondsOf(clockFromInstant(instantOfCivil(t), basis).time);
}

} // namespace bazi::ui

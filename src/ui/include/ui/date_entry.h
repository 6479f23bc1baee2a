#pragma once
// What a date typed into the date box means: a Gregorian date ("2016-03-16",
// "2016/3/16", "20160316", "2016年3月16日") or a lunar one ("农历2016年二月初八",
// "2016-2-8农历", "農曆2023年閏二月初一", a leap month with 闰/閏), read as a whole
// and never guessed at. Text that could still become a date is incomplete;
// anything else is refused with the reason.

#include "calendar/lunar_calendar.h"

#include <QDate>
#include <QString>

namespace bazi::ui {

enum class DateEntryStatus {
    empty,      // nothing typed
    incomplete, // could still become a date ("2016-3-", "2016031", "农历2016年二")
    refused,    // cannot be a date, or names a day that does not exist or is out of range
    acceptable, // a whole, real date inside the range
};

/// Why an entry is refused (or incomplete).
enum class DateProblem {
    none,
    incomplete,          // a beginning only
    unrecognised,        // no date form starts like this
    noSuchGregorianDay,  // 2023-02-30, month 13
    lunarYearOutOfRange, // the lunar tables' years only
    noSuchLunarMonth,    // lunar month outside 1..12
    noSuchLeapMonth,     // 闰 on a month that is not the year's leap month
    lunarDayTooLarge,    // day 30 of a 29-day month
    outOfRange,          // a real date outside the box's range
};

struct DateEntry {
    DateEntryStatus status = DateEntryStatus::empty;
    DateProblem problem = DateProblem::none;
    bool lunarInput = false;          // the text named a lunar date
    QDate date;                       // the Gregorian day; valid for acceptable and outOfRange
    int year = 0, month = 0, day = 0; // the numbers as typed (lunar or Gregorian)
    bool leap = false;
    int leapMonthOfYear = 0; // for noSuchLeapMonth: the year's leap month, 0 for none
    int monthDays = 0;       // for lunarDayTooLarge: days the month has

    [[nodiscard]] bool ok() const { return status == DateEntryStatus::acceptable; }
};

/// Reads a typed date. Full-width digits and punctuation count as their ASCII
/// forms and blanks anywhere are ignored. `minimum` .. `maximum` is the range
/// a date must lie in to be acceptable.
[[nodiscard]] DateEntry parseDateEntry(const QString& text, QDate minimum, QDate maximum);

/// The reason an entry is not acceptable, as one sentence for the user
/// (translated); empty for an acceptable or empty entry.
[[nodiscard]] QString dateEntryProblemText(const DateEntry& entry, QDate minimum, QDate maximum);

} // namespace bazi::ui

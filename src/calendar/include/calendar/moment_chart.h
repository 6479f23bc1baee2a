#pragma once
// The chart of one moment: its four pillars and its lunar date.

#include "calendar/gregorian.h"
#include "calendar/lunar_calendar.h"

#include <string>

namespace bazi {

struct MomentChart {
    CivilDateTime moment;
    std::string yearPillar, monthPillar, dayPillar, hourPillar;
    int lunarYear = 0;
    int lunarMonth = 0;
    int lunarDay = 0;
    bool leap = false;

    /// The four pillars joined without separator: 八 characters, year first.
    [[nodiscard]] std::string chartText() const;
    /// The four pillars joined by single spaces: "丙申 辛卯 丁酉 辛亥".
    [[nodiscard]] std::string spacedChartText() const;
};

/// Forms the chart of `moment` into `chart`. Like the form's own routine, a part
/// the calendar refuses (pillars before 1800, lunar date outside its range) keeps
/// the value it had.
void formMomentChart(MomentChart& chart, CivilDateTime moment);

/// Sets the lunar date of `chart` to that of `date`; outside the lunar
/// calendar's range it keeps the one it had.
void formLunarDate(MomentChart& chart, CivilDate date);

/// The chart of `moment` formed from scratch.
[[nodiscard]] MomentChart momentChartOf(CivilDateTime moment);

/// "2016年 2月 初8"; a leap month reads "2020年 闰5月 初25".
[[nodiscard]] std::string lunarTimeText(const LunarDate& lunar);
/// The same, of the chart's lunar date.
[[nodiscard]] std::string lunarTimeText(const MomentChart& chart);

} // namespace bazi

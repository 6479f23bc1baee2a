#include "calendar/moment_chart.h"

#include "calendar/lunar_calendar.h"
#include "calendar/four_pillars.h"

namespace bazi {

std::string MomentChart::chartText() const {
    return yearPillar + monthPillar + dayPillar + hourPillar;
}

std::string MomentChart::spacedChartText() const {
    return yearPillar + ' ' + monthPillar + ' ' + dayPillar + ' ' + hourPillar;
}

void formMomentChart(MomentChart& chart, CivilDateTime moment) {
    chart.moment = moment;
    if (const std::optional<FourPillars> pillars = fourPillars(moment)) {
        chart.yearPillar = pillars->year;
        chart.monthPillar = pillars->month;
        chart.dayPillar = pillars->day;
        chart.hourPillar = pillars->hour;
    }
    if (const std::optional<LunarDate> lunar = toLunar(moment.date)) {
        chart.lunarYear = lunar->year;
        chart.lunarMonth = lunar->month;
        chart.lunarDay = lunar->day;
        chart.leap = lunar->leap;
    }
}

MomentChart momentChartOf(CivilDateTime moment) {
    MomentChart chart;
    formMomentChart(chart, moment);
    return chart;
}

std::string lunarTimeText(const MomentChart& chart) {
    std::string text = std::to_string(chart.lunarYear);
    text += chart.leap ? "年 闰" : "年 ";
    text += std::to_string(chart.lunarMonth);
    text += "月 初";
    text += std::to_string(chart.lunarDay);
    return text;
}

} // namespace bazi

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
    formLunarDate(chart, moment.date);
}

void formLunarDate(MomentChart& chart, CivilDate date) {
    if (const std::optional<LunarDate> lunar = toLunar(date)) {
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

std::string lunarTimeText(const LunarDate& lunar) {
    std::string text = std::to_string(lunar.year);
    text += lunar.leap ? "年 闰" : "年 ";
    text += std::to_string(lunar.month);
    text += "月 初";
    text += std::to_string(lunar.day);
    return text;
}

std::string lunarTimeText(const MomentChart& chart) {
    return lunarTimeText(LunarDate{chart.lunarYear, chart.lunarMonth, chart.lunarDay, chart.leap});
}

} // namespace bazi

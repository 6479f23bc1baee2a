#include "calendar/lunar_date_text.h"

#include "calendar/lunar_calendar.h"

#include <gtest/gtest.h>

namespace bazi {
namespace {

TEST(LunarDateText, DefaultFormat) {
    struct Case {
        const char* note;
        CivilDate date;
        const char* expected;
    } const cases[] = {
        {"an ordinary day", {2016, 3, 16}, "猴年(丙申)二月初八 2016-3-16"},
        {"立春 day carries the new year", {2016, 2, 4}, "猴年(丙申)腊月廿六 2016-2-4"},
        {"the day before 立春", {2016, 2, 3}, "羊年(乙未)腊月廿五 2016-2-3"},
        {"a leap month", {2023, 3, 22}, "兔年(癸卯)闰二月初一 2023-3-22"},
        {"冬月", {2048, 12, 31}, "龙年(戊辰)冬月廿七 2048-12-31"},
        {"first day of the printed tables", {1901, 2, 19}, "牛年(辛丑)正月初一 1901-2-19"},
        {"day 20 is 二十", {2016, 3, 28}, "猴年(丙申)二月二十 2016-3-28"},
        {"lunar 1900, reckoned; 立春 has passed", {1901, 2, 18}, "牛年(辛丑)腊月三十 1901-2-18"},
        {"first day of the range", {1800, 1, 1}, "羊年(己未)腊月初七 1800-1-1"},
        {"last day of the range", {2200, 12, 31}, "鼠年(庚子)冬月廿五 2200-12-31"},
        {"before the range: Gregorian parts only", {1799, 12, 31}, "年() 1799-12-31"},
        {"after the range: Gregorian parts only", {2201, 1, 1}, "年() 2201-1-1"},
        {"an impossible date", {2023, 2, 30}, "年() 2023-2-30"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(lunarDateText(c.date), c.expected);
        EXPECT_EQ(lunarDateText(c.date, kDefaultLunarDateFormat), c.expected);
    }
}

TEST(LunarDateText, DayNames) {
    const char* const names[30] = {"初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八",
                                   "初九", "初十", "十一", "十二", "十三", "十四", "十五", "十六",
                                   "十七", "十八", "十九", "二十", "廿一", "廿二", "廿三", "廿四",
                                   "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
    // Lunar 2016 month 1 has 30 days.
    for (int day = 1; day <= 30; ++day) {
        SCOPED_TRACE(day);
        const std::optional<CivilDate> date = fromLunar(LunarDate{2016, 1, day, false});
        ASSERT_TRUE(date.has_value());
        EXPECT_EQ(lunarDateText(*date, "%D"), names[day - 1]);
    }
}

TEST(LunarDateText, MonthNames) {
    const char* const names[12] = {"正月", "二月", "三月", "四月", "五月", "六月",
                                   "七月", "八月", "九月", "十月", "冬月", "腊月"};
    for (int month = 1; month <= 12; ++month) {
        SCOPED_TRACE(month);
        const std::optional<CivilDate> date = fromLunar(LunarDate{2016, month, 1, false});
        ASSERT_TRUE(date.has_value());
        EXPECT_EQ(lunarDateText(*date, "%M"), names[month - 1]);
    }
    EXPECT_EQ(lunarDateText(CivilDate{2033, 12, 22}, "%M"), "闰冬月");
    EXPECT_EQ(lunarDateText(CivilDate{2006, 9, 1}, "%M"), "闰七月");
}

TEST(LunarDateText, Placeholders) {
    struct Case {
        const char* note;
        const char* format;
        const char* expected;
    } const cases[] = {
        {"no placeholders: unchanged", "农历日期", "农历日期"},
        {"%d twice", "%d/%d", "16/16"},
        {"%D and %d differ", "%D %d", "初八 16"},
        {"every placeholder", "%Y %S %M %D %y %m %d", "猴 丙申 二月 初八 2016 3 16"},
        {"unknown placeholder stays", "%x %%", "%x %%"},
        {"a lone percent stays", "100%", "100%"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(lunarDateText(CivilDate{2016, 3, 16}, c.format), c.expected);
    }
}

} // namespace
} // namespace bazi

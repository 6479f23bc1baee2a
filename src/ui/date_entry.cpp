#include "ui/date_entry.h"

#include "calendar/gregorian.h"
#include "calendar/lunar_calendar.h"
#include "ui/qt_values.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <array>
#include <optional>

namespace bazi::ui {
namespace {

// The date forms, each anchored at both ends. Capture groups: year, then for
// the lunar forms the leap mark, then month and day.
enum class Form { gregorian, lunar };
struct Pattern {
    Form form;
    QRegularExpression regex;
};

const QString kMarker = QStringLiteral("(?:农历|農曆|阴历|陰曆)");
const QString kLeap = QStringLiteral("(闰|閏)?");
const QString kSep = QStringLiteral("[-/.]");
// Lunar month and day names, longest alternatives first.
const QString kMonthName =
    QStringLiteral("(十一|十二|正|一|二|三|四|五|六|七|八|九|十|冬|腊|臘)月");
const QString kDayName = QStringLiteral(
    "(初[一二三四五六七八九十]|十[一二三四五六七八九]|二十|廿[一二三四五六七八九]|三十)");
const QString kMonthAny =
    QStringLiteral("(十一|十二|正|一|二|三|四|五|六|七|八|九|十|冬|腊|臘|\\d{1,2})月");
const QString kDayAny = QStringLiteral("(初[一二三四五六七八九十]|十[一二三四五六七八九]|二十|廿["
                                       "一二三四五六七八九]|三十|\\d{1,2})日?");

const std::array<Pattern, 8>& patterns() {
    auto p = [](Form form, const QString& body) {
        return Pattern{form,
                       QRegularExpression(QStringLiteral("\\A") + body + QStringLiteral("\\z"))};
    };
    static const std::array<Pattern, 8> kPatterns = {
        p(Form::gregorian, "(\\d{4})" + kSep + "(\\d{1,2})" + kSep + "(\\d{1,2})"),
        p(Form::gregorian, QStringLiteral("(\\d{4})(\\d{2})(\\d{2})")),
        p(Form::gregorian, QStringLiteral("(\\d{4})年(\\d{1,2})月(\\d{1,2})日?")),
        p(Form::lunar, kMarker + "(\\d{4})年?" + kLeap + kMonthAny + kDayAny),
        p(Form::lunar, kMarker + "(\\d{4})" + kSep + kLeap + "(\\d{1,2})" + kSep + "(\\d{1,2})"),
        p(Form::lunar, "(\\d{4})" + kSep + kLeap + "(\\d{1,2})" + kSep + "(\\d{1,2})" + kMarker),
        p(Form::lunar, "(\\d{4})年" + kLeap + kMonthAny + kDayAny + kMarker),
        // Month and day written with lunar names are lunar without a marker.
        p(Form::lunar, "(\\d{4})年" + kLeap + kMonthName + kDayName + "日?"),
    };
    return kPatterns;
}

// Full-width digits and date punctuation as ASCII; blanks dropped.
QString normalised(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (c.isSpace())
            continue;
        if (u >= 0xFF10 && u <= 0xFF19)
            out += QChar(char16_t(u'0' + (u - 0xFF10)));
        else if (u == 0xFF0D || u == 0x2014 || u == 0x2013 || u == 0x2212)
            out += QLatin1Char('-');
        else if (u == 0xFF0F)
            out += QLatin1Char('/');
        else if (u == 0xFF0E || u == 0x3002)
            out += QLatin1Char('.');
        else
            out += c;
    }
    return out;
}

int lunarMonthNumber(const QString& name) {
    static const QStringList names = {
        QStringLiteral("正"), QStringLiteral("二"), QStringLiteral("三"),   QStringLiteral("四"),
        QStringLiteral("五"), QStringLiteral("六"), QStringLiteral("七"),   QStringLiteral("八"),
        QStringLiteral("九"), QStringLiteral("十"), QStringLiteral("十一"), QStringLiteral("十二")};
    if (name == QStringLiteral("一"))
        return 1;
    if (name == QStringLiteral("冬"))
        return 11;
    if (name == QStringLiteral("腊") || name == QStringLiteral("臘"))
        return 12;
    if (const auto i = names.indexOf(name); i >= 0)
        return int(i) + 1;
    return name.toInt(); // digits; 0 when not a number
}

int lunarDayNumber(const QString& name) {
    static const QString digits = QStringLiteral("一二三四五六七八九十");
    if (name.size() == 2) {
        const int unit = int(digits.indexOf(name[1])) + 1; // [1, 10]
        if (name[0] == QChar(u'初'))
            return unit;
        if (name[0] == QChar(u'十'))
            return 10 + unit;
        if (name[0] == QChar(u'廿'))
            return 20 + unit;
        if (name == QStringLiteral("二十"))
            return 20;
        if (name == QStringLiteral("三十"))
            return 30;
    }
    return name.toInt();
}

DateEntry refused(DateEntry entry, DateProblem problem) {
    entry.status = DateEntryStatus::refused;
    entry.problem = problem;
    return entry;
}

DateEntry gregorianEntry(DateEntry entry) {
    const CivilDate d{entry.year, entry.month, entry.day};
    if (!d.ok())
        return refused(entry, DateProblem::noSuchGregorianDay);
    entry.date = qDateFromCivil(d);
    return entry;
}

DateEntry lunarEntry(DateEntry entry) {
    entry.lunarInput = true;
    if (entry.month < 1 || entry.month > 12)
        return refused(entry, DateProblem::noSuchLunarMonth);
    if (lunarYearDays(entry.year) == 0)
        return refused(entry, DateProblem::lunarYearOutOfRange);
    const LunarMonthDays days = lunarMonthDays(entry.year, entry.month);
    if (entry.leap && days.leap == 0) {
        entry.leapMonthOfYear = leapMonthOf(entry.year);
        return refused(entry, DateProblem::noSuchLeapMonth);
    }
    entry.monthDays = entry.leap ? days.leap : days.regular;
    if (entry.day < 1 || entry.day > entry.monthDays)
        return refused(entry, DateProblem::lunarDayTooLarge);
    const std::optional<CivilDate> d =
        fromLunar(LunarDate{entry.year, entry.month, entry.day, entry.leap});
    if (!d)
        return refused(entry, DateProblem::lunarYearOutOfRange);
    entry.date = qDateFromCivil(*d);
    return entry;
}

// The translation context of the texts below.
class DateEntryTexts {
    Q_DECLARE_TR_FUNCTIONS(bazi::ui::DateEntry)
};

} // namespace

DateEntry parseDateEntry(const QString& text, QDate minimum, QDate maximum) {
    const QString input = normalised(text);
    DateEntry entry;
    if (input.isEmpty())
        return entry;

    for (const Pattern& pattern : patterns()) {
        const QRegularExpressionMatch m = pattern.regex.match(input);
        if (!m.hasMatch())
            continue;
        entry.year = m.captured(1).toInt();
        if (pattern.form == Form::gregorian) {
            entry.month = m.captured(2).toInt();
            entry.day = m.captured(3).toInt();
            entry = gregorianEntry(entry);
        } else {
            entry.leap = !m.captured(2).isEmpty();
            entry.month = lunarMonthNumber(m.captured(3));
            entry.day = lunarDayNumber(m.captured(4));
            entry = lunarEntry(entry);
        }
        if (entry.status == DateEntryStatus::refused)
            return entry;
        if (entry.date < minimum || entry.date > maximum)
            return refused(entry, DateProblem::outOfRange);
        entry.status = DateEntryStatus::acceptable;
        return entry;
    }
    for (const Pattern& pattern : patterns()) {
        if (pattern.regex.match(input, 0, QRegularExpression::PartialPreferFirstMatch)
                .hasPartialMatch()) {
            entry.status = DateEntryStatus::incomplete;
            entry.problem = DateProblem::incomplete;
            return entry;
        }
    }
    return refused(entry, DateProblem::unrecognised);
}

QString dateEntryProblemText(const DateEntry& entry, QDate minimum, QDate maximum) {
    const QString iso = QStringLiteral("yyyy-MM-dd");
    const QString leapMark = entry.leap ? DateEntryTexts::tr("闰") : QString();
    switch (entry.problem) {
    case DateProblem::none: return {};
    case DateProblem::incomplete:
        return DateEntryTexts::tr(
            "日期还不完整：请写成 2016-03-16、20160316 或 农历2016年二月初八");
    case DateProblem::unrecognised:
        return DateEntryTexts::tr(
            "无法识别的日期：请写成 2016-03-16、20160316、农历2016年二月初八 或 2016-2-8农历");
    case DateProblem::noSuchGregorianDay:
        return DateEntryTexts::tr("没有这一天：%1年%2月%3日")
            .arg(entry.year)
            .arg(entry.month)
            .arg(entry.day);
    case DateProblem::lunarYearOutOfRange:
        return DateEntryTexts::tr("农历%1年不在日历范围内").arg(entry.year);
    case DateProblem::noSuchLunarMonth: return DateEntryTexts::tr("农历没有%1月").arg(entry.month);
    case DateProblem::noSuchLeapMonth:
        if (entry.leapMonthOfYear == 0)
            return DateEntryTexts::tr("农历%1年没有闰月").arg(entry.year);
        return DateEntryTexts::tr("农历%1年没有闰%2月（该年闰%3月）")
            .arg(entry.year)
            .arg(entry.month)
            .arg(entry.leapMonthOfYear);
    case DateProblem::lunarDayTooLarge:
        return DateEntryTexts::tr("农历%1年%2%3月只有%4天")
            .arg(entry.year)
            .arg(leapMark)
            .arg(entry.month)
            .arg(entry.monthDays);
    case DateProblem::outOfRange:
        return DateEntryTexts::tr("%1 超出可查询的范围（%2 至 %3）")
            .arg(entry.date.toString(iso), minimum.toString(iso), maximum.toString(iso));
    }
    return {};
}

} // namespace bazi::ui

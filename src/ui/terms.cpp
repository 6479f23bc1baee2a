#include "ui/terms.h"

#include "calendar/solar_terms.h"
#include "ui/form_texts.h"

#include <QCoreApplication>

namespace bazi::ui {
namespace {

constexpr const char* kContext = "bazi::ui::Terms";

// Every term the window shows, listed for the translation tools; the texts
// are those of the engine's item lists, chart tables, spirit stars and solar terms.
// clang-format off
[[maybe_unused]] constexpr const char* kTerms[] = {
    // value lists
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "不指定"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "金"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "水"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "木"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "火"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "土"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "甲"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "乙"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "丙"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "丁"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "戊"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "己"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "庚"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "辛"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "壬"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "癸"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "子"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "丑"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "寅"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "卯"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "辰"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "巳"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "午"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "未"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "申"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "酉"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "戌"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "亥"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "正印"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "偏印"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "正官"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "偏官"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "正财"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "偏财"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "伤官"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "食神"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "比肩"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "劫财"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "天乙贵人"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "天德贵人"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "月德贵人"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "天医"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "咸池"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "驿马"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "将星"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "华盖"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "童子"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "元辰"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "指背"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "卷舌"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "空亡"),
    // position lists
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "不固定"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "年柱"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "月柱"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "日柱"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "时柱"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "年干"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "年支"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "月干"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "月支"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "日干"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "日支"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "时干"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "时支"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "天干"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "地支"),
    // count lists ("非n" for every n the lists hold)
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "非0"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "非1"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "非2"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "非3"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "非4"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "非5"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "非6"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "非7"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "非8"),
    // the page-wide check boxes, and how a chart is read
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "亥子巳午阴阳置换"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "女命"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "男命"),
    // group captions
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "八字"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "藏干"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "神煞"),
    // solar terms
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "小寒"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "大寒"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "立春"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "雨水"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "惊蛰"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "春分"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "清明"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "谷雨"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "立夏"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "小满"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "芒种"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "夏至"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "小暑"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "大暑"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "立秋"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "处暑"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "白露"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "秋分"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "寒露"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "霜降"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "立冬"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "小雪"),
    QT_TRANSLATE_NOOP("bazi::ui::Terms", "大雪"), QT_TRANSLATE_NOOP("bazi::ui::Terms", "冬至"),
};
// clang-format on

// The reveal options and the rows' check boxes, whose captions have the
// width of the term alone; their tooltips explain them.
[[maybe_unused]] constexpr const char* kCaptions[] = {
    QT_TRANSLATE_NOOP("bazi::ui::Captions", "无限制"),
    QT_TRANSLATE_NOOP("bazi::ui::Captions", "透干"),
    QT_TRANSLATE_NOOP("bazi::ui::Captions", "虚浮"),
    QT_TRANSLATE_NOOP("bazi::ui::Captions", "通根"),
    QT_TRANSLATE_NOOP("bazi::ui::Captions", "不透"),
    QT_TRANSLATE_NOOP("bazi::ui::Captions", "藏干无"),
};

bool hasHan(const QString& text) {
    for (const QChar c : text)
        if (c.script() == QChar::Script_Han)
            return true;
    return false;
}

} // namespace

QString termText(std::string_view term) {
    const QString source = toQString(term);
    if (!hasHan(source))
        return source;
    const QByteArray key(term.data(), qsizetype(term.size()));
    return QCoreApplication::translate(kContext, key.constData());
}

QString captionText(std::string_view term) {
    const QByteArray key(term.data(), qsizetype(term.size()));
    return QCoreApplication::translate("bazi::ui::Captions", key.constData());
}

QString solarTermText(int n) {
    return termText(solarTermName(n));
}

QString calendarText(std::string_view engineText) {
    // The calendar's words differ between the scripts in a few characters
    // only; the translation of this line maps them one to one.
    const QString simplified = QStringLiteral("龙马鸡猪腊闰惊蛰满种处谷");
    //: The characters of the calendar's texts, one for one in the language's
    //: script (English keeps them as they are).
    const QString local =
        QCoreApplication::translate("bazi::ui::Terms", "龙马鸡猪腊闰惊蛰满种处谷");
    QString text = toQString(engineText);
    if (local.size() != simplified.size() || local == simplified)
        return text;
    for (QChar& c : text)
        if (const qsizetype at = simplified.indexOf(c); at >= 0)
            c = local[at];
    return text;
}

} // namespace bazi::ui

#include "ui/form_texts.h"

#include "texts/result_texts.h"
#include "ui/terms.h"

#include <QCoreApplication>

namespace bazi::ui {
namespace {

// The translation context of the texts below.
class FormTexts {
    Q_DECLARE_TR_FUNCTIONS(bazi::ui::FormTexts)
};

// The engine's result texts, as the source texts of their translations.
constexpr std::string_view kProgressSource =
    QT_TRANSLATE_NOOP("bazi::ui::FormTexts", "前三天查询中。。。");
constexpr std::string_view kFinishedSource =
    QT_TRANSLATE_NOOP("bazi::ui::FormTexts", "查询列表完毕！");
constexpr std::string_view kNoConditionSource =
    QT_TRANSLATE_NOOP("bazi::ui::FormTexts", "未设置条件！");
constexpr std::string_view kNoMatchSource =
    QT_TRANSLATE_NOOP("bazi::ui::FormTexts", "指定时间内没有找到符合条件的八字或条件冲突！");
static_assert(kProgressSource == kProgressStatus && kFinishedSource == kFinishedStatus);
static_assert(kNoConditionSource == kNoConditionMessage && kNoMatchSource == kNoMatchMessage);

} // namespace

QString windowTitleText() {
    return FormTexts::tr("八字时辰查询 bazi-seek");
}

QString rowLabelCaption(int row) {
    static const char* const captions[] = {
        QT_TRANSLATE_NOOP("bazi::ui::FormTexts", "条件一："),
        QT_TRANSLATE_NOOP("bazi::ui::FormTexts", "条件二："),
        QT_TRANSLATE_NOOP("bazi::ui::FormTexts", "条件三："),
        QT_TRANSLATE_NOOP("bazi::ui::FormTexts", "条件四："),
        QT_TRANSLATE_NOOP("bazi::ui::FormTexts", "条件五："),
        QT_TRANSLATE_NOOP("bazi::ui::FormTexts", "条件六："),
        QT_TRANSLATE_NOOP("bazi::ui::FormTexts", "条件七："),
        QT_TRANSLATE_NOOP("bazi::ui::FormTexts", "条件八："),
        QT_TRANSLATE_NOOP("bazi::ui::FormTexts", "条件九："),
        QT_TRANSLATE_NOOP("bazi::ui::FormTexts", "条件10："),
        QT_TRANSLATE_NOOP("bazi::ui::FormTexts", "条件11："),
        QT_TRANSLATE_NOOP("bazi::ui::FormTexts", "条件12："),
    };
    return row >= 1 && row <= 12 ? FormTexts::tr(captions[row - 1]) : QString();
}

QString rowCaptionText(GroupId group, int row) {
    return termText(groupSpec(group).caption) + QLatin1Char(' ') + rowLabelCaption(row).chopped(1);
}

QString pageCaption(int page) {
    static const char* const captions[] = {
        QT_TRANSLATE_NOOP("bazi::ui::FormTexts", "条件1—五行"),
        QT_TRANSLATE_NOOP("bazi::ui::FormTexts", "条件2—干支"),
        QT_TRANSLATE_NOOP("bazi::ui::FormTexts", "条件3—十神"),
        QT_TRANSLATE_NOOP("bazi::ui::FormTexts", "条件4—神煞"),
        QT_TRANSLATE_NOOP("bazi::ui::FormTexts", "查询结果"),
    };
    return page >= 0 && page <= 4 ? FormTexts::tr(captions[page]) : QString();
}

QStringList explanationNoteLines() {
    return {
        FormTexts::tr("说明："),
        QString(),
        FormTexts::tr("条件：选择表示该条件生效！"),
        FormTexts::tr("位置：选择表示该位置必须为该条件内容"),
        FormTexts::tr("数量：选择表示该条件内容在本分组中的总数量"),
        FormTexts::tr("例：上边为八字中的总数量，左边为藏干中的总数量"),
        QString(),
        FormTexts::tr("透干：天干上有"),
        FormTexts::tr("虚浮：仅天干上有"),
        FormTexts::tr("通根：藏干有"),
        FormTexts::tr("不透：天干上没有"),
    };
}

QStringList exampleNoteLines() {
    // The runs of blanks align the columns in a font with half-width Latin.
    return {
        FormTexts::tr("正确设置说明举例："),
        QString(),
        FormTexts::tr(
            "八字 条件：不指定  位置：不固定 数量 1      表示条件为任一五行在八字中的数量为1"),
        FormTexts::tr(
            "     条件：金      位置：天干   数量 3      表示金在八字中的数量为3且在天干上有金"),
        QString(),
        FormTexts::tr("藏干 条件：金      位置：不固定 数量 2      表示条件金在藏干中的数量为2"),
        FormTexts::tr("     条件：水      位置：时柱   数量 2 不透 "
                      "表示条件水在藏干中的数量为2且时支藏干有水且天干没有"),
    };
}

QString conflictNoteText() {
    return FormTexts::tr("冲突举例：1、指定位置数量设置0（指定位置肯定至少为1） "
                         "2、五行：八字分组设置透干或虚浮；藏干设置该五行不透（前后条件相反）");
}

QString warningLineText() {
    return FormTexts::tr(
        "注意：1、所有条件均为[并且]关系 ；  2、请自行检查条件设置是否冲突！否则找不到任何八字！");
}

QString descriptionCaption() {
    return FormTexts::tr("软件说明：");
}

QString descriptionText() {
    return FormTexts::tr("设置指定时间，软件会根据设置的条件查找出符合条件前3天的时间及八字。");
}

QString messageCaption() {
    return FormTexts::tr("信息：");
}

QString progressText() {
    return FormTexts::tr(kProgressSource.data());
}

QString finishedText() {
    return FormTexts::tr(kFinishedSource.data());
}

QString summaryLabelText(int conditionCount, int matchCount) {
    return FormTexts::tr("条件数：%1  符合数：%2").arg(conditionCount).arg(matchCount);
}

QString outcomeMessageText(QueryOutcome outcome) {
    switch (outcome) {
    case QueryOutcome::noCondition: return FormTexts::tr(kNoConditionSource.data());
    case QueryOutcome::noMatch: return FormTexts::tr(kNoMatchSource.data());
    case QueryOutcome::matches: return {};
    }
    return {};
}

QString staleText() {
    return FormTexts::tr("结果已过时");
}

} // namespace bazi::ui

#include "ui/form_texts.h"

namespace bazi::ui {

QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString windowTitleText() {
    return QStringLiteral("八字时辰查询 bazi-seek");
}

QString rowLabelCaption(int row) {
    static const QStringList captions = {
        QStringLiteral("条件一："), QStringLiteral("条件二："), QStringLiteral("条件三："),
        QStringLiteral("条件四："), QStringLiteral("条件五："), QStringLiteral("条件六："),
        QStringLiteral("条件七："), QStringLiteral("条件八："), QStringLiteral("条件九："),
        QStringLiteral("条件10："), QStringLiteral("条件11："), QStringLiteral("条件12："),
    };
    return row >= 1 && row <= captions.size() ? captions[row - 1] : QString();
}

QStringList explanationNoteLines() {
    return {
        QStringLiteral("说明："),
        QString(),
        QStringLiteral("条件：选择表示该条件生效！"),
        QStringLiteral("位置：选择表示该位置必须为该条件内容"),
        QStringLiteral("数量：选择表示该条件内容在本分组中的总数量"),
        QStringLiteral("例：上边为八字中的总数量，左边为藏干中的总数量"),
        QString(),
        QStringLiteral("透干：天干上有"),
        QStringLiteral("虚浮：仅天干上有"),
        QStringLiteral("通根：藏干有"),
        QStringLiteral("不透：天干上没有"),
    };
}

QStringList exampleNoteLines() {
    // The runs of blanks align the columns in a font with half-width Latin.
    return {
        QStringLiteral("正确设置说明举例："),
        QString(),
        QStringLiteral(
            "八字 条件：不指定  位置：不固定 数量 1      表示条件为任一五行在八字中的数量为1"),
        QStringLiteral(
            "     条件：金      位置：天干   数量 3      表示金在八字中的数量为3且在天干上有金"),
        QString(),
        QStringLiteral("藏干 条件：金      位置：不固定 数量 2      表示条件金在藏干中的数量为2"),
        QStringLiteral("     条件：水      位置：时柱   数量 2 不透 "
                       "表示条件水在藏干中的数量为2且时支藏干有水且天干没有"),
    };
}

QString conflictNoteText() {
    return QStringLiteral("冲突举例：1、指定位置数量设置0（指定位置肯定至少为1） "
                          "2、五行：八字分组设置透干或虚浮；藏干设置该五行不透（前后条件相反）");
}

QString warningLineText() {
    return QStringLiteral(
        "注意：1、所有条件均为[并且]关系 ；  2、请自行检查条件设置是否冲突！否则找不到任何八字！");
}

QString descriptionCaption() {
    return QStringLiteral("软件说明：");
}

QString descriptionText() {
    return QStringLiteral("设置指定时间，软件会根据设置的条件查找出符合条件前3天的时间及八字。");
}

QString messageCaption() {
    return QStringLiteral("信息：");
}

QString progressText() {
    return QStringLiteral("前三天查询中。。。");
}

} // namespace bazi::ui

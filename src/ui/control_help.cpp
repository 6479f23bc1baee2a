#include "ui/control_help.h"

#include "conditions/condition_model.h"
#include "ui/form_texts.h"
#include "ui/terms.h"

#include <QCoreApplication>

namespace bazi::ui {
namespace {

// The translation context of the texts below.
class ControlHelp {
    Q_DECLARE_TR_FUNCTIONS(bazi::ui::ControlHelp)
};

// Where a group counts: the eight characters or the twelve hidden-stem places.
bool countsHiddenStems(GroupId group) {
    return group == GroupId::elementHidden || group == GroupId::hiddenStem ||
           group == GroupId::tenGodHidden;
}

} // namespace

QString valueBoxHelp(GroupId group) {
    QString what;
    switch (group) {
    case GroupId::elementChart: what = ControlHelp::tr("八字八个字中要找的五行"); break;
    case GroupId::elementHidden: what = ControlHelp::tr("藏干中要找的五行"); break;
    case GroupId::stem: what = ControlHelp::tr("四个天干中要找的天干"); break;
    case GroupId::branch: what = ControlHelp::tr("四个地支中要找的地支"); break;
    case GroupId::hiddenStem: what = ControlHelp::tr("藏干中要找的天干"); break;
    case GroupId::tenGodChart: what = ControlHelp::tr("八字中要找的十神（相对日干）"); break;
    case GroupId::tenGodHidden: what = ControlHelp::tr("藏干中要找的十神（相对日干）"); break;
    case GroupId::spiritStar: what = ControlHelp::tr("要找的神煞"); break;
    }
    if (group == GroupId::spiritStar)
        return ControlHelp::tr("%1。\n“-”表示不用这一行。").arg(what);
    return ControlHelp::tr("%1。\n“-”表示不用这一行；“不指定”表示任一个。\n"
                           "注意：选了内容后，数量仍为“0”时表示一个也没有。")
        .arg(what);
}

QString positionBoxHelp(GroupId group) {
    QString text = ControlHelp::tr(
        "该内容必须出现的位置；“不固定”表示不限位置。\n选择位置后，数量自动设为“非0”。");
    if (group == GroupId::elementChart || group == GroupId::tenGodChart)
        text += ControlHelp::tr("\n“天干”“地支”：四个天干（或地支）中至少有一个。");
    if (countsHiddenStems(group))
        text += ControlHelp::tr("\n柱：该柱地支的藏干中有。");
    return text;
}

QString countBoxHelp(GroupId group) {
    const QString scope = countsHiddenStems(group) ? ControlHelp::tr("在全部藏干中的个数")
                          : group == GroupId::spiritStar ? ControlHelp::tr("所在的柱数")
                          : group == GroupId::stem ? ControlHelp::tr("在四个天干中的个数")
                          : group == GroupId::branch ? ControlHelp::tr("在四个地支中的个数")
                                                     : ControlHelp::tr("在八字八个字中的个数");
    return ControlHelp::tr("该内容%1。\n"
                           "“0”表示没有（一个也没有）；“非0”表示至少一个；“非n”表示不等于 n；\n"
                           "“>=n”表示至少 n 个；“<=n”表示至多 n 个。")
        .arg(scope);
}

QString revealCheckHelp(GroupId group) {
    if (group == GroupId::stem)
        return ControlHelp::tr("藏干无：勾选后，该天干不出现在任何地支的藏干中。");
    return ControlHelp::tr("不透：勾选后，天干上没有该内容（只藏在地支里，不透出）。");
}

QString revealOptionHelp(RevealOption option) {
    switch (option) {
    case RevealOption::unrestricted: return ControlHelp::tr("无限制：不管天干上有没有。");
    case RevealOption::revealed: return ControlHelp::tr("透干：天干上有。");
    case RevealOption::floating: return ControlHelp::tr("虚浮：仅天干上有，藏干中没有。");
    case RevealOption::rooted: return ControlHelp::tr("通根：藏干中有。");
    case RevealOption::notRevealed: return ControlHelp::tr("不透：天干上没有。");
    }
    return {};
}

QString swapBoxHelp() {
    return ControlHelp::tr("亥子巳午阴阳置换：勾选后，亥、子、巳、午按所藏本气论阴阳——子、午作阴，"
                           "亥、巳作阳（不勾选时按地支次序：子、午为阳，亥、巳为阴）。\n"
                           "只影响十神的计算，两个十神分组都按它。");
}

QString femaleBoxHelp() {
    return ControlHelp::tr(
        "女命：按女命看神煞。只影响“元辰”（它依年支阴阳与男女而定），其它条件都不变。");
}

QString pageHelp(int page) {
    switch (page) {
    case 0: return ControlHelp::tr("五行在八字和藏干中的个数、位置与透干");
    case 1: return ControlHelp::tr("天干、地支和藏干的个数与位置");
    case 2: return ControlHelp::tr("十神（相对日干）在八字和藏干中的个数、位置与透干");
    case 3: return ControlHelp::tr("神煞所在的柱");
    case 4: return ControlHelp::tr("查询到的时间；双击一行查看八字，右键可复制、导出、打印");
    default: return {};
    }
}

std::vector<CountTrap> countTraps(const FormState& form) {
    std::vector<CountTrap> traps;
    for (const GroupSpec& spec : groupSpecs()) {
        for (int row = 1; row <= spec.rowCount; ++row) {
            // A row that names a value ("不指定" names none) and asks for none of it.
            const bazi::ConditionRow r = captureRow(form, spec.id, row);
            if (r.isSet() && !r.seeksAny() && form.selection(rowNames(spec.id, row).count) == 0)
                traps.push_back({spec.id, row});
        }
    }
    return traps;
}

QString countTrapHint(const FormState& form, const std::vector<CountTrap>& traps) {
    if (traps.empty())
        return {};
    const CountTrap& first = traps.front();
    const QString where = rowCaptionText(first.group, first.row);
    const QString value = termText(form.selectedText(rowNames(first.group, first.row).value));
    QString hint =
        ControlHelp::tr(
            "提示：%1 选了“%2”，数量却是“0”，即要求一个%2也没有；要找有%2的，请把数量改为“非0”。")
            .arg(where, value);
    if (traps.size() > 1)
        hint += ControlHelp::tr("（共 %1 处）").arg(traps.size());
    return hint;
}

} // namespace bazi::ui

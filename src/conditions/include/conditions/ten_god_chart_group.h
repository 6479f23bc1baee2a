#pragma once
// 条件3—十神 / 八字: how often a ten-god relation to the day stem stands among
// the seven other characters, optionally at one of them or among the stems or
// branches, and whether it is revealed or rooted (five reveal options).
//
// Positions (ten-god slot list, no "日干"): 1..7 the year stem, year branch,
// month stem, month branch, day branch, hour stem, hour branch; 8 "天干";
// 9 "地支". The count is its number among the year, month and hour stems and
// the four branches; the day stem, the reference, is never counted.

#include "conditions/condition_model.h"

#include <optional>

namespace bazi {

struct TenGodChartGroup {
    using Find = CountFind<TenGodTally>;
    static constexpr bool kHasReveal = true;

    /// "不指定" passes except with "地支"; a name must stand at the chosen place,
    /// or on the year, month or hour stem for "天干", or on a branch for "地支".
    [[nodiscard]] static bool positionTest(const ConditionRow& row, const ChartTable& chart,
                                           const HiddenStemTable& hidden);
    /// Candidates: the value; for "不指定" the ten names 正印 .. 劫财, the
    /// ten-god of the chosen place, or those of the four stems (the day stem's
    /// own included) for "天干", of the four branches for "地支".
    [[nodiscard]] static std::optional<Find>
    countTest(const ConditionRow& row, const ChartTable& chart, const HiddenStemTable& hidden);
    /// As the element rows: 透干 and 不透 look at the stem count, 虚浮 and 通根
    /// at the hidden-stem count of the found name.
    [[nodiscard]] static bool revealTest(const ConditionRow& row, const Find& found,
                                         const ChartTable& chart, const HiddenStemTable& hidden);
    /// The three checks in order.
    [[nodiscard]] static bool rowSatisfied(const ConditionRow& row, const ChartTable& chart,
                                           const HiddenStemTable& hidden);
};

} // namespace bazi

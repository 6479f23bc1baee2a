#pragma once
// Condition rows written the way a user sets them on the form, by item text,
// captured through the form state exactly as a query captures them.

#include "chart/chart_tables.h"
#include "conditions/condition_model.h"
#include "form/form_state.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace bazi::rowtest {

/// One row by item texts. `reveal`: for a radio set the caption of the option to
/// check ("" keeps 无限制, "none" clears the set); for a check box "ticked" or "".
struct RowText {
    std::string_view value;
    std::string_view position = "不固定";
    std::string_view count = "0";
    std::string_view reveal = "";
};

inline int itemIndex(ItemList list, std::string_view text) {
    const auto items = itemsOf(list);
    for (std::size_t k = 0; k < items.size(); ++k)
        if (items[k] == text)
            return static_cast<int>(k);
    ADD_FAILURE() << "no item \"" << text << "\"";
    return 0;
}

/// Sets row `row` of `group` in `form` from item texts.
inline void setRow(FormState& form, GroupId group, int row, const RowText& text) {
    const GroupSpec& spec = groupSpec(group);
    const RowNames names = rowNames(group, row);
    form.select(names.value, itemIndex(spec.valueList, text.value));
    form.select(names.position, itemIndex(spec.positionList, text.position));
    form.select(names.count, itemIndex(spec.countList, text.count));
    if (spec.reveal == RevealKind::checkBox) {
        form.setChecked(names.checkBox, text.reveal == "ticked");
    } else if (spec.reveal == RevealKind::radioSet && !text.reveal.empty()) {
        if (text.reveal == "none") {
            for (const std::string& radio : names.radios)
                form.setChecked(radio, false);
        } else {
            for (std::size_t k = 0; k < kRevealCaptions.size(); ++k)
                if (kRevealCaptions[k] == text.reveal)
                    form.setChecked(names.radios[k], true);
        }
    }
}

/// Row 1 of `group` captured from a form that has only that row set.
inline ConditionRow rowOf(GroupId group, const RowText& text) {
    FormState form;
    setRow(form, group, 1, text);
    return captureRow(form, group, 1);
}

/// The chart tables of a chart text, as a query forms them.
struct Tables {
    ChartTable chart;
    HiddenStemTable hidden;
};

inline Tables tablesOf(std::string_view chartText, bool swapTicked = false) {
    const int flag = swapFlagOf(swapTicked);
    Tables t;
    t.chart = fillChartTable(chartText, flag);
    t.hidden = fillHiddenStemTable(t.chart, flag);
    return t;
}

} // namespace bazi::rowtest

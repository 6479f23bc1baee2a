#pragma once
// Condition rows written the way a user sets them on the form, by item text,
// captured through the form state exactly as a query captures them.

#include "chart/chart_facts.h"
#include "chart/library_facts.h"
#include "chart/spirit_stars.h"
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

/// Row 1 of `group` captured from a form that has only that row set (and the
/// box "亥子巳午阴阳置换" ticked when `swapTicked`).
inline ConditionRow rowOf(GroupId group, const RowText& text, bool swapTicked = false) {
    FormState form;
    setRow(form, group, 1, text);
    form.setChecked(kSwapCheckBox, swapTicked);
    return captureRow(form, group, 1);
}

/// The facts of a chart written as eight characters ("丙申辛卯丁酉辛亥"), as a
/// query forms them.
/// Stems and branches are read one by one, so a text may pair them in ways the
/// cycle does not ("庚卯"); a text of any other length gives an empty chart.
inline ChartFacts factsOf(std::string_view chartText) {
    std::array<Stem, 4> stems{};
    std::array<Branch, 4> branches{};
    if (chartText.size() == 8 * 3) { // eight three-byte characters
        for (std::size_t p = 0; p < 4; ++p) {
            stems[p] = stemOfText(chartText.substr(6 * p, 3));
            branches[p] = branchOfText(chartText.substr(6 * p + 3, 3));
        }
    }
    return chartFactsOf(stems, branches, libraryFacts());
}

} // namespace bazi::rowtest

#pragma once
// The two rules that keep a condition row consistent while the user edits it,
// as pure functions of the row's state. The widget layer reads a row into a
// RowState, applies a rule and writes the result back.

#include "form/form_catalog.h"

#include <array>

namespace bazi::ui {

/// What the rules see of one row: selections, checked states and which
/// dependent controls can be used. `reveal` picks the variant of the rules.
struct RowState {
    RevealKind reveal = RevealKind::none;
    int value = 0;        // selection index of the value box; 0 is "-", the row unused
    int position = 0;     // 0 is "不固定"
    int count = 0;        // 0 is "0"
    bool checked = false; // the row's check box
    std::array<bool, 5> radios = {true, false, false, false, false}; // RevealOption order
    bool positionEnabled = false;
    bool countEnabled = false;
    bool revealEnabled = false; // the check box, or all five radio boxes

    friend bool operator==(const RowState&, const RowState&) = default;
};

/// The row as the form starts: value "-", position "不固定", count "0", check box
/// clear, "无限制" checked, every dependent control disabled.
[[nodiscard]] RowState initialRowState(RevealKind reveal);

/// Which dependent controls a row's value makes usable, with every selection
/// kept as it is: a row set to "-" has them disabled, any other item enables
/// them. A row loaded from a file takes this part of the rule alone, because
/// its saved values stay as they were.
[[nodiscard]] RowState withRowEnabling(RowState row);

/// RowEnablingRule, run when the user picks an item in the value box. A row
/// set back to "-" has its position, count and reveal choice reset and disabled;
/// any other item (also "不指定") enables them and keeps their selections.
[[nodiscard]] RowState applyRowEnabling(RowState row);

/// CountPresetRule, run when the user picks an item in the position box: a
/// fixed position (index > 0) sets the count to `presetIndex`, the place of "非0"
/// in the row's count list; "不固定" leaves the count as it is.
[[nodiscard]] RowState applyCountPreset(RowState row, int presetIndex);

} // namespace bazi::ui

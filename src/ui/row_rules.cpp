#include "ui/row_rules.h"

namespace bazi::ui {

RowState initialRowState(RevealKind reveal) {
    RowState row;
    row.reveal = reveal;
    return row;
}

RowState withRowEnabling(RowState row) {
    const bool used = row.value != 0;
    row.positionEnabled = used;
    row.countEnabled = used;
    row.revealEnabled = used && row.reveal != RevealKind::none;
    return row;
}

RowState applyRowEnabling(RowState row) {
    if (row.value == 0) {
        row.position = 0;
        row.count = 0;
        if (row.reveal == RevealKind::checkBox)
            row.checked = false;
        if (row.reveal == RevealKind::radioSet)
            row.radios = {true, false, false, false, false};
    }
    return withRowEnabling(row);
}

RowState applyCountPreset(RowState row, int presetIndex) {
    if (row.position != 0)
        row.count = presetIndex;
    return row;
}

} // namespace bazi::ui

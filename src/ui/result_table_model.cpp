#include "ui/result_table_model.h"

namespace bazi::ui {

const TimeBasis& basisOrCalendar(const TimeBasis* basis) {
    static const TimeBasis calendarBasis;
    return basis ? *basis : calendarBasis;
}

void ResultTableModel::retranslate() {
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

} // namespace bazi::ui

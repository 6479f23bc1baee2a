#include "ui/search_page_parts.h"

#include "ui/qt_values.h"
#include "ui/result_table_model.h"
#include "ui/time_settings.h"

#include <QKeyEvent>
#include <QPalette>
#include <QWidget>

namespace bazi::ui {

QColor warningColour() {
    return QColor(0xc0, 0x00, 0x00);
}

void setWarningColour(QWidget* widget) {
    QPalette red = widget->palette();
    red.setColor(QPalette::WindowText, warningColour());
    widget->setPalette(red);
}

std::shared_ptr<const TimeBasis> searchBasisOf(const TimeBasis& chosen) {
    return chosen.isDefault() ? nullptr : std::make_shared<const TimeBasis>(chosen);
}

bool readsOtherwise(const TimeBasis* searched, const TimeBasis& chosen) {
    return !sameReading(basisOrCalendar(searched), chosen);
}

std::optional<ClockDays> clockDays(QDate from, QDate to, const TimeBasis* basis) {
    const ClockDays days{dayStartOnClock(civilFromQDate(from), basis),
                         dayStartOnClock(civilFromQDate(to.addDays(1)), basis)};
    if (days.to <= days.from)
        return std::nullopt;
    return days;
}

bool isPlainEnter(const QKeyEvent* event) {
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

} // namespace bazi::ui

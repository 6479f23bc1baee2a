#pragma once
// What the pages "时间范围" and "八字反查" share: how a search keeps the basis
// it was read on and when its results no longer fit the one chosen, the days
// typed as a stretch of the calendar's timeline, plain Enter to start, and the
// red of a note that says something is wrong (also the form's and the time
// settings dialog's). Each page keeps its own texts.

#include "basis/time_basis.h"
#include "calendar/civil_seconds.h"

#include <QDate>

#include <memory>
#include <optional>

class QColor;
class QKeyEvent;
class QWidget;

namespace bazi::ui {

/// The red of a problem or a stale result.
[[nodiscard]] QColor warningColour();
/// Shows the widget's text in that red.
void setWarningColour(QWidget* widget);

/// The basis a search is read on, kept for as long as its results are shown:
/// null for the calendar's own.
[[nodiscard]] std::shared_ptr<const TimeBasis> searchBasisOf(const TimeBasis& chosen);
/// Do results found on `searched` (null: the calendar's) read the pillars
/// otherwise than `chosen` would.
[[nodiscard]] bool readsOtherwise(const TimeBasis* searched, const TimeBasis& chosen);

/// The days `from` .. `to` of the basis's clock (null: the calendar's) as
/// [from, to) on the calendar's timeline; none when they fall outside it.
struct ClockDays {
    CivilSeconds from = 0;
    CivilSeconds to = 0;
};
[[nodiscard]] std::optional<ClockDays> clockDays(QDate from, QDate to, const TimeBasis* basis);

/// Return or Enter without Ctrl or Alt: what starts a page's search.
[[nodiscard]] bool isPlainEnter(const QKeyEvent* event);

} // namespace bazi::ui

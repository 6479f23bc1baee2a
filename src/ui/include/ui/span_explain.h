#pragma once
// Why a span matched, readable: for every set row the group and row, what it
// asks (value, position, count), the item its count test settled on, the count
// it saw and the places of the chart holding the item; then the span's whole
// chart (ui/chart_sheet.h). The facts are those `bazi-seek search --explain`
// writes.

#include "conditions/conditions.h"
#include "form/form_state.h"
#include "search/span.h"
#include "ui/chart_sheet.h"

#include <QString>
#include <QStringList>

namespace bazi::ui {

/// One line per set row of a form: "天干 条件一：丁 日干 非0".
[[nodiscard]] QStringList conditionLines(const FormState& form);

/// The explanation of `span` under `conditions` as HTML; with no condition
/// (a reverse lookup), the span and its chart alone, read on `basis` (null for
/// the calendar's own). Throws chartlib::MissingFunctionError when the chart
/// library cannot be used.
[[nodiscard]] QString spanExplanationHtml(const Span& span, const Conditions* conditions,
                                          ChartOptions options, const TimeBasis* basis = nullptr);

} // namespace bazi::ui

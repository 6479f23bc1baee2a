#pragma once
// The conditions of a form as the drivers evaluate them: the set rows, read
// once, and the checks of each row by its group.

#include "chart/chart_facts.h"
#include "conditions/condition_model.h"
#include "form/form_state.h"

#include <vector>

namespace bazi {

/// The condition rows of a form, read once when a query or search starts.
struct Conditions {
    int conditionCount = 0;         // set value boxes over all 48 rows (countSetRows)
    std::vector<ConditionRow> rows; // the set rows in evaluation order
};

/// The conditions of `form`.
[[nodiscard]] Conditions captureConditions(const FormState& form);

/// Does a chart with these facts satisfy one set row. The rows of the eight
/// groups (the seven condition boxes, then the 神煞 rows) each run their own checks.
[[nodiscard]] bool rowSatisfied(const ConditionRow& row, const ChartFacts& facts);

/// The same checks, keeping what they saw (for an explanation of a match).
[[nodiscard]] RowEvaluation evaluateRow(const ConditionRow& row, const ChartFacts& facts);

/// Does the chart satisfy every set row. Rows are ANDed: once one fails the rest
/// are not evaluated (no check has a side effect). False when no row is set.
[[nodiscard]] bool satisfiesAll(const Conditions& conditions, const ChartFacts& facts);

} // namespace bazi

#pragma once
// One condition row on the form: its widgets, built from the catalog's group
// spec and row names and the geometry table, and the thin layer that applies
// the row rules to them when the user picks an item.

#include "form/form_catalog.h"
#include "form/form_state.h"
#include "ui/row_rules.h"

#include <QObject>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace bazi::ui {

class ConditionRow : public QObject {
    Q_OBJECT
public:
    /// Builds row `row` (from 1) of `spec`'s group inside `box`: the row label,
    /// the value, position and count boxes with their labels, and the check box
    /// or radio set of the group, all in their initial state, and connects the
    /// value and position boxes to the rules. The row object is a child of `box`.
    /// Its captions and item texts stay empty until the first retranslate(),
    /// which the form runs once over all its rows.
    static ConditionRow* build(QGroupBox* box, const GroupSpec& spec, int row);

    [[nodiscard]] const GroupSpec& spec() const { return m_spec; }
    [[nodiscard]] int row() const { return m_row; }

    /// The row's controls as the rules see them; `apply` writes a state back
    /// (programmatic changes, which trigger no rule).
    [[nodiscard]] RowState state() const;
    void apply(const RowState& state);

    /// Writes every control of the row into the form state under its name.
    void capture(FormState& form) const;
    /// Sets every control of the row from the form state (no rule runs, no
    /// edited() signal): the row is usable when its value is not "-".
    void load(const FormState& form);

    /// Writes the captions, item texts and tooltips in the language chosen.
    void retranslate();
    /// Marks the count box while the row asks for none of a value it names.
    void setCountTrap(bool trapped);

Q_SIGNALS:
    /// The user changed a control of the row (after the row rules ran).
    void edited();

private:
    ConditionRow(const GroupSpec& spec, int row, QGroupBox* box);

    void applyEnablingRule();
    void applyCountPresetRule();

    const GroupSpec& m_spec;
    int m_row;
    RowNames m_names;
    QLabel* m_rowLabel = nullptr;
    QLabel* m_positionLabel = nullptr;
    QLabel* m_countLabel = nullptr;
    QComboBox* m_value = nullptr;
    QComboBox* m_position = nullptr;
    QComboBox* m_count = nullptr;
    QCheckBox* m_check = nullptr;
    std::array<QRadioButton*, 5> m_radios{};
};

} // namespace bazi::ui

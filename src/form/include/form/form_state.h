#pragma once
// A plain snapshot of the form: the reference date and the state of every
// condition control, keyed by control name. The engine reads only this; the
// desktop form captures its widgets into one, the command line reads one from JSON.

#include "form/form_catalog.h"
#include "calendar/gregorian.h"

#include <map>
#include <string>
#include <string_view>

namespace bazi {

class FormState {
public:
    /// The form as it starts: every combo box on item 0, check boxes clear,
    /// "无限制" checked in every radio set.
    explicit FormState(CivilDate date = {});

    CivilDate date;

    /// Selection index of a combo box; 0 for a name that is not a combo box.
    [[nodiscard]] int selection(std::string_view comboBox) const;
    /// Checked state of a check or radio box; false for other names.
    [[nodiscard]] bool isChecked(std::string_view box) const;
    /// The text of the selected item of a combo box ("" for unknown names).
    [[nodiscard]] std::string_view selectedText(std::string_view comboBox) const;

    /// Sets a combo box's selection. Precondition: a known combo box and an
    /// index inside its list (the form-state reader checks both).
    void select(std::string_view comboBox, int index);
    /// Sets a check or radio box. Checking a radio box clears the other four
    /// of its set, as a click on the form does.
    void setChecked(std::string_view box, bool checked);

    friend bool operator==(const FormState&, const FormState&) = default;

private:
    std::map<std::string, int, std::less<>> m_selection;
    std::map<std::string, bool, std::less<>> m_checked;
};

} // namespace bazi

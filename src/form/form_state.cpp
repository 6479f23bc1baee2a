#include "form/form_state.h"

namespace bazi {

FormState::FormState(CivilDate d) : date(d) {
    for (const std::string& name : allControlNames()) {
        const auto spec = findControl(name);
        if (spec->kind == ControlKind::comboBox)
            m_selection.emplace(name, 0);
        else
            m_checked.emplace(name, spec->radioOption == RevealOption::unrestricted);
    }
}

int FormState::selection(std::string_view comboBox) const {
    const auto it = m_selection.find(comboBox);
    return it == m_selection.end() ? 0 : it->second;
}

bool FormState::isChecked(std::string_view box) const {
    const auto it = m_checked.find(box);
    return it != m_checked.end() && it->second;
}

std::string_view FormState::selectedText(std::string_view comboBox) const {
    const auto spec = findControl(comboBox);
    if (!spec || !spec->items)
        return {};
    const auto items = itemsOf(*spec->items);
    const int index = selection(comboBox);
    return index >= 0 && static_cast<std::size_t>(index) < items.size()
               ? items[static_cast<std::size_t>(index)]
               : std::string_view{};
}

void FormState::select(std::string_view comboBox, int index) {
    if (auto it = m_selection.find(comboBox); it != m_selection.end())
        it->second = index;
}

void FormState::setChecked(std::string_view box, bool checked) {
    const auto it = m_checked.find(box);
    if (it == m_checked.end())
        return;
    it->second = checked;
    const auto spec = findControl(box);
    if (checked && spec->radioOption) {
        const RowNames& names = rowNames(spec->group, spec->row);
        for (const std::string& other : names.radios)
            if (other != box)
                m_checked[other] = false;
    }
}

} // namespace bazi

#include "form/form_state_writer.h"

#include <nlohmann/json.hpp>

#include <cstdio>

namespace bazi {

std::string formStateToJson(const FormState& form) {
    using Json = nlohmann::ordered_json;
    const FormState initial(form.date);
    Json doc = Json::object();
    if (form.date.ok()) {
        char date[48];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", form.date.year, form.date.month,
                      form.date.day);
        doc["date"] = date;
    }
    Json controls = Json::object();
    for (const std::string& name : allControlNames()) {
        const std::optional<ControlSpec> spec = findControl(name);
        switch (spec->kind) {
        case ControlKind::comboBox:
            if (form.selection(name) != initial.selection(name))
                controls[name] = std::string(form.selectedText(name));
            break;
        case ControlKind::checkBox:
            if (form.isChecked(name) != initial.isChecked(name))
                controls[name] = form.isChecked(name);
            break;
        case ControlKind::radioBox: {
            const RowNames& row = rowNames(spec->group, spec->row);
            bool setDiffers = false;
            for (const std::string& radio : row.radios)
                setDiffers = setDiffers || form.isChecked(radio) != initial.isChecked(radio);
            if (setDiffers)
                controls[name] = form.isChecked(name);
            break;
        }
        }
    }
    doc["controls"] = std::move(controls);
    return doc.dump(2) + "\n";
}

} // namespace bazi

#include "cli/form_input.h"

#include "cli/cli_common.h"
#include "form/form_state_json.h"
#include "form/text_input.h"

namespace bazi::cli {

FormState readFormFile(const std::optional<std::string>& formFile, bool dateRequired) {
    if (!formFile)
        return FormState{};
    try {
        return readFormStateFile(*formFile, dateRequired);
    } catch (const TextInputError& e) {
        throw InputError(e.what());
    } catch (const FormStateError& e) {
        throw InputError(inputSourceName(*formFile) + ": " + e.what());
    }
}

void applySettings(FormState& form, const std::vector<std::string>& settings) {
    try {
        std::vector<ControlSetting> parsed;
        for (const std::string& s : settings)
            parsed.push_back(parseControlSetting(s));
        applyControlSettings(form, parsed);
    } catch (const FormStateError& e) {
        throw InputError(std::string("--set ") + e.what());
    }
}

} // namespace bazi::cli

#include "cli/form_input.h"

#include "cli/cli_common.h"
#include "form/form_state_json.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

namespace bazi::cli {
namespace {

std::string readFormText(const std::string& path) {
    if (path == "-") {
        return std::string(std::istreambuf_iterator<char>(std::cin), {});
    }
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw InputError("cannot open the form state file \"" + path + "\"; check the path");
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        throw InputError("cannot read the form state file \"" + path + "\"");
    return text.str();
}

} // namespace

FormState readFormFile(const std::string& formFile, bool dateRequired) {
    if (formFile.empty())
        return FormState{};
    const std::string where = formFile == "-" ? "standard input" : formFile;
    try {
        return formStateFromJson(readFormText(formFile), dateRequired);
    } catch (const FormStateError& e) {
        throw InputError(where + ": " + e.what());
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

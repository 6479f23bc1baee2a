#pragma once
// A form state as the commands that run conditions take it: a JSON file (or
// standard input), then the --set settings in order.

#include "form/form_state.h"

#include <string>
#include <vector>

namespace bazi::cli {

/// The form state read from `formFile` ("-" for standard input; empty for the
/// empty form). `dateRequired`: the file must hold a "date". Throws InputError
/// naming the file and the problem.
[[nodiscard]] FormState readFormFile(const std::string& formFile, bool dateRequired);

/// Applies --set settings (NAME=VALUE), in order. Throws InputError naming the setting.
void applySettings(FormState& form, const std::vector<std::string>& settings);

} // namespace bazi::cli

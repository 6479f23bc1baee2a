#pragma once
// Writing a form state in its file form, the JSON that formStateFromJson
// (form/form_state_json.h) reads back to the same state:
//
//   {
//     "date": "2016-03-16",
//     "controls": {
//       "组合框_干1": "丁",
//       "组合框_位置干1": "日干",
//       "组合框_干数量1": "非0"
//     }
//   }
//
// Only controls that differ from the form's initial state are written, in
// catalog order; a combo box by the text of its item, a check box as true. A
// radio set that differs is written whole (every box true or false), so that
// reading it back gives the same set whatever order the keys are read in.

#include "form/form_state.h"

#include <string>

namespace bazi {

/// The form state as UTF-8 JSON, two-space indented, ending with a line feed.
/// A date that is not ok() is left out.
[[nodiscard]] std::string formStateToJson(const FormState& form);

} // namespace bazi

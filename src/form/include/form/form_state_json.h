#pragma once
// Reading a form state from its file form (UTF-8 JSON) and from single control
// settings given as text (the command line's --set NAME=VALUE).
//
//   {"date": "2016-03-16",
//    "controls": {"组合框_行1": 2, "组合框_位置行1": "天干", "组合框_行数量1": "3",
//                 "单选框2": true, "选择框1": false},
//    "note": "free text, ignored"}
//
// A combo box takes its selection index (a JSON whole number) or the exact text
// of one of its items (a JSON string: "3" is the item "3", not index 3); a check
// or radio box takes true or false. A control not given keeps the form's initial
// state. Setting one radio box of a set true clears the other four; two boxes of
// one set given true is an error; "无限制" given false with no other box of its
// set true leaves the set with nothing checked.
//
// Bounds: a form state file holds at most kMaxFormStateBytes bytes (a real one
// is a few kilobytes), nests at most kMaxFormStateNesting levels of objects
// and arrays, and holds at most maxFormStateValues() values; reading any text
// takes time linear in its length and memory of a few times its length. Refusals never
// echo a value whole: a wrong value is named by its type, a text is quoted
// escaped and cut (form/message_text.h).

#include "form/form_state.h"
#include "calendar/gregorian.h"

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace bazi {

/// The most bytes a form state file may hold: 1 MiB.
inline constexpr std::size_t kMaxFormStateBytes = std::size_t{1} << 20;
/// The deepest nesting of objects and arrays a form state text may have. The
/// format has two levels (the form state and its "controls"); one more lets a
/// control given an array or object be refused by name like any wrong value.
inline constexpr int kMaxFormStateNesting = 3;

/// The most values (objects, arrays, texts, numbers, true, false, null) a form
/// state text may hold: one per control, the date, the note, the form state's
/// object and its "controls".
[[nodiscard]] std::size_t maxFormStateValues();

/// A form state that cannot be read. what() names the key or control and says
/// what is wrong with it.
class FormStateError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

/// "YYYY-MM-DD" with a four-digit year; nullopt when malformed or not a real day.
[[nodiscard]] std::optional<CivilDate> parseIsoDate(std::string_view text);

/// Reads a form state from JSON text. Throws FormStateError for malformed
/// JSON (a NUL byte anywhere included), a number too large for any JSON
/// number, nesting deeper than kMaxFormStateNesting, more values than
/// maxFormStateValues(), an unknown top-level key, a missing (when
/// `dateRequired`) or malformed "date", an unknown control name, a value of the wrong type or not
/// in the control's list, or two radio boxes of one set given true. Without a date (and
/// `dateRequired` false) the state's date stays {} for the caller to set.
[[nodiscard]] FormState formStateFromJson(std::string_view jsonText, bool dateRequired = true);

/// The form state in the file `path`, or in standard input for "-", read
/// through readTextInput (form/text_input.h) with the bound kMaxFormStateBytes.
/// Throws TextInputError when the input cannot be read as text, FormStateError
/// (whose text does not name the input; see inputSourceName) when the text is
/// not a form state.
[[nodiscard]] FormState readFormStateFile(std::string_view path, bool dateRequired = true);

/// One control setting as text: NAME and VALUE of NAME=VALUE.
struct ControlSetting {
    std::string name;
    std::string value;
};

/// Splits "NAME=VALUE" at its first "="; throws FormStateError without one.
[[nodiscard]] ControlSetting parseControlSetting(std::string_view text);

/// Applies settings given as text, in order, under the same rules as the file:
/// a combo box takes the exact text of an item, or else a decimal index; a check
/// or radio box takes true, false, 1 or 0. Throws FormStateError naming the
/// control; `form` may then be partly changed.
void applyControlSettings(FormState& form, const std::vector<ControlSetting>& settings);

} // namespace bazi

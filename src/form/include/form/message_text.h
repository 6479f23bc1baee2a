#pragma once
// Outside text (a file's keys and values, an argument, a path, a library's
// exception text) quoted back in a message. A message is one line a terminal
// shows as it is: text from outside may hold escape sequences that retitle or
// clear the terminal, line breaks that split the message, or a megabyte that
// buries it. Both functions below escape what a terminal would act on and cap
// the length; Chinese and every other printable character stay as they are.
//
// Escaped: the C0 controls and DEL (\n \r \t, else \u001b), the C1 controls
// U+0080..U+009F, the line and paragraph separators U+2028 U+2029 and the
// bidirectional controls U+200E U+200F U+202A..U+202E U+2066..U+2069 (as
// \u2028); a byte that is not part of well-formed UTF-8 as \xff.

#include <cstddef>
#include <string>
#include <string_view>

namespace bazi {

/// How many characters of a user's text a message quotes.
inline constexpr std::size_t kQuotedCharacters = 64;
/// How many characters a whole message may hold.
inline constexpr std::size_t kMessageCharacters = 1000;

/// `text` between double quotes for a message: "金", "a\"b\\c", "\u001b]0;x\u0007".
/// Quotes and backslashes inside are escaped too, so the quoted text reads back
/// exactly. Past `maxCharacters` characters (an escape counts as one) the text is
/// cut and its length given: "aaaa…"… (1048576 bytes).
[[nodiscard]] std::string quotedForMessage(std::string_view text,
                                           std::size_t maxCharacters = kQuotedCharacters);

/// `text` as one printable line: the escapes above, but quotes and backslashes
/// kept as they are; past `maxCharacters` characters cut with "…". For a whole
/// message, or a library's exception text, whose quoted parts are already escaped.
[[nodiscard]] std::string printableMessage(std::string_view text,
                                           std::size_t maxCharacters = kMessageCharacters);

} // namespace bazi

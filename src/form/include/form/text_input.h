#pragma once
// Reading a whole input text (a file named by the user, or standard input) with
// a stated bound, for every reader of outside text: form-state files on the
// command line and in the window, lists of charts, saved searches.
//
// The reader takes nothing it cannot vouch for: it refuses what is not a regular
// file before opening it (a directory, a device such as /dev/zero, a pipe or
// socket named by path), stops reading one byte past the bound, and refuses a
// NUL byte or ill-formed UTF-8 anywhere in the text, so a parser never sees a
// text silently cut short or followed by something it would not read. Every
// refusal is a TextInputError that says which of these happened.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace bazi {

/// What kept an input from being read as text. One meaning per value.
enum class TextInputProblem {
    notFound,        // no file by that name (or a folder on its path is missing)
    notARegularFile, // a directory, device, pipe or socket given by path
    tooLarge,        // more bytes than the reader's bound
    unreadable,      // opening or reading failed: permission, I/O error, a directory as stdin
    nulByte,         // a NUL byte: binary data, not text
    notUtf8,         // a byte sequence that is not well-formed UTF-8
};

/// An input that cannot be read as text. what() is one printable line naming the
/// input and the problem, e.g. "form.json": is a directory, not a file.
class TextInputError : public std::runtime_error {
public:
    TextInputError(TextInputProblem problem, std::string source, const std::string& detail);

    [[nodiscard]] TextInputProblem problem() const { return m_problem; }
    /// The input as messages name it: the quoted path, or "standard input".
    [[nodiscard]] const std::string& source() const { return m_source; }

private:
    TextInputProblem m_problem;
    std::string m_source;
};

/// The argument that names standard input instead of a file.
inline constexpr std::string_view kStandardInputName = "-";

/// The input as messages name it: "standard input" for "-", else the path quoted
/// with quotedForMessage.
[[nodiscard]] std::string inputSourceName(std::string_view path);

/// The whole text of the file `path`, or of standard input for "-", of at most
/// `maxBytes` bytes. A path must name a regular file (symbolic links are
/// followed); standard input may be anything, and is read until its end or one
/// byte past the bound. Throws TextInputError; never returns a partial text.
[[nodiscard]] std::string readTextInput(std::string_view path, std::size_t maxBytes);

/// The checks readTextInput makes on the bytes it read, for a text that came
/// another way (a window's file dialog, a test): throws TextInputError naming
/// `source` when `text` is longer than `maxBytes`, holds a NUL byte or is not
/// well-formed UTF-8.
void checkTextInput(std::string_view text, std::size_t maxBytes, const std::string& source);

} // namespace bazi

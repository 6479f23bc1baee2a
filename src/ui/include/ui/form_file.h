#pragma once
// Saved searches: the form state in its file form, the same JSON that
// `bazi-seek query` reads. Files come from anywhere, so reading is bounded
// (a regular file, at most kMaxFormFileSize bytes), the bytes pass the checks
// of the command line's reader (form/text_input.h) and are parsed by its
// parser; a file that cannot be used is refused whole with a message naming it
// and the problem, and nothing of it is taken.

#include "form/form_state.h"
#include "form/form_state_json.h"

#include <QString>

#include <stdexcept>

namespace bazi::ui {

/// A form state file is a few kilobytes; anything larger is not one.
inline constexpr qint64 kMaxFormFileSize = qint64(kMaxFormStateBytes);

/// A saved search that cannot be read or written. The message (translated)
/// names the file and says what is wrong; user text in it is quoted safely.
class FormFileError : public std::runtime_error {
public:
    explicit FormFileError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    [[nodiscard]] const QString& message() const { return m_message; }

private:
    QString m_message;
};

/// Reads a saved search. A file without "date" takes `dateIfMissing`; a date
/// the query cannot examine is refused. Throws FormFileError.
[[nodiscard]] FormState readFormFile(const QString& path, CivilDate dateIfMissing);

/// Writes a saved search, whole or not at all. Throws FormFileError.
void writeFormFile(const QString& path, const FormState& form);

} // namespace bazi::ui

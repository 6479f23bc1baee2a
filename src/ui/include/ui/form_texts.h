#pragma once
// The fixed texts of the form: notes, warning line, description, messages.
// Engine texts are UTF-8 std::strings; toQString converts them for the widgets.

#include <QString>
#include <QStringList>

#include <string_view>

namespace bazi::ui {

[[nodiscard]] QString toQString(std::string_view utf8);

/// The window caption.
[[nodiscard]] QString windowTitleText();

/// Captions of the row labels, row 1 first: "条件一：" .. "条件七：", "条件八：",
/// "条件九：", "条件10：", "条件11：", "条件12：".
[[nodiscard]] QString rowLabelCaption(int row);

/// The lines of the note 标签158 ("说明：" ...) and of the note 标签159
/// ("正确设置说明举例：" ...); an empty string is an empty line.
[[nodiscard]] QStringList explanationNoteLines();
[[nodiscard]] QStringList exampleNoteLines();
/// The one-line notes 标签160 (conflicts) and 标签157 (the warning line).
[[nodiscard]] QString conflictNoteText();
[[nodiscard]] QString warningLineText();

/// The description window's caption and text.
[[nodiscard]] QString descriptionCaption();
[[nodiscard]] QString descriptionText();

/// Caption of every message box, and the status text shown while a query runs.
[[nodiscard]] QString messageCaption();
[[nodiscard]] QString progressText();

} // namespace bazi::ui

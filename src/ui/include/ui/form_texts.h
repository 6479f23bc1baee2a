#pragma once
// The fixed texts of the form: captions, notes, warning line, description,
// status and messages, in the language chosen (the Simplified Chinese texts
// are the sources of the translations).

#include "form/form_catalog.h"
#include "query/query_driver.h"
#include "ui/qt_values.h"

#include <QString>
#include <QStringList>

namespace bazi::ui {

/// The window caption.
[[nodiscard]] QString windowTitleText();

/// Captions of the row labels, row 1 first: "条件一：" .. "条件七：", "条件八：",
/// "条件九：", "条件10：", "条件11：", "条件12："; empty outside 1..12.
[[nodiscard]] QString rowLabelCaption(int row);
/// A row named with its group, as messages and screen readers name it: "天干 条件一".
[[nodiscard]] QString rowCaptionText(GroupId group, int row);
/// Captions of the five pages: "条件1—五行" .. "条件4—神煞", "查询结果".
[[nodiscard]] QString pageCaption(int page);

/// The lines of the note 标签158 ("说明：" ...) and of the note 标签159
/// ("正确设置说明举例：" ...); an empty string is an empty line.
[[nodiscard]] QStringList explanationNoteLines();
[[nodiscard]] QStringList exampleNoteLines();
/// The one-line notes 标签160 (conflicts) and 标签157 (the warning line).
[[nodiscard]] QString conflictNoteText();
[[nodiscard]] QString warningLineText();

/// The description window's caption and its first line.
[[nodiscard]] QString descriptionCaption();
[[nodiscard]] QString descriptionText();

/// Caption of every message box.
[[nodiscard]] QString messageCaption();
/// The status label while a query runs and after it, the summary label, the
/// outcome message (empty when there are matches) and the mark of results
/// older than the form: the engine's texts (texts/result_texts.h), translated.
[[nodiscard]] QString progressText();
[[nodiscard]] QString finishedText();
[[nodiscard]] QString summaryLabelText(int conditionCount, int matchCount);
[[nodiscard]] QString outcomeMessageText(QueryOutcome outcome);
[[nodiscard]] QString staleText();

} // namespace bazi::ui

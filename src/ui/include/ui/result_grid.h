#pragma once
// The result grid 高级表格_结果: a QTableWidget of three columns whose row 0
// is the header row ("公历时间", "农历时间", "八字"), written as an ordinary
// row like the fixed row of a classic grid; Qt's own header sections are
// hidden. Below the header come the matches, newest first, and one empty
// row: the row count is always the number of matches + 2.

#include "texts/result_texts.h"

class QTableWidget;
class QWidget;

namespace bazi::ui {

inline constexpr int kResultColumnWidth = 120;

/// Creates the grid as the form defines it: 3 columns, 3 rows, read-only.
[[nodiscard]] QTableWidget* createResultGrid(QWidget* parent);

/// Before a run: the grid emptied and back to its design look, two rows, the
/// header row written.
void prepareResultGrid(QTableWidget* grid);

/// One match in grid row `row` (1 for the first), adding one row below it.
void appendMatchRow(QTableWidget* grid, int row, const ResultRow& match);

/// After a run: every column 120 px wide.
void finishResultGrid(QTableWidget* grid);

} // namespace bazi::ui

#pragma once
// The result grid 高级表格_结果: a ResultView over the query's result model,
// three columns under a header of their own ("公历时间", "农历时间", "八字"),
// the matches below it newest first. Its look: 22 px rows, no row numbers,
// every column 120 px wide after a run.

class QWidget;

namespace bazi::ui {

class QueryResultModel;
class ResultView;

/// Creates the grid over `model`: read-only, rows selected whole.
[[nodiscard]] ResultView* createResultGrid(QWidget* parent, QueryResultModel* model);

/// Before a run: the column widths back to their design default.
void prepareResultGrid(ResultView* grid);

/// After a run: every column 120 px wide.
void finishResultGrid(ResultView* grid);

} // namespace bazi::ui

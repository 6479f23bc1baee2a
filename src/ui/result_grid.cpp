#include "ui/result_grid.h"

#include "ui/query_result_model.h"
#include "ui/result_view.h"

#include <QHeaderView>
#include <QProxyStyle>

namespace bazi::ui {
namespace {

constexpr int kRowHeight = 22;
constexpr int kResultColumnWidth = 120; // the form grid's three columns after a run

// Cell text 2 px from the cell's edges instead of the usual 3: the chart
// column's "丙申 辛卯 丁酉 辛亥" is 114 px wide in a 12 px font with half-width
// blanks and must fit the fixed 120 px column without being elided.
class ResultGridStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_FocusFrameHMargin)
            return 1;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

ResultView* createResultGrid(QWidget* parent, QueryResultModel* model) {
    auto* grid = new ResultView(parent);
    grid->setObjectName(QStringLiteral("高级表格_结果"));
    auto* style = new ResultGridStyle;
    style->setParent(grid);
    grid->setStyle(style);
    grid->setResultModel(model);
    grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grid->horizontalHeader()->setHighlightSections(false);
    return grid;
}

void prepareResultGrid(ResultView* grid) {
    grid->clearSelection();
    const int defaultWidth = grid->horizontalHeader()->defaultSectionSize();
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        grid->setColumnWidth(c, defaultWidth);
}

void finishResultGrid(ResultView* grid) {
    // The three columns of the form's grid keep its width; the time basis's
    // columns are as wide as their texts.
    for (int c = 0; c < grid->model()->columnCount(); ++c) {
        if (c <= QueryResultModel::chartColumn)
            grid->setColumnWidth(c, kResultColumnWidth);
        else
            grid->resizeColumnToContents(c);
    }
}

} // namespace bazi::ui

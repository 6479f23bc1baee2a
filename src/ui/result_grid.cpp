#include "ui/result_grid.h"

#include "ui/form_texts.h"

#include <QHeaderView>
#include <QProxyStyle>
#include <QTableWidget>

namespace bazi::ui {
namespace {

constexpr int kColumns = 3;
constexpr int kRowHeight = 22;

void setCellText(QTableWidget* grid, int row, int column, const QString& text) {
    if (row < 0 || row >= grid->rowCount() || column < 0 || column >= grid->columnCount())
        return;
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    grid->setItem(row, column, item);
}

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

// The header row looks like the fixed row of a classic grid.
void styleHeaderRow(QTableWidget* grid) {
    for (int c = 0; c < grid->columnCount(); ++c) {
        if (QTableWidgetItem* item = grid->item(0, c)) {
            item->setBackground(grid->palette().button());
            item->setForeground(grid->palette().buttonText());
            item->setTextAlignment(Qt::AlignCenter);
            item->setFlags(Qt::ItemIsEnabled);
        }
    }
}

} // namespace

QTableWidget* createResultGrid(QWidget* parent) {
    auto* grid = new QTableWidget(3, kColumns, parent);
    grid->setObjectName(QStringLiteral("高级表格_结果"));
    auto* style = new ResultGridStyle;
    style->setParent(grid);
    grid->setStyle(style);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setAccessibleName(QStringLiteral("查询结果"));
    return grid;
}

void prepareResultGrid(QTableWidget* grid) {
    // Reset: cell contents gone, column widths back to the design default.
    grid->clearContents();
    grid->clearSelection();
    const int defaultWidth = grid->horizontalHeader()->defaultSectionSize();
    for (int c = 0; c < grid->columnCount(); ++c)
        grid->setColumnWidth(c, defaultWidth);
    grid->setRowCount(2);
    const QString headers[kColumns] = {QStringLiteral("公历时间"), QStringLiteral("农历时间"),
                                       QStringLiteral("八字")};
    for (int c = 0; c < kColumns; ++c)
        setCellText(grid, 0, c, headers[c]);
    styleHeaderRow(grid);
}

void appendMatchRow(QTableWidget* grid, int row, const ResultRow& match) {
    setCellText(grid, row, 0, toQString(match.gregorian));
    setCellText(grid, row, 1, toQString(match.lunar));
    setCellText(grid, row, 2, toQString(match.chart));
    grid->setRowCount(grid->rowCount() + 1);
}

void finishResultGrid(QTableWidget* grid) {
    for (int c = 0; c < kColumns; ++c)
        grid->setColumnWidth(c, kResultColumnWidth);
}

} // namespace bazi::ui

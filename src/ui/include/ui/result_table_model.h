#pragma once
// What every result table of the window offers beyond its rows and columns:
// the moment a row stands for (whose chart "查看八字" opens), how its charts
// are read, the whole result in the command line's file formats, and a title
// for printing. A ResultView works on any of them.

#include "calendar/gregorian.h"
#include "ui/chart_sheet.h"

#include <QAbstractTableModel>

#include <optional>
#include <string>

namespace bazi::ui {

class ResultTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    /// The moment of a row (a match, a span's start); nullopt for a row without one.
    [[nodiscard]] virtual std::optional<CivilDateTime> momentOfRow(int row) const = 0;
    /// The boxes the result was found with, for reading its charts.
    [[nodiscard]] virtual ChartOptions chartOptions() const = 0;
    /// The whole result in the command line's formats, each ending with a line feed.
    [[nodiscard]] virtual std::string csvText() const = 0;
    [[nodiscard]] virtual std::string jsonText() const = 0;
    /// The heading of a printed result.
    [[nodiscard]] virtual QString documentTitle() const = 0;
    /// The file name (without folder) an export suggests, without extension.
    [[nodiscard]] virtual QString exportBaseName() const = 0;
};

} // namespace bazi::ui

#pragma once
// What every result table of the window offers beyond its rows and columns:
// the instant a row stands for (whose chart "查看八字" opens), the time basis
// and boxes its charts are read with, the whole result in the command line's
// file formats, and a title for printing. A ResultView works on any of them.

#include "basis/instant.h"
#include "basis/time_basis.h"
#include "ui/chart_sheet.h"

#include <QAbstractTableModel>

#include <optional>
#include <string>

namespace bazi::ui {

/// The basis given, or the calendar's own for null.
[[nodiscard]] const TimeBasis& basisOrCalendar(const TimeBasis* basis);

class ResultTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    /// The language changed: header and cells are written anew.
    void retranslate();

    /// The instant of a row (a match, a span's start); nullopt for a row without one.
    [[nodiscard]] virtual std::optional<Instant> instantOfRow(int row) const = 0;
    /// Does each row stand for one moment (the query's) rather than a span:
    /// its chart then warns of the cuts near it.
    [[nodiscard]] virtual bool rowsAreMoments() const = 0;
    /// The time basis the result was found on.
    [[nodiscard]] virtual const TimeBasis& timeBasis() const = 0;
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

#pragma once
// The query's window read on a time basis: its 36 moments are times of the
// basis's clock, each charted at the instant that clock showed it.

#include "basis/pillar_cuts.h"
#include "basis/time_basis.h"
#include "query/query_driver.h"

#include <map>
#include <vector>

namespace bazi {

/// The charts of the window of one reference date on a basis, by clock time.
struct BasisWindow {
    TimeBasis basis;
    /// Every clock time of the window that was read: its instant, offsets,
    /// reading and pillars.
    std::map<CivilDateTime, BasisChart> charts;
    /// Clock times of the window that the clock showed but that cannot be read,
    /// newest first: shown twice while the basis's fold is Fold::refuse, or
    /// shown at an instant outside the calendar's range. A clock time the zone
    /// skipped is neither read nor listed: it never was.
    std::vector<CivilDateTime> unread;

    /// The cuts within `nearMinutes` minutes of the chart at `clock`, one of
    /// the window's charts: the boundary warning of a listed match.
    [[nodiscard]] std::vector<NearCut> cutsNear(CivilDateTime clock, int nearMinutes) const;
};

/// Reads the window of `date` (queryMoments) on `basis`; a clock time shown
/// twice is read by the basis's fold. Precondition: isQueryDateInRange(date).
[[nodiscard]] BasisWindow basisWindowOf(CivilDate date, const TimeBasis& basis);

/// The window's charts as the query takes them: a clock time's pillars and the
/// lunar date of its clock date, nothing for one that was not read. The source
/// refers to `window`, which must outlive it.
[[nodiscard]] WindowChartSource windowChartSourceOf(const BasisWindow& window);

} // namespace bazi

#include "query/basis_window.h"

#include "calendar/lunar_calendar.h"

namespace bazi {

std::vector<NearCut> BasisWindow::cutsNear(CivilDateTime clock, int nearMinutes) const {
    return bazi::cutsNear(charts.at(clock).instant, basis, std::int64_t{nearMinutes} * 60);
}

BasisWindow basisWindowOf(CivilDate date, const TimeBasis& basis) {
    BasisWindow window{basis, {}, {}};
    for (const CivilDateTime moment : queryMoments(date)) {
        const ClockResolution r = instantFromClock(moment, basis);
        switch (r.status) {
        case ClockResolution::Status::gap: break;
        case ClockResolution::Status::ambiguous: window.unread.push_back(moment); break;
        case ClockResolution::Status::ok:
            if (isInstantInCalendarRange(r.instant))
                window.charts.emplace(moment, chartAt(r.instant, basis));
            else
                window.unread.push_back(moment);
            break;
        }
    }
    return window;
}

WindowChartSource windowChartSourceOf(const BasisWindow& window) {
    return [&window](CivilDateTime moment) -> std::optional<QueryMatch> {
        const auto found = window.charts.find(moment);
        if (found == window.charts.end())
            return std::nullopt;
        return QueryMatch{moment, found->second.pillars,
                          toLunar(moment.date).value_or(LunarDate{})};
    };
}

} // namespace bazi

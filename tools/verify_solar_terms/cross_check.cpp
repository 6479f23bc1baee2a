#include "cross_check.h"

#include "erfa_sun.h"
#include "julian_day.h"
#include "solar_term_table.h"
#include "solar_longitude.h"

#include <cmath>
#include <cstdio>
#include <ostream>

namespace bazi::ephem {

CrossCheckReport crossCheckSolarTermTable(const DeltaTModel& deltaT) {
    CrossCheckReport report;
    for (const Era& era : kCrossCheckEras) {
        EraAgreement a;
        a.era = era;
        double sum = 0;
        for (int year = era.firstYear; year <= era.lastYear; ++year) {
            for (int n = 1; n <= 24; ++n) {
                const SolarTermRecord& r = kSolarTermTable[static_cast<std::size_t>(
                    (year - kSolarTermFirstYear) * 24 + (n - 1))];
                const double tableJd = julianDateFromGregorian(year, r.month, r.day) +
                                       (r.hour * 3600 + r.minute * 60 + r.second) / kSecondsPerDay;
                const double erfaJd = civilJulianDateFromTT(deltaT, erfaTermMomentTT(year, n));
                const double diff = (tableJd - erfaJd) * kSecondsPerDay;
                const CalendarSecond e = calendarSecondFromJulianDate(erfaJd);
                ++a.records;
                sum += diff;
                if (std::abs(diff) > a.worstSeconds) {
                    a.worstSeconds = std::abs(diff);
                    a.worstYear = year;
                    a.worstTerm = n;
                }
                if (e.year != year || e.month != r.month || e.day != r.day)
                    ++a.differentDates;
                else if (e.hour != r.hour || e.minute != r.minute || e.second != r.second)
                    ++a.differentSeconds;
            }
        }
        a.meanSeconds = a.records ? sum / a.records : 0;
        report.differentDates += a.differentDates;
        report.eras.push_back(a);
    }
    return report;
}

void printCrossCheck(std::ostream& out, const CrossCheckReport& report) {
    out << "years       records  worst |table-ERFA| s (year/term)  mean s  other second  other "
           "date\n";
    char line[160];
    for (const EraAgreement& a : report.eras) {
        std::snprintf(line, sizeof line, "%d-%d  %7d  %8.2f (%d/%2d)  %17.2f  %12d  %10d\n",
                      a.era.firstYear, a.era.lastYear, a.records, a.worstSeconds, a.worstYear,
                      a.worstTerm, a.meanSeconds, a.differentSeconds, a.differentDates);
        out << line;
    }
    out << (report.differentDates == 0 ? "every record's date agrees\n"
                                       : "some records' dates differ\n");
}

} // namespace bazi::ephem

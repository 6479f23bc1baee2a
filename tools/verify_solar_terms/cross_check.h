#pragma once
// Compares the committed solar-term table with the ERFA computation.

#include "delta_t.h"

#include <array>
#include <iosfwd>
#include <vector>

namespace bazi::ephem {

/// A span of years reported together.
struct Era {
    int firstYear = 0;
    int lastYear = 0;
};

inline constexpr std::array<Era, 8> kCrossCheckEras = {{{1799, 1850},
                                                        {1851, 1900},
                                                        {1901, 1950},
                                                        {1951, 2000},
                                                        {2001, 2048},
                                                        {2049, 2100},
                                                        {2101, 2150},
                                                        {2151, 2200}}};

/// Agreement over one era: table minus ERFA, seconds.
struct EraAgreement {
    Era era;
    int records = 0;
    double worstSeconds = 0; // largest |difference|
    int worstYear = 0, worstTerm = 0;
    double meanSeconds = 0;   // signed mean
    int differentSeconds = 0; // records whose rounded second differs
    int differentDates = 0;   // records whose civil date differs
};

struct CrossCheckReport {
    std::vector<EraAgreement> eras;
    int differentDates = 0; // over the whole table
};

/// Recomputes every record of kSolarTermTable with ERFA and the same ΔT and
/// compares. Pure: reads only the compiled table and `deltaT`.
[[nodiscard]] CrossCheckReport crossCheckSolarTermTable(const DeltaTModel& deltaT);

/// Writes the report as a small text table.
void printCrossCheck(std::ostream& out, const CrossCheckReport& report);

} // namespace bazi::ephem

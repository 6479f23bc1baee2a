#pragma once
// The time-basis options shared by the commands that chart moments: --tz,
// --longitude or --place, --solar-time, --late-zi, --fold and --near. A command
// declares them with addBasisOptions, turns them into a basis with
// basisFromOptions after parsing, resolves its clock times with instantOfClock,
// and states the basis in its output with the writers below. With none of the
// options given the basis is the calendar's own and outputs carry nothing new.

#include "basis/pillar_cuts.h"
#include "basis/time_basis.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace CLI {
class App;
}

namespace bazi::cli {

/// The options as given; empty or unset when not given.
struct BasisOptions {
    std::string zone;                       // --tz ZONE
    std::optional<double> longitude;        // --longitude DEG
    std::string place;                      // --place NAME
    std::string solarTime;                  // --solar-time off|mean|true
    std::string lateZi;                     // --late-zi next-day|same-day
    std::string fold;                       // --fold earlier|later
    std::optional<std::string> nearMinutes; // --near MIN, decimal digits
};

/// Declares the options on a subcommand, in one group "Time basis".
void addBasisOptions(CLI::App& command, BasisOptions& options);

/// The basis the options describe, and whether any was given.
struct ChosenBasis {
    TimeBasis basis;
    bool given = false;                    // any basis option: outputs state the basis
    int nearMinutes = kDefaultNearMinutes; // --near, for the boundary warning
};

/// Reads the options: the zone from the tz database (--tz), else the clock zone
/// of the --place; the longitude from --longitude or the place. Throws
/// InputError for an unknown or unusable zone, a longitude outside −180..180, a
/// place the gazetteer does not know, solar time without a place or longitude,
/// and a longitude without solar time.
[[nodiscard]] ChosenBasis basisFromOptions(const BasisOptions& options);

/// basisFromOptions for the commands that list spans (search, find): --near and
/// --fold concern one moment and are refused there.
[[nodiscard]] ChosenBasis chosenSpanBasis(const BasisOptions& options);

/// The instant of a clock time under the basis. Throws InputError naming `what`
/// and the clock time when the clock skipped it (naming the skipped stretch and
/// the offsets around it), when it showed it twice and no --fold was given
/// (listing both readings), and when the instant lies outside the calendar's
/// range (the calendar's clock, UTC+8, from 1901-02-19 00:00:00 to 2048-12-31
/// 23:59:59).
[[nodiscard]] Instant instantOfClock(CivilDateTime clock, const TimeBasis& basis,
                                     std::string_view what);

/// "真太阳时", "平太阳时", or "标准时" (standard time under summer time); empty
/// when the day and hour pillars follow the clock as shown.
[[nodiscard]] std::string_view readingLabel(const BasisChart& chart, const TimeBasis& basis);

/// The text that follows a clock time in a listing: " +09:00", then for a
/// reading other than the clock "  真太阳时 2000-03-20 09:42:55".
[[nodiscard]] std::string basisTextAfterClock(const BasisChart& chart, const TimeBasis& basis);

/// The JSON keys "utcOffset" and, with solar time on, "solarTime" (the reading,
/// "2000-03-20T09:42:55"), appended to an object being written.
void appendBasisJson(std::string& out, const BasisChart& chart, const TimeBasis& basis);

/// The first line of a text listing under a chosen basis: "时间基准：" + the
/// description of describeBasis.
[[nodiscard]] std::string basisHeaderLine(const TimeBasis& basis);

/// The boundary warning of one moment: each cut within the window, as an
/// indented text line "  临界 子时换日 2016-03-16 23:00:00 +08:00，5分0秒后；另一侧八字
/// 丙申 辛卯 戊戌 壬子".
[[nodiscard]] std::vector<std::string> nearCutLines(const std::vector<NearCut>& cuts,
                                                    const TimeBasis& basis);

} // namespace bazi::cli

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

    /// The basis when an option chose one, else null (the calendar's own, stated nowhere).
    [[nodiscard]] const TimeBasis* basisOrNull() const { return given ? &basis : nullptr; }
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

} // namespace bazi::cli

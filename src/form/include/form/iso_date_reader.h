#pragma once
// Reading the fixed date and time forms of the form state's "date" and of the
// command line: "YYYY-MM-DD" and "YYYY-MM-DD HH:MM[:SS]", every field its full
// number of digits, digits and separators only (no signs, no spaces other
// than the one separator). Callers word their own refusals by the status.

#include "calendar/gregorian.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace bazi {

enum class IsoReadStatus {
    ok,        // the value is a real date or moment
    malformed, // not written in the form
    notReal,   // written in the form, but no such day (or time of day)
};

struct IsoDateRead {
    IsoReadStatus status = IsoReadStatus::malformed;
    CivilDate date; // as written; a real date only when status is ok
};

struct IsoMomentRead {
    IsoReadStatus status = IsoReadStatus::malformed;
    CivilDateTime moment; // as written; a real moment only when status is ok
};

/// "YYYY-MM-DD".
[[nodiscard]] IsoDateRead readIsoDate(std::string_view text);
/// "YYYY-MM-DD HH:MM" or "YYYY-MM-DD HH:MM:SS", also with "T" between date and time.
[[nodiscard]] IsoMomentRead readIsoMoment(std::string_view text);

/// A number written in decimal digits only: no sign, space, prefix or point, as
/// the digits of a date. nullopt for "" and anything else; a number past the
/// range of uint64 reads as its largest value.
[[nodiscard]] std::optional<std::uint64_t> parseDecimalDigits(std::string_view text);

} // namespace bazi

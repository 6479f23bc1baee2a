#pragma once
// What the subcommands of bazi-seek share: the input-error exception, reading
// dates and moments from arguments, ISO text forms, and buffered output.

#include "calendar/gregorian.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace bazi::cli {

/// A bad argument: malformed, impossible or out of range. main() prints its text
/// and exits with status 2. The text says what was wrong and what to do.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// "YYYY-MM-DD HH:MM[:SS]" (also with "T" between date and time), every field
/// its full number of digits, as a moment that exists; throws InputError naming
/// `what` (e.g. "MOMENT") otherwise.
[[nodiscard]] CivilDateTime parseMoment(std::string_view text, std::string_view what);
/// "YYYY-MM-DD" as a date that exists, under the rule of a form state's "date"
/// (bazi::parseIsoDate): four, two and two digits. Throws InputError otherwise.
[[nodiscard]] CivilDate parseDate(std::string_view text, std::string_view what);

/// A number written in decimal digits only: no sign, space, prefix or point, as
/// the digits of a date. nullopt for "" and anything else; a number past the
/// range of uint64 reads as its largest value.
[[nodiscard]] std::optional<std::uint64_t> parseDecimalDigits(std::string_view text);
/// The same, from `min` to `max` (min >= 0); throws InputError naming `what`
/// when the text is empty ("missing"), not decimal digits, or out of range.
[[nodiscard]] int parseWholeNumber(std::string_view text, std::string_view what, int min, int max);

/// Positional words joined with single spaces: a moment or a chart typed
/// unquoted reaches us as several arguments ("2016-03-16" "22:00").
[[nodiscard]] std::string joinedArguments(const std::vector<std::string>& words);

/// "2016-03-16"
[[nodiscard]] std::string isoDate(CivilDate date);
/// "2016-03-16T22:00:00"
[[nodiscard]] std::string isoDateTime(CivilDateTime moment);
/// "2016-03-16 22:00:00"
[[nodiscard]] std::string dateTimeText(CivilDateTime moment);

/// What follows a lunar date written as text: " 推算" when the date's lunar date
/// is the astronomical reckoning rather than the almanac of its time
/// (isReckonedLunarDate: before 1912), else nothing. JSON says the same
/// with the key "reckoned": true, present only for such dates.
[[nodiscard]] std::string_view reckonedMark(CivilDate date);

/// A JSON value on one line with a space after every ":" and ",":
/// {"year": 2016, "n": 1, "name": "小寒"}. Text stays UTF-8, unescaped.
[[nodiscard]] std::string jsonLine(const nlohmann::ordered_json& value);
/// The same, appended to `out`.
void appendJsonLine(std::string& out, const nlohmann::ordered_json& value);
/// `text` as a JSON string, quoted and escaped where JSON requires it, appended to
/// `out`. For listings of fixed shape, written field by field without building a
/// JSON value per line.
void appendJsonString(std::string& out, std::string_view text);
/// `"key": ` appended to `out`, preceded by ", " unless `out` ends with "{".
void appendJsonKey(std::string& out, std::string_view key);

/// Collects output and writes it to stdout in large blocks: a long listing is
/// neither flushed line by line nor held in memory whole.
class OutputBuffer {
public:
    OutputBuffer() { m_text.reserve(kBlockSize + 4096); }
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;
    /// Writes what is left, unless an exception is unwinding (then the unwritten rest is
    /// dropped); a write failure here goes unreported, so call flush() first.
    ~OutputBuffer();

    /// Appends one line and its line feed.
    void line(std::string_view text);
    /// Appends text that holds whole lines, each already ending with its line feed.
    void lines(std::string_view text);
    /// Writes what has been collected; throws std::runtime_error when stdout fails.
    /// Call it once at the end of a listing.
    void flush();

private:
    static constexpr std::size_t kBlockSize = 1 << 16;
    std::string m_text;
};

} // namespace bazi::cli

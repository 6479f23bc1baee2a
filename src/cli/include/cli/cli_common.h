#pragma once
// What the subcommands of bazi-seek share: the input-error exception, reading
// dates and moments from arguments, and buffered output; with them the ISO
// text forms and the listings' JSON writers.

#include "calendar/gregorian.h"
#include "form/iso_date_reader.h"
#include "texts/iso_text.h"
#include "texts/json_text.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace CLI {
class App;
}

namespace bazi::cli {

/// A bad argument: malformed, impossible or out of range. main() prints its text
/// and exits with status 2. The text says what was wrong and what to do.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// "YYYY-MM-DD HH:MM[:SS]" (also with "T" between date and time), every field
/// its full number of digits (bazi::readIsoMoment), as a moment that exists;
/// throws InputError naming `what` (e.g. "MOMENT") otherwise.
[[nodiscard]] CivilDateTime parseMoment(std::string_view text, std::string_view what);
/// "YYYY-MM-DD" as a date that exists, under the rule of a form state's "date"
/// (bazi::parseIsoDate): four, two and two digits. Throws InputError otherwise.
[[nodiscard]] CivilDate parseDate(std::string_view text, std::string_view what);

/// A number in decimal digits only (bazi::parseDecimalDigits), from `min` to
/// `max` (min >= 0); throws InputError naming `what` when the text is empty
/// ("missing"), not decimal digits, or out of range.
[[nodiscard]] int parseWholeNumber(std::string_view text, std::string_view what, int min, int max);

/// Positional words joined with single spaces: a moment or a chart typed
/// unquoted reaches us as several arguments ("2016-03-16" "22:00").
[[nodiscard]] std::string joinedArguments(const std::vector<std::string>& words);

/// Declares --json and --csv, which exclude each other, with their help texts.
void addFormatFlags(CLI::App& command, bool& json, bool& csv, const std::string& jsonHelp,
                    const std::string& csvHelp);
/// Declares --set NAME=VALUE, taken once per use and kept in order.
void addSetOption(CLI::App& command, std::vector<std::string>& sets, const std::string& help);

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

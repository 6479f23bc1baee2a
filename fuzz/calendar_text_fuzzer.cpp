// The readers of dates, moments and numbers on the command line, on arbitrary
// text. What one accepts reads back as the text it was given (the forms are
// fixed, so there is one way to write each value), the date reader of the
// command line agrees with that of the form state, and every refusal is one
// printable line.
#include "fuzz_check.h"

#include "cli/cli_common.h"
#include "form/form_state_json.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using bazi::fuzz::require;
using bazi::fuzz::requireOneShortLine;

void checkMoment(std::string_view text) {
    try {
        const bazi::CivilDateTime moment = bazi::cli::parseMoment(text, "MOMENT");
        require(moment.ok(), "a moment read exists");
        std::string written = bazi::spacedIsoMomentText(moment);
        if (text.size() == 16)
            written.resize(16); // given without seconds
        if (text.size() > 10 && text[10] == 'T')
            written[10] = 'T';
        require(written == text, "a moment read is written back as given");
    } catch (const bazi::cli::InputError& e) {
        requireOneShortLine(e.what());
    }
}

void checkDate(std::string_view text) {
    const auto formDate = bazi::parseIsoDate(text);
    try {
        const bazi::CivilDate date = bazi::cli::parseDate(text, "DATE");
        require(formDate && *formDate == date, "the file's rule accepts the same date");
        require(bazi::isoDateText(date) == text, "a date read is written back as given");
    } catch (const bazi::cli::InputError& e) {
        require(!formDate, "the file's rule refuses the same text");
        requireOneShortLine(e.what());
    }
}

void checkNumber(std::string_view text) {
    const auto value = bazi::parseDecimalDigits(text);
    bool digitsOnly = !text.empty();
    for (const char c : text)
        digitsOnly = digitsOnly && c >= '0' && c <= '9';
    require(value.has_value() == digitsOnly, "decimal digits and nothing else");
    if (value && text.size() <= 19)
        require(*value == std::stoull(std::string(text)), "the value of the digits");
    try {
        const int hours = bazi::cli::parseWholeNumber(text, "--step-hours", 1, 1000000);
        require(value && hours >= 1 && hours <= 1000000 && *value == static_cast<unsigned>(hours),
                "a number read lies in its range");
    } catch (const bazi::cli::InputError& e) {
        requireOneShortLine(e.what());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkMoment(text);
    checkDate(text);
    checkNumber(text);
    return 0;
}

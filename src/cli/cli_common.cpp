#include "cli/cli_common.h"

#include "form/message_text.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <exception>

namespace bazi::cli {

CivilDateTime parseMoment(std::string_view text, std::string_view what) {
    const IsoMomentRead r = readIsoMoment(text);
    if (r.status == IsoReadStatus::malformed)
        throw InputError(std::string(what) + " " + quotedForMessage(text) +
                         " is not a moment; write it as \"YYYY-MM-DD HH:MM\" or "
                         "\"YYYY-MM-DD HH:MM:SS\"");
    if (r.status == IsoReadStatus::notReal)
        throw InputError(std::string(what) + " " + quotedForMessage(text) +
                         " does not exist; check the day of the month and that the time is "
                         "00:00:00 to 23:59:59");
    return r.moment;
}

CivilDate parseDate(std::string_view text, std::string_view what) {
    const IsoDateRead r = readIsoDate(text);
    if (r.status == IsoReadStatus::malformed)
        throw InputError(std::string(what) + " " + quotedForMessage(text) +
                         " is not a date; write it as \"YYYY-MM-DD\"");
    if (r.status == IsoReadStatus::notReal)
        throw InputError(std::string(what) + " " + quotedForMessage(text) +
                         " does not exist; check the month (01-12) and the day of the month");
    return r.date;
}

int parseWholeNumber(std::string_view text, std::string_view what, int min, int max) {
    const std::string range = "from " + std::to_string(min) + " to " + std::to_string(max);
    if (text.empty())
        throw InputError(std::string(what) + " is missing; give a whole number " + range);
    const auto value = parseDecimalDigits(text);
    if (!value)
        throw InputError(std::string(what) + " " + quotedForMessage(text) +
                         " is not a whole number; write it in decimal digits only, " + range);
    if (*value < static_cast<std::uint64_t>(min) || *value > static_cast<std::uint64_t>(max))
        throw InputError(std::string(what) + " " + printableMessage(text, 24) +
                         " is out of range; give a whole number " + range);
    return static_cast<int>(*value);
}

std::string joinedArguments(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) {
        if (!text.empty())
            text += ' ';
        text += word;
    }
    return text;
}

void addFormatFlags(CLI::App& command, bool& json, bool& csv, const std::string& jsonHelp,
                    const std::string& csvHelp) {
    auto* jsonFlag = command.add_flag("--json", json, jsonHelp);
    auto* csvFlag = command.add_flag("--csv", csv, csvHelp);
    jsonFlag->excludes(csvFlag);
}

void addSetOption(CLI::App& command, std::vector<std::string>& sets, const std::string& help) {
    command.add_option("--set", sets, help)
        ->expected(1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
}

OutputBuffer::~OutputBuffer() {
    // A listing cut short by an error is dropped, not written half.
    if (std::uncaught_exceptions() > 0)
        return;
    try {
        flush();
    } catch (const std::exception&) {
        // Nothing can be reported from here; flush() was already called on success.
    }
}

void OutputBuffer::line(std::string_view text) {
    m_text += text;
    m_text += '\n';
    if (m_text.size() >= kBlockSize)
        flush();
}

void OutputBuffer::lines(std::string_view text) {
    m_text += text;
    if (m_text.size() >= kBlockSize)
        flush();
}

void OutputBuffer::flush() {
    if (m_text.empty())
        return;
    const std::size_t size = m_text.size();
    const std::size_t written = std::fwrite(m_text.data(), 1, size, stdout);
    m_text.clear();
    if (written != size)
        throw std::runtime_error("cannot write to standard output");
}

} // namespace bazi::cli

#include "cli/cli_common.h"

#include "calendar/lunar_calendar.h"
#include "form/message_text.h"
#include "form/utf8.h"
#include "texts/result_formats.h"

#include <cstdio>
#include <exception>
#include <limits>

namespace bazi::cli {

namespace {

// A strict left-to-right reader of the fixed date and time forms: digits and
// separators only, no signs, no spaces other than the one separator. Every field
// has a fixed number of digits, the rule of the form state's "date" too.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : m_text(text) {}

    /// Reads exactly `digits` decimal digits as a number.
    bool number(int digits, int& value) {
        value = 0;
        for (int k = 0; k < digits; ++k, ++m_pos) {
            if (m_pos >= m_text.size() || m_text[m_pos] < '0' || m_text[m_pos] > '9')
                return false;
            value = value * 10 + (m_text[m_pos] - '0');
        }
        return true;
    }
    /// Reads one of the characters of `choices`.
    bool separator(std::string_view choices) {
        if (m_pos >= m_text.size() || choices.find(m_text[m_pos]) == std::string_view::npos)
            return false;
        ++m_pos;
        return true;
    }
    [[nodiscard]] bool atEnd() const { return m_pos == m_text.size(); }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

bool readDate(FieldReader& in, CivilDate& date) {
    return in.number(4, date.year) && in.separator("-") && in.number(2, date.month) &&
           in.separator("-") && in.number(2, date.day);
}

// True when `text` can stand between JSON quotes as it is: well-formed UTF-8
// without quotes, backslashes or control characters.
bool isPlainJsonText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            if (lead < 0x20 || lead == '"' || lead == '\\')
                return false;
            ++i;
            continue;
        }
        const Utf8Char c = decodeUtf8(text, i);
        if (!c.ok())
            return false;
        i += c.length;
    }
    return true;
}

// Appends `value` (0..9999) with at least `width` digits, zero-padded.
void appendDigits(std::string& out, int value, int width) {
    char digits[4];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0 && n < 4);
    for (int pad = n; pad < width; ++pad)
        out += '0';
    while (n > 0)
        out += digits[--n];
}

} // namespace

CivilDateTime parseMoment(std::string_view text, std::string_view what) {
    FieldReader in(text);
    CivilDateTime moment;
    bool wellFormed = readDate(in, moment.date) && in.separator(" T") &&
                      in.number(2, moment.hour) && in.separator(":") && in.number(2, moment.minute);
    if (wellFormed && !in.atEnd())
        wellFormed = in.separator(":") && in.number(2, moment.second);
    if (!wellFormed || !in.atEnd())
        throw InputError(std::string(what) + " " + quotedForMessage(text) +
                         " is not a moment; write it as \"YYYY-MM-DD HH:MM\" or "
                         "\"YYYY-MM-DD HH:MM:SS\"");
    if (!moment.ok())
        throw InputError(std::string(what) + " " + quotedForMessage(text) +
                         " does not exist; check the day of the month and that the time is "
                         "00:00:00 to 23:59:59");
    return moment;
}

CivilDate parseDate(std::string_view text, std::string_view what) {
    FieldReader in(text);
    CivilDate date;
    if (!readDate(in, date) || !in.atEnd())
        throw InputError(std::string(what) + " " + quotedForMessage(text) +
                         " is not a date; write it as \"YYYY-MM-DD\"");
    if (!date.ok())
        throw InputError(std::string(what) + " " + quotedForMessage(text) +
                         " does not exist; check the month (01-12) and the day of the month");
    return date;
}

std::optional<std::uint64_t> parseDecimalDigits(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        const auto digit = static_cast<std::uint64_t>(c - '0');
        value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
    }
    return value;
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

std::string isoDate(CivilDate date) {
    std::string text;
    text.reserve(10);
    appendDigits(text, date.year, 4);
    text += '-';
    appendDigits(text, date.month, 2);
    text += '-';
    appendDigits(text, date.day, 2);
    return text;
}

std::string isoDateTime(CivilDateTime moment) {
    std::string text = isoDate(moment.date);
    text += 'T';
    appendDigits(text, moment.hour, 2);
    text += ':';
    appendDigits(text, moment.minute, 2);
    text += ':';
    appendDigits(text, moment.second, 2);
    return text;
}

std::string dateTimeText(CivilDateTime moment) {
    std::string text = isoDateTime(moment);
    text[10] = ' ';
    return text;
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

std::string_view reckonedMark(CivilDate date) {
    return reckonedMarkText(date);
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

void appendJsonLine(std::string& out, const nlohmann::ordered_json& value) {
    if (value.is_object()) {
        out += '{';
        bool first = true;
        for (const auto& [key, item] : value.items()) {
            if (!first)
                out += ", ";
            first = false;
            appendJsonString(out, key);
            out += ": ";
            appendJsonLine(out, item);
        }
        out += '}';
    } else if (value.is_array()) {
        out += '[';
        bool first = true;
        for (const auto& item : value) {
            if (!first)
                out += ", ";
            first = false;
            appendJsonLine(out, item);
        }
        out += ']';
    } else if (value.is_string()) {
        appendJsonString(out, value.get_ref<const std::string&>());
    } else {
        // Numbers, booleans and null as nlohmann writes them.
        out += value.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
    }
}

void appendJsonString(std::string& out, std::string_view text) {
    if (!isPlainJsonText(text)) {
        // Invalid UTF-8 from an argument becomes U+FFFD rather than an error.
        out += nlohmann::ordered_json(std::string(text))
                   .dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
        return;
    }
    out += '"';
    out += text;
    out += '"';
}

void appendJsonKey(std::string& out, std::string_view key) {
    if (!out.empty() && out.back() != '{')
        out += ", ";
    appendJsonString(out, key);
    out += ": ";
}

std::string jsonLine(const nlohmann::ordered_json& value) {
    std::string out;
    appendJsonLine(out, value);
    return out;
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

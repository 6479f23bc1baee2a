#include "cli/cli_common.h"

#include <algorithm>
#include <cstdio>

namespace bazi::cli {

namespace {

// A strict left-to-right reader of the fixed date and time forms: digits and
// separators only, no signs, no spaces other than the one separator.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : m_text(text) {}

    /// Reads minDigits..maxDigits decimal digits as a number.
    bool number(int minDigits, int maxDigits, int& value) {
        int digits = 0;
        value = 0;
        while (digits < maxDigits && m_pos < m_text.size() && m_text[m_pos] >= '0' && m_text[m_pos] <= '9') {
            value = value * 10 + (m_text[m_pos] - '0');
            ++m_pos;
            ++digits;
        }
        return digits >= minDigits;
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
    return in.number(4, 4, date.year) && in.separator("-") && in.number(1, 2, date.month) &&
           in.separator("-") && in.number(1, 2, date.day);
}

std::string twoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

} // namespace

CivilDateTime parseMoment(std::string_view text, std::string_view what) {
    FieldReader in(text);
    CivilDateTime moment;
    bool wellFormed = readDate(in, moment.date) && in.separator(" T") && in.number(1, 2, moment.hour) &&
                      in.separator(":") && in.number(2, 2, moment.minute);
    if (wellFormed && !in.atEnd())
        wellFormed = in.separator(":") && in.number(2, 2, moment.second);
    if (!wellFormed || !in.atEnd())
        throw InputError(std::string(what) + " \"" + std::string(text) +
                         "\" is not a moment; write it as \"YYYY-MM-DD HH:MM\" or \"YYYY-MM-DD HH:MM:SS\"");
    if (!moment.ok())
        throw InputError(std::string(what) + " \"" + std::string(text) +
                         "\" does not exist; check the day of the month and that the time is "
                         "00:00:00 to 23:59:59");
    return moment;
}

CivilDate parseDate(std::string_view text, std::string_view what) {
    FieldReader in(text);
    CivilDate date;
    if (!readDate(in, date) || !in.atEnd())
        throw InputError(std::string(what) + " \"" + std::string(text) +
                         "\" is not a date; write it as \"YYYY-MM-DD\"");
    if (!date.ok())
        throw InputError(std::string(what) + " \"" + std::string(text) +
                         "\" does not exist; check the month (1-12) and the day of the month");
    return date;
}

std::string isoDate(CivilDate date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::string isoDateTime(CivilDateTime moment) {
    return isoDate(moment.date) + 'T' + twoDigits(moment.hour) + ':' + twoDigits(moment.minute) +
           ':' + twoDigits(moment.second);
}

std::string dateTimeText(CivilDateTime moment) {
    std::string text = isoDateTime(moment);
    text[10] = ' ';
    return text;
}

OutputBuffer::~OutputBuffer() {
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
            out += nlohmann::ordered_json(key).dump();
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
    } else {
        // Strings escaped as JSON requires, UTF-8 kept as it is.
        out += value.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
    }
}

void appendJsonString(std::string& out, std::string_view text) {
    const bool plain = std::none_of(text.begin(), text.end(), [](char c) {
        return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
    });
    if (!plain) {
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

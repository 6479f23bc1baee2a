#include "form/iso_date_reader.h"

#include <limits>

namespace bazi {
namespace {

// A strict left-to-right reader of fields of fixed width and their separators.
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

} // namespace

IsoDateRead readIsoDate(std::string_view text) {
    FieldReader in(text);
    IsoDateRead r;
    if (!readDate(in, r.date) || !in.atEnd())
        return r;
    r.status = r.date.ok() ? IsoReadStatus::ok : IsoReadStatus::notReal;
    return r;
}

IsoMomentRead readIsoMoment(std::string_view text) {
    FieldReader in(text);
    IsoMomentRead r;
    CivilDateTime& m = r.moment;
    bool wellFormed = readDate(in, m.date) && in.separator(" T") && in.number(2, m.hour) &&
                      in.separator(":") && in.number(2, m.minute);
    if (wellFormed && !in.atEnd())
        wellFormed = in.separator(":") && in.number(2, m.second);
    if (!wellFormed || !in.atEnd())
        return r;
    r.status = m.ok() ? IsoReadStatus::ok : IsoReadStatus::notReal;
    return r;
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

} // namespace bazi

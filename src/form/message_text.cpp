#include "form/message_text.h"

#include "utf8/utf8.h"

#include <array>

namespace bazi {

namespace {

constexpr std::string_view kEllipsis = "…";

// Whether a terminal could act on the character rather than show it.
[[nodiscard]] constexpr bool needsEscape(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 || c == 0x200E ||
           c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

void appendHex(std::string& out, unsigned value, int digits) {
    constexpr std::string_view kHex = "0123456789abcdef";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        out += kHex[(value >> static_cast<unsigned>(shift)) & 0xFU];
}

void appendEscaped(std::string& out, char32_t c) {
    switch (c) {
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    case '\t': out += "\\t"; return;
    default: out += "\\u"; appendHex(out, static_cast<unsigned>(c), 4);
    }
}

// Appends at most `maxCharacters` characters of `text`, escaped; returns
// whether the whole text fitted.
bool appendPrintable(std::string& out, std::string_view text, std::size_t maxCharacters,
                     bool escapeQuotes) {
    std::size_t pos = 0;
    for (std::size_t count = 0; pos < text.size(); ++count) {
        if (count == maxCharacters)
            return false;
        const Utf8Char c = decodeUtf8(text, pos);
        if (!c.ok()) {
            out += "\\x";
            appendHex(out, static_cast<unsigned char>(text[pos]), 2);
            ++pos;
            continue;
        }
        if (needsEscape(c.codePoint))
            appendEscaped(out, c.codePoint);
        else if (escapeQuotes && (c.codePoint == '"' || c.codePoint == '\\'))
            (out += '\\') += static_cast<char>(c.codePoint);
        else
            out.append(text.substr(pos, c.length));
        pos += c.length;
    }
    return true;
}

} // namespace

std::string quotedForMessage(std::string_view text, std::size_t maxCharacters) {
    std::string out = "\"";
    const bool whole = appendPrintable(out, text, maxCharacters, true);
    out += '"';
    if (!whole) {
        out += kEllipsis;
        out += " (" + std::to_string(text.size()) + " bytes)";
    }
    return out;
}

std::string printableMessage(std::string_view text, std::size_t maxCharacters) {
    std::string out;
    if (!appendPrintable(out, text, maxCharacters, false))
        out += kEllipsis;
    return out;
}

} // namespace bazi

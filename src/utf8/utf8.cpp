#include "utf8/utf8.h"

namespace bazi {

Utf8Char decodeUtf8(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[pos + k]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return {lead, 1};
    // Table 3-7: the lead byte fixes the length and the range of the second
    // byte; every further byte is 80..BF.
    std::size_t length = 0;
    unsigned char secondLow = 0x80, secondHigh = 0xBF;
    char32_t codePoint = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1FU;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0FU;
        if (lead == 0xE0)
            secondLow = 0xA0; // below: overlong
        else if (lead == 0xED)
            secondHigh = 0x9F; // above: surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07U;
        if (lead == 0xF0)
            secondLow = 0x90; // below: overlong
        else if (lead == 0xF4)
            secondHigh = 0x8F; // above: past U+10FFFF
    } else {
        return {}; // 80..C1 (continuation or overlong lead), F5..FF
    }
    if (text.size() - pos < length)
        return {};
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char next = byte(k);
        const unsigned char low = k == 1 ? secondLow : 0x80;
        const unsigned char high = k == 1 ? secondHigh : 0xBF;
        if (next < low || next > high)
            return {};
        codePoint = (codePoint << 6) | (next & 0x3FU);
    }
    return {codePoint, length};
}

std::size_t firstInvalidUtf8(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        // ASCII runs are the common case and need no decoding.
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            ++pos;
            continue;
        }
        const Utf8Char c = decodeUtf8(text, pos);
        if (!c.ok())
            return pos;
        pos += c.length;
    }
    return std::string_view::npos;
}

} // namespace bazi

#pragma once
// Strict UTF-8 decoding, one character at a time, for everything that reads
// outside text (files, standard input, arguments) or quotes it back in a message.
//
// Well-formed means the byte sequences of the Unicode Standard, table 3-7
// (RFC 3629): no overlong forms, no surrogates (U+D800..U+DFFF), nothing above
// U+10FFFF, no stray continuation byte and no character cut off by the end of
// the text.
// Reference: The Unicode Standard 15.0, section 3.9, table 3-7.

#include <cstddef>
#include <string_view>

namespace bazi {

/// One decoded character: its code point and its length in bytes (1..4), or
/// length 0 when the bytes at that position are not a well-formed character.
struct Utf8Char {
    char32_t codePoint = 0;
    std::size_t length = 0;

    [[nodiscard]] constexpr bool ok() const { return length != 0; }
};

/// Bytes in the character that starts with `lead`, read from the lead byte
/// alone: for stepping through text already checked or written by us. A stray
/// continuation byte or an invalid lead byte counts as a character of its own.
[[nodiscard]] constexpr std::size_t utf8LengthOfLead(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 1;
}

/// The character of `text` that starts at byte `pos`. Precondition: pos < text.size().
[[nodiscard]] Utf8Char decodeUtf8(std::string_view text, std::size_t pos);

/// The byte offset of the first byte of `text` that does not belong to a
/// well-formed character, or std::string_view::npos when the whole text is well-formed UTF-8.
[[nodiscard]] std::size_t firstInvalidUtf8(std::string_view text);

} // namespace bazi

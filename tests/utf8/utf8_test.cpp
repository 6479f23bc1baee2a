// The strict UTF-8 decoder against an independent encoder, over every code
// point and every two- and three-byte sequence.
#include "utf8/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using bazi::decodeUtf8;
using bazi::firstInvalidUtf8;

// The encoding of a scalar value by the bit patterns of RFC 3629, section 3.
std::string encode(char32_t c) {
    std::string out;
    const auto byte = [&](unsigned v) { out += static_cast<char>(static_cast<unsigned char>(v)); };
    if (c < 0x80) {
        byte(c);
    } else if (c < 0x800) {
        byte(0xC0 | (c >> 6));
        byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        byte(0xE0 | (c >> 12));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    } else {
        byte(0xF0 | (c >> 18));
        byte(0x80 | ((c >> 12) & 0x3F));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    }
    return out;
}

bool isSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

TEST(Utf8, EveryScalarValueDecodesToItselfAndEveryCutOffPrefixIsRefused) {
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (isSurrogate(c))
            continue;
        const std::string bytes = encode(c);
        const bazi::Utf8Char decoded = decodeUtf8(bytes, 0);
        ASSERT_EQ(static_cast<unsigned>(decoded.codePoint), static_cast<unsigned>(c));
        ASSERT_EQ(decoded.length, bytes.size());
        for (std::size_t cut = 1; cut < bytes.size(); ++cut)
            ASSERT_FALSE(decodeUtf8(bytes.substr(0, cut), 0).ok())
                << std::hex << static_cast<unsigned>(c);
    }
}

// `length` bytes of `v`, most significant first.
std::string bytesOf(unsigned v, std::size_t length) {
    std::string out;
    for (std::size_t k = length; k-- > 0;)
        out += static_cast<char>((v >> (8 * k)) & 0xFF);
    return out;
}

// Whether `bytes` (a lead byte and continuation bytes) is the encoding of a
// scalar value, decoded by the bit patterns and checked against the encoder.
bool isEncodingOfAScalarValue(const std::string& bytes) {
    const std::size_t length = bytes.size();
    char32_t value = static_cast<unsigned char>(bytes[0]) & (0x7FU >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(bytes[k]) & 0xC0) != 0x80)
            return false;
        value = (value << 6) | (static_cast<unsigned char>(bytes[k]) & 0x3FU);
    }
    return value <= 0x10FFFF && !isSurrogate(value) && encode(value) == bytes;
}

// A sequence is well formed exactly when it is the encoding of a scalar value:
// every two-byte sequence, every three-byte one with a lead E0..EF, and every
// four-byte one with a lead F0..FF and its last two bytes 80 80, counted.
TEST(Utf8, ExactlyTheEncodingsOfScalarValuesAreWellFormed) {
    const auto wellFormed = [](unsigned first, unsigned last, std::size_t length,
                               const std::string& tail) {
        int count = 0;
        for (unsigned v = first; v <= last; ++v) {
            const std::string bytes = bytesOf(v, length - tail.size()) + tail;
            const bazi::Utf8Char c = decodeUtf8(bytes, 0);
            const bool decoded = c.ok() && c.length == length;
            if (static_cast<unsigned char>(bytes[0]) >= 0x80) {
                EXPECT_EQ(decoded, isEncodingOfAScalarValue(bytes)) << std::hex << v;
            }
            count += decoded ? 1 : 0;
        }
        return count;
    };
    EXPECT_EQ(wellFormed(0, 0xFFFF, 2, ""), 0x800 - 0x80);
    EXPECT_EQ(wellFormed(0xE00000, 0xEFFFFF, 3, ""), 0x10000 - 0x800 - 0x800); // no surrogates
    EXPECT_EQ(wellFormed(0xF000, 0xFFFF, 4, "\x80\x80"), 0x100000 / 0x1000);   // U+10000..10FFFF
}

TEST(Utf8, FirstInvalidByteOfAText) {
    const struct {
        std::string text;
        std::size_t first;
        const char* note;
    } cases[] = {
        {"", std::string::npos, "empty"},
        {"2016-03-16 金水", std::string::npos, "ASCII and Chinese"},
        {"甲\xE4\xB9", 3, "a character cut off at the end"},
        {"ab\x80", 2, "a stray continuation byte"},
        {"\xC0\xB0", 0, "an overlong 0"},
        {"x\xED\xA0\x80", 1, "a surrogate"},
        {"\xF4\x90\x80\x80", 0, "past U+10FFFF"},
        {"\xFF", 0, "FF"},
        {"金\xE9\x87", 3, "金 and the first two bytes of 金"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(firstInvalidUtf8(c.text), c.first);
    }
}

} // namespace

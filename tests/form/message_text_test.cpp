// Quoting outside text in messages: what a terminal would act on is escaped,
// the length is capped, and every other character is kept.
#include "form/message_text.h"
#include "utf8/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using bazi::printableMessage;
using bazi::quotedForMessage;

TEST(MessageText, QuotedTexts) {
    const struct {
        std::string text;
        std::string quoted;
        const char* note;
    } cases[] = {
        {"金", "\"金\"", "Chinese as it is"},
        {"", "\"\"", "empty"},
        {"a\"b\\c", "\"a\\\"b\\\\c\"", "quote and backslash"},
        {"\x1b]0;pwned\x07\x1b[2J", "\"\\u001b]0;pwned\\u0007\\u001b[2J\"",
         "a title and a clear-screen sequence"},
        {"2016-03-16\nX\r\t", "\"2016-03-16\\nX\\r\\t\"", "line breaks and a tab"},
        {"\x7f", "\"\\u007f\"", "DEL"},
        {"\xc2\x9b"
         "31m",
         "\"\\u009b31m\"", "the C1 control CSI"},
        {"\xe2\x80\xae"
         "txt",
         "\"\\u202etxt\"", "a right-to-left override"},
        {"a\xe2\x80\xa8"
         "b",
         "\"a\\u2028b\"", "the line separator"},
        {"\xff\xe4\xb9", "\"\\xff\\xe4\\xb9\"", "bytes that are not UTF-8"},
        {std::string("a\0b", 3), "\"a\\u0000b\"", "a NUL byte"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(quotedForMessage(c.text), c.quoted);
    }
}

TEST(MessageText, LongTextsAreCutByWholeCharactersWithTheirLength) {
    EXPECT_EQ(quotedForMessage(std::string(1 << 20, 'a')),
              "\"" + std::string(64, 'a') + "\"… (1048576 bytes)");
    std::string sixtyFour;
    for (int k = 0; k < 64; ++k)
        sixtyFour += "金";
    EXPECT_EQ(quotedForMessage(sixtyFour), "\"" + sixtyFour + "\"");
    EXPECT_EQ(quotedForMessage(sixtyFour + "水"), "\"" + sixtyFour + "\"… (195 bytes)");
    EXPECT_EQ(quotedForMessage("金水木", 2), "\"金水\"… (9 bytes)");
    // An escape counts as one character.
    EXPECT_EQ(quotedForMessage("\n\n\n", 2), "\"\\n\\n\"… (3 bytes)");
}

TEST(MessageText, PrintableMessagesKeepQuotesAndEscapeControls) {
    EXPECT_EQ(printableMessage("unknown key \"a\\\"b\""), "unknown key \"a\\\"b\"");
    EXPECT_EQ(printableMessage("line\nbreak\x1b[2J"), "line\\nbreak\\u001b[2J");
    EXPECT_EQ(printableMessage(std::string(5000, 'x')), std::string(1000, 'x') + "…");
}

// Every one- and two-byte input, and every code point of the first plane:
// the result is well-formed UTF-8 without a single control character.
TEST(MessageText, NothingATerminalActsOnEverGetsThrough) {
    const auto check = [](const std::string& text) {
        for (const std::string& out : {quotedForMessage(text), printableMessage(text)}) {
            ASSERT_EQ(bazi::firstInvalidUtf8(out), std::string::npos);
            for (std::size_t pos = 0; pos < out.size();) {
                const bazi::Utf8Char c = bazi::decodeUtf8(out, pos);
                ASSERT_FALSE(c.codePoint < 0x20 || (c.codePoint >= 0x7F && c.codePoint <= 0x9F) ||
                             c.codePoint == 0x2028 || c.codePoint == 0x2029 ||
                             (c.codePoint >= 0x202A && c.codePoint <= 0x202E))
                    << std::hex << static_cast<unsigned>(c.codePoint);
                pos += c.length;
            }
        }
    };
    for (unsigned a = 0; a < 256; ++a) {
        check(std::string(1, static_cast<char>(a)));
        for (unsigned b = 0; b < 256; ++b)
            check(std::string{static_cast<char>(a), static_cast<char>(b)});
    }
    for (char32_t c = 0x800; c < 0x10000; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        check(std::string{static_cast<char>(0xE0 | (c >> 12)),
                          static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                          static_cast<char>(0x80 | (c & 0x3F))});
    }
}

} // namespace

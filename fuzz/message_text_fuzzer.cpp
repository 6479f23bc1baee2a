// Quoting arbitrary bytes for a message: the result is one printable line of
// well-formed UTF-8, bounded by the cap whatever the input.
#include "fuzz_check.h"

#include "form/message_text.h"
#include "form/text_input.h"
#include "utf8/utf8.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using bazi::fuzz::require;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const std::size_t cap : {std::size_t{1}, std::size_t{8}, bazi::kQuotedCharacters}) {
        const std::string quoted = bazi::quotedForMessage(text, cap);
        require(bazi::firstInvalidUtf8(quoted) == std::string_view::npos, "quoted: UTF-8");
        require(bazi::printableMessage(quoted, 100000) == quoted, "quoted: printable");
        // An escape is at most six bytes (\u202e), and the cut adds its length.
        require(quoted.size() <= 2 + 6 * cap + 40, "quoted: bounded");
        const std::string line = bazi::printableMessage(text, cap);
        require(bazi::firstInvalidUtf8(line) == std::string_view::npos, "printable: UTF-8");
        require(bazi::printableMessage(line, 100000) == line, "printable: stays as it is");
        require(line.size() <= 6 * cap + 3, "printable: bounded");
    }
    // A text either passes the reader's checks or is refused with a printable line.
    try {
        bazi::checkTextInput(text, 4096, bazi::inputSourceName(text));
        require(bazi::firstInvalidUtf8(text) == std::string_view::npos, "a text read is UTF-8");
    } catch (const bazi::TextInputError& e) {
        bazi::fuzz::requireOneShortLine(e.what());
    }
    return 0;
}

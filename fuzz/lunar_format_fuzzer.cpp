// The lunar date line through an arbitrary format: three bytes choose the date
// (inside and outside the calendar, real or not), the rest is the format. The
// line is well-formed UTF-8 whenever the format is (the placeholders and what
// replaces them are whole characters), and grows at most by what the
// placeholders can hold.
#include "fuzz_check.h"

#include "calendar/lunar_date_text.h"
#include "utf8/utf8.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using bazi::fuzz::require;
    if (size < 3)
        return 0;
    // Years 1890..2059 cover the calendar and a decade either side; month and
    // day run past their real ranges.
    const bazi::CivilDate date{1890 + data[0] % 170, data[1] % 14, data[2] % 33};
    const std::string_view format(reinterpret_cast<const char*>(data + 3), size - 3);
    const std::string line = bazi::lunarDateText(date, format);
    if (bazi::firstInvalidUtf8(format) == std::string_view::npos)
        require(bazi::firstInvalidUtf8(line) == std::string_view::npos,
                "a line of whole characters");
    // The longest replacement, a leap month such as "闰冬月" (9 bytes), stands for two.
    require(line.size() <= 6 * std::max(format.size(), bazi::kDefaultLunarDateFormat.size()),
            "the line grows at most six-fold");
    return 0;
}

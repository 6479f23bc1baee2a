// The fixed date and time forms: a text not in the form is told apart from one
// in the form that names no real day, for the callers' messages.
#include "form/iso_date_reader.h"

#include <gtest/gtest.h>

#include <limits>

namespace bazi {
namespace {

TEST(IsoDateReader, DatesAreMalformedOrNotReal) {
    struct Case {
        const char* text;
        IsoReadStatus status;
    };
    const Case cases[] = {
        {"2016-03-16", IsoReadStatus::ok},
        {"2016-02-30", IsoReadStatus::notReal},
        {"2016-13-01", IsoReadStatus::notReal},
        {"2016-3-16", IsoReadStatus::malformed},
        {"2016-03-16 ", IsoReadStatus::malformed},
        {"+016-03-16", IsoReadStatus::malformed},
        {"", IsoReadStatus::malformed},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readIsoDate(c.text).status, c.status) << c.text;
    EXPECT_EQ(readIsoDate("2016-03-16").date, (CivilDate{2016, 3, 16}));
}

TEST(IsoDateReader, MomentsTakeOptionalSecondsAndEitherSeparator) {
    EXPECT_EQ(readIsoMoment("2016-03-16 22:00").moment, (CivilDateTime{{2016, 3, 16}, 22, 0, 0}));
    EXPECT_EQ(readIsoMoment("2016-03-16T22:00:05").moment,
              (CivilDateTime{{2016, 3, 16}, 22, 0, 5}));
    EXPECT_EQ(readIsoMoment("2016-03-16 24:00").status, IsoReadStatus::notReal);
    EXPECT_EQ(readIsoMoment("2016-02-30 12:00").status, IsoReadStatus::notReal);
    for (const char* bad : {"2016-03-16", "2016-03-16 22", "2016-03-16 22:00:", "2016-03-16  22:00",
                            "2016-03-16 22:00:00Z"})
        EXPECT_EQ(readIsoMoment(bad).status, IsoReadStatus::malformed) << bad;
}

TEST(IsoDateReader, DecimalDigitsOnlyAndSaturating) {
    EXPECT_EQ(parseDecimalDigits("0042"), 42u);
    EXPECT_EQ(parseDecimalDigits("99999999999999999999999"),
              std::numeric_limits<std::uint64_t>::max());
    for (const char* bad : {"", "-1", "+1", " 1", "1.0", "0x1"})
        EXPECT_FALSE(parseDecimalDigits(bad).has_value()) << bad;
}

} // namespace
} // namespace bazi

// Everything the calendar answered for 1901-02-19 .. 2048-12-31 before its range
// grew to 1800..2200, pinned as digests: the solar-term moments of 1901..2048,
// and for every day the lunar date, the date line and the four pillars every two
// hours (and at 23:00, where the day pillar turns). The values were taken from
// the calendar as it stood before the range grew; a digest that changes means a
// moment or date of 1901..2048 now reads differently.

#include "calendar/four_pillars.h"
#include "calendar/lunar_calendar.h"
#include "calendar/lunar_date_text.h"
#include "calendar/solar_terms.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace bazi {
namespace {

// FNV-1a, 64 bits: a fixed, dependency-free digest of text.
class Digest {
public:
    void add(std::string_view text) {
        for (const char c : text) {
            m_value ^= static_cast<unsigned char>(c);
            m_value *= 0x100000001B3ULL;
        }
    }
    void add(int n) { add(std::to_string(n) + ','); }
    [[nodiscard]] std::uint64_t value() const { return m_value; }

private:
    std::uint64_t m_value = 0xCBF29CE484222325ULL;
};

TEST(PrintedRangeDigest, SolarTermMomentsOf1901To2048) {
    Digest digest;
    int records = 0;
    for (int year = 1901; year <= 2048; ++year) {
        for (int n = 1; n <= 24; ++n) {
            const CivilDateTime t = termMoment(year, n);
            for (const int part :
                 {t.date.year, t.date.month, t.date.day, t.hour, t.minute, t.second})
                digest.add(part);
            ++records;
        }
    }
    EXPECT_EQ(records, 3552);
    EXPECT_EQ(digest.value(), 0x6EB66D4B41FACD7FULL);
}

TEST(PrintedRangeDigest, LunarDatesLinesAndPillarsOfEveryDay) {
    Digest digest;
    int days = 0;
    for (CivilDate d{1901, 2, 19}; d <= CivilDate{2048, 12, 31};
         d = stepDay(d, StepDirection::forward)) {
        const std::optional<LunarDate> lunar = toLunar(d);
        ASSERT_TRUE(lunar.has_value());
        for (const int part : {lunar->year, lunar->month, lunar->day, lunar->leap ? 1 : 0})
            digest.add(part);
        digest.add(lunarDateText(d));
        for (const int hour : {0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 23}) {
            const PillarIndices p = pillarIndices(CivilDateTime{d, hour, 0, 0});
            for (const int part : {p.year, p.month, p.day, p.hour})
                digest.add(part);
        }
        ++days;
    }
    EXPECT_EQ(days, 54008);
    EXPECT_EQ(digest.value(), 0xFE381929673225DEULL);
}

} // namespace
} // namespace bazi

#pragma once
// The picture of a range search a parent reads at a glance: for every day of
// the range and each of its twelve two-hour blocks (时辰), how much of the
// block's allowed time matches. Row d is the day firstDay() + d; block 0 is 子,
// which on a day D runs from 23:00 of the day before to 01:00 of D (the chart's
// day starts at 23:00), block 1 丑 01:00-03:00, …, block 11 亥 21:00-23:00.
// A block cut by a 节 or by the allowed hours counts only its matching part.

#include "calendar/civil_seconds.h"
#include "search/hour_windows.h"

#include <cstdint>
#include <vector>

namespace bazi::ui {

inline constexpr int kBlocksPerDay = 12;

/// How many seconds of one cell (or of several, summed) are allowed and match,
/// and how many matching spans start in it.
struct TallyCell {
    std::int64_t allowed = 0;
    std::int64_t matched = 0;
    std::int64_t spans = 0;

    /// matched / allowed, 0 when nothing is allowed.
    [[nodiscard]] double share() const {
        return allowed > 0 ? static_cast<double>(matched) / static_cast<double>(allowed) : 0.0;
    }
    TallyCell& operator+=(const TallyCell& other) {
        allowed += other.allowed;
        matched += other.matched;
        spans += other.spans;
        return *this;
    }
};

class CalendarTally {
public:
    CalendarTally() = default;
    /// An empty tally of [from, to) under the allowed hours.
    CalendarTally(CivilSeconds from, CivilSeconds to, HourWindows windows);

    /// A matching span [start, end): its seconds go to the blocks it covers.
    void addMatch(CivilSeconds start, CivilSeconds end);

    [[nodiscard]] int dayCount() const { return m_days; }
    [[nodiscard]] CivilDate firstDay() const;
    [[nodiscard]] CivilDate dayAt(int row) const;
    /// First second of block `block` of day `row` (子 starts the evening before).
    [[nodiscard]] CivilSeconds blockStart(int row, int block) const;
    /// The day row and block of a second; {-1, -1} outside the range.
    struct Place {
        int row = -1;
        int block = -1;
    };
    [[nodiscard]] Place placeOf(CivilSeconds t) const;

    [[nodiscard]] TallyCell cell(int row, int block) const;
    /// The cells of days firstRow..lastRow (inclusive) of one block, summed.
    [[nodiscard]] TallyCell sum(int firstRow, int lastRow, int block) const;

private:
    [[nodiscard]] std::int64_t allowedSeconds(CivilSeconds start, CivilSeconds end) const;

    CivilSeconds m_from = 0, m_to = 0;
    HourWindows m_windows;
    CivilSeconds m_firstBlock = 0; // the start of block 0 of row 0
    int m_days = 0;
    std::vector<std::int64_t> m_matched; // [row * 12 + block]
    std::vector<std::int32_t> m_spans;
};

} // namespace bazi::ui

#include "ui/calendar_tally.h"

#include <algorithm>

namespace bazi::ui {
namespace {

constexpr CivilSeconds kBlock = 2 * 3600;
constexpr CivilSeconds kHour = 3600;

// The start of the block that holds t: blocks start at odd hours.
CivilSeconds blockStartOf(CivilSeconds t) {
    return t - floorMod(t - kHour, kBlock);
}

} // namespace

CalendarTally::CalendarTally(CivilSeconds from, CivilSeconds to, HourWindows windows)
    : m_from(from), m_to(to), m_windows(windows) {
    if (to <= from)
        return;
    // Row 0 is the day of the block holding `from`: a block starting at 23:00
    // belongs to the next day.
    const CivilSeconds first = blockStartOf(from);
    m_firstBlock = first - floorMod(first + kHour, kSecondsPerDay); // 23:00 the day before
    const CivilSeconds last = blockStartOf(to - 1);
    m_days = static_cast<int>((last - m_firstBlock) / kSecondsPerDay) + 1;
    m_matched.assign(static_cast<std::size_t>(m_days) * kBlocksPerDay, 0);
    m_spans.assign(m_matched.size(), 0);
}

CivilDate CalendarTally::firstDay() const {
    return civilDateTimeOf(m_firstBlock + kSecondsPerDay).date;
}

CivilDate CalendarTally::dayAt(int row) const {
    return civilDateTimeOf(m_firstBlock + (row + 1) * kSecondsPerDay).date;
}

CivilSeconds CalendarTally::blockStart(int row, int block) const {
    return m_firstBlock + row * kSecondsPerDay + block * kBlock;
}

CalendarTally::Place CalendarTally::placeOf(CivilSeconds t) const {
    if (m_days == 0 || t < m_firstBlock)
        return {};
    const CivilSeconds offset = t - m_firstBlock;
    const int row = static_cast<int>(offset / kSecondsPerDay);
    if (row >= m_days)
        return {};
    return {row, static_cast<int>((offset % kSecondsPerDay) / kBlock)};
}

std::int64_t CalendarTally::allowedSeconds(CivilSeconds start, CivilSeconds end) const {
    start = std::max(start, m_from);
    end = std::min(end, m_to);
    std::int64_t seconds = 0;
    // At most two clock hours, each allowed or not as a whole.
    for (CivilSeconds hour = start - floorMod(start, kHour); hour < end; hour += kHour) {
        const int h = static_cast<int>(floorMod(hour, kSecondsPerDay) / kHour); // [0, 23]
        if (m_windows.allows(h))
            seconds += std::min(end, hour + kHour) - std::max(start, hour);
    }
    return seconds;
}

void CalendarTally::addMatch(CivilSeconds start, CivilSeconds end) {
    start = std::max(start, m_from);
    end = std::min(end, m_to);
    bool first = true;
    for (CivilSeconds t = start; t < end;) {
        const Place place = placeOf(t);
        if (place.row < 0)
            return;
        const CivilSeconds blockEnd = blockStart(place.row, place.block) + kBlock;
        const std::size_t i = static_cast<std::size_t>(place.row) * kBlocksPerDay +
                              static_cast<std::size_t>(place.block);
        m_matched[i] += std::min(end, blockEnd) - t;
        if (first)
            ++m_spans[i];
        first = false;
        t = blockEnd;
    }
}

TallyCell CalendarTally::cell(int row, int block) const {
    TallyCell c;
    if (row < 0 || row >= m_days || block < 0 || block >= kBlocksPerDay)
        return c;
    const CivilSeconds start = blockStart(row, block);
    c.allowed = allowedSeconds(start, start + kBlock);
    const std::size_t i =
        static_cast<std::size_t>(row) * kBlocksPerDay + static_cast<std::size_t>(block);
    c.matched = m_matched[i];
    c.spans = m_spans[i];
    return c;
}

TallyCell CalendarTally::sum(int firstRow, int lastRow, int block) const {
    TallyCell total;
    for (int row = std::max(0, firstRow); row <= std::min(lastRow, m_days - 1); ++row)
        total += cell(row, block);
    return total;
}

} // namespace bazi::ui

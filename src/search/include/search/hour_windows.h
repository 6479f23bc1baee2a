#pragma once
// The clock hours a search looks at, the same every day: for a planned birth,
// the hospital's working hours. Allowed time that runs on across midnight is one
// stretch: a window starts or stops only where allowed time does.

#include <cstdint>

namespace bazi {

struct HourWindows {
    /// Bit h set when the hour h:00:00 .. h:59:59 is allowed (h 0..23).
    std::uint32_t hours = kAllDay;

    static constexpr std::uint32_t kAllDay = 0xFFFFFFU;

    [[nodiscard]] constexpr bool allowsAll() const { return (hours & kAllDay) == kAllDay; }
    [[nodiscard]] constexpr bool allows(int hour) const { return (hours >> hour & 1U) != 0; }
    /// Does allowed time start or stop at hour:00:00 (the hour before counts
    /// across midnight).
    [[nodiscard]] constexpr bool edgeAt(int hour) const {
        return allows(hour) != allows(hour == 0 ? 23 : hour - 1);
    }
    /// The windows with [from, to) added (whole hours, 0 <= from < to <= 24).
    [[nodiscard]] constexpr HourWindows with(int from, int to) const {
        std::uint32_t added = 0;
        for (int h = from; h < to && h < 24; ++h)
            added |= 1U << h;
        return HourWindows{hours | added};
    }
    friend constexpr bool operator==(HourWindows, HourWindows) = default;
};

/// No hour allowed: the start for adding windows one by one.
inline constexpr HourWindows kNoHours{0};

} // namespace bazi

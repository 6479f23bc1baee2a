#include "basis/equation_of_time.h"

#include "equation_of_time_table.h"

#include <algorithm>
#include <cmath>

namespace bazi {

namespace {

static_assert(dayNumber(1799, 12, 24) - dayNumber(1970, 1, 1) == kEquationOfTimeFirstDay);

constexpr std::int64_t kStepSeconds = std::int64_t{kEquationOfTimeStepDays} * kSecondsPerDay;
constexpr std::int64_t kFirstSample = std::int64_t{kEquationOfTimeFirstDay} * kSecondsPerDay;
// Interpolation needs one value before and two after the interval [x1, x2).
constexpr std::int64_t kFirstCovered = kFirstSample + kStepSeconds;
constexpr std::int64_t kLastCovered =
    kFirstSample + static_cast<std::int64_t>(kEquationOfTimeTable.size() - 2) * kStepSeconds - 1;

double value(std::size_t k) {
    return static_cast<double>(kEquationOfTimeTable[k]);
}

} // namespace

Instant equationOfTimeFirstInstant() {
    return Instant{kFirstCovered};
}

Instant equationOfTimeLastInstant() {
    return Instant{kLastCovered};
}

std::int64_t equationOfTimeMs(Instant t) {
    const std::int64_t s = std::clamp(t.seconds, kFirstCovered, kLastCovered);
    const std::int64_t offset = s - kFirstSample;                   // [kStep, (size-2) kStep)
    const auto k = static_cast<std::size_t>(offset / kStepSeconds); // [1, size - 3]
    const double p =
        static_cast<double>(offset % kStepSeconds) / static_cast<double>(kStepSeconds); // [0, 1)
    const double f0 = value(k - 1), f1 = value(k), f2 = value(k + 1), f3 = value(k + 2);
    const double e = -p * (p - 1) * (p - 2) / 6 * f0 + (p + 1) * (p - 1) * (p - 2) / 2 * f1 -
                     (p + 1) * p * (p - 2) / 2 * f2 + (p + 1) * p * (p - 1) / 6 * f3;
    return std::llround(e);
}

} // namespace bazi

#include "search/span_search.h"

#include "chart/chart_facts.h"
#include "chart/library_facts.h"
#include "search/span_walker.h"

#include <algorithm>

namespace bazi {
namespace {

constexpr std::int64_t kSpansBetweenChecks = 4096; // cancel and progress are looked at this often

bool needsStars(const Conditions& conditions) {
    return std::any_of(conditions.rows.begin(), conditions.rows.end(),
                       [](const ConditionRow& r) { return r.group == GroupId::spiritStar; });
}

// Checks the control every few thousand spans; false when the search is to end.
class ControlCheck {
public:
    explicit ControlCheck(SearchControl* control, CivilSeconds from)
        : m_control(control), m_from(from) {}
    [[nodiscard]] bool keepGoing(CivilSeconds at) {
        if (!m_control || ++m_count % kSpansBetweenChecks != 0)
            return true;
        m_control->secondsDone.store(at - m_from, std::memory_order_relaxed);
        return !m_control->cancel.load(std::memory_order_relaxed);
    }

private:
    SearchControl* m_control;
    CivilSeconds m_from;
    std::int64_t m_count = 0;
};

} // namespace

SearchEnd searchSpans(const Conditions& conditions, const SearchRange& range,
                      const SpanVisitor& onMatch, SearchControl* control) {
    if (conditions.conditionCount == 0 || range.from >= range.to)
        return SearchEnd::finished;
    const LibraryFacts& library = libraryFacts();
    const bool stars = needsStars(conditions);
    const HourPillarPlaces hours(library);
    SpanWalker walker(range.from, range.to, range.windows, range.basis);
    ControlCheck check(control, range.from);
    // The facts of the year, month and day pillars, formed again only when one changes.
    PillarIndices baseOf{};
    ChartFacts base;
    ChartFacts facts; // the base and the span's hour pillar
    Span span;
    while (walker.next(span)) {
        if (!check.keepGoing(span.start))
            return SearchEnd::cancelled;
        if (!walker.allowed(span))
            continue;
        const PillarIndices& p = span.pillars;
        if (p.year != baseOf.year || p.month != baseOf.month || p.day != baseOf.day) {
            baseOf = PillarIndices{p.year, p.month, p.day, 0};
            base = chartFactsBeforeHour(baseOf, library);
            facts = base;
        }
        placeHourPillar(facts, base, p.hour, library, hours, stars);
        if (satisfiesAll(conditions, facts) && !onMatch(span))
            return SearchEnd::stopped;
    }
    return SearchEnd::finished;
}

SearchEnd forEachAllowedSpan(const SearchRange& range, const SpanVisitor& visit,
                             SearchControl* control) {
    if (range.from >= range.to)
        return SearchEnd::finished;
    SpanWalker walker(range.from, range.to, range.windows, range.basis);
    ControlCheck check(control, range.from);
    Span span;
    while (walker.next(span)) {
        if (!check.keepGoing(span.start))
            return SearchEnd::cancelled;
        if (walker.allowed(span) && !visit(span))
            return SearchEnd::stopped;
    }
    return SearchEnd::finished;
}

} // namespace bazi

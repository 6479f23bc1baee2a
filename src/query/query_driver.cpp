#include "query/query_driver.h"

#include "chart/chart_facts.h"
#include "chart/library_facts.h"

#include <stdexcept>

namespace bazi {

std::vector<CivilDateTime> queryMoments(CivilDate date) {
    const CivilDateTime base{date, 22, 0, 0};
    std::vector<CivilDateTime> moments;
    moments.reserve(36);
    for (int slot = 1; slot <= 36; ++slot)
        moments.push_back(addHours(base, 2 - 2 * slot));
    return moments;
}

std::optional<QueryMatch> calendarChartOf(CivilDateTime moment) {
    return QueryMatch{moment, pillarIndices(moment), toLunar(moment.date).value_or(LunarDate{})};
}

QueryResult runQuery(const FormState& form) {
    return runQuery(form, &calendarChartOf);
}

QueryResult runQuery(const FormState& form, const WindowChartSource& chartOf) {
    if (!isQueryDateInRange(form.date))
        throw std::out_of_range("reference date outside kFirstQueryDate .. kLastQueryDate");
    QueryResult result;
    const Conditions conditions = captureConditions(form);
    result.conditionCount = conditions.conditionCount;
    if (conditions.conditionCount > 0) {
        const LibraryFacts& library = libraryFacts();
        for (const CivilDateTime moment : queryMoments(form.date)) {
            const std::optional<QueryMatch> chart = chartOf(moment);
            if (chart && satisfiesAll(conditions, chartFactsOf(chart->pillars, library)))
                result.matches.push_back(*chart);
        }
    }
    result.outcome = outcomeOf(result.conditionCount, result.matchCount());
    return result;
}

} // namespace bazi

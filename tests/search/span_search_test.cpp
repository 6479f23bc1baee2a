// The range search against the form's own query: wherever both look, an
// even-hour moment of the query's window lies in a listed span exactly when the
// query lists it. And a search judges a span exactly as the query judges a moment.
#include "search/span_search.h"

#include "query/query_driver.h"

#include "row_builder.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace bazi {
namespace {

using rowtest::RowText;

std::vector<Span> matchesOf(const FormState& form, const SearchRange& range) {
    std::vector<Span> spans;
    searchSpans(captureConditions(form), range, [&](const Span& s) {
        spans.push_back(s);
        return true;
    });
    return spans;
}

// A random form of one to three set rows of any group.
FormState randomForm(std::mt19937& rng, CivilDate date) {
    FormState form(date);
    std::uniform_int_distribution<int> rowsOf(1, 3);
    const int n = rowsOf(rng);
    for (int k = 0; k < n; ++k) {
        const auto groups = groupSpecs();
        const GroupSpec& g =
            groups[std::uniform_int_distribution<std::size_t>(0, groups.size() - 1)(rng)];
        const int row = std::uniform_int_distribution<int>(1, g.rowCount)(rng);
        const RowNames& names = rowNames(g.id, row);
        const auto pick = [&](ItemList list, int first) {
            return std::uniform_int_distribution<int>(
                first, static_cast<int>(itemsOf(list).size()) - 1)(rng);
        };
        form.select(names.value, pick(g.valueList, 1));
        form.select(names.position, pick(g.positionList, 0));
        form.select(names.count, pick(g.countList, 0));
        if (!names.checkBox.empty())
            form.setChecked(names.checkBox, rng() % 2 == 0);
        if (!names.radioBox.empty())
            form.setChecked(names.radios[rng() % 5], true);
    }
    form.setChecked(kSwapCheckBox, rng() % 4 == 0);
    form.setChecked(kFemaleCheckBox, rng() % 2 == 0);
    return form;
}

TEST(SpanSearch, AgreesWithTheQueryWhereverBothLook) {
    std::mt19937 rng(20161216);
    int listed = 0;
    for (int k = 0; k < 400; ++k) {
        const CivilDate date = dateFromDayNumber(std::uniform_int_distribution<std::int64_t>(
            dayNumber(1800, 1, 3), dayNumber(2200, 12, 31))(rng));
        const FormState form = randomForm(rng, date);
        SCOPED_TRACE(::testing::Message() << "form " << k << " date " << date.year << "-"
                                          << date.month << "-" << date.day);
        const QueryResult query = runQuery(form);
        const CivilSeconds windowStart = civilSecondsOf(queryMoments(date).back());
        const SearchRange range{windowStart, windowStart + 3 * kSecondsPerDay, HourWindows{}};
        const auto spans = matchesOf(form, range);
        for (const CivilDateTime moment : queryMoments(date)) {
            const CivilSeconds t = civilSecondsOf(moment);
            const auto inSpans = std::count_if(spans.begin(), spans.end(), [t](const Span& s) {
                return s.start <= t && t < s.end;
            });
            const bool inQuery =
                std::any_of(query.matches.begin(), query.matches.end(),
                            [&](const QueryMatch& m) { return m.moment == moment; });
            ASSERT_EQ(inSpans, inQuery ? 1 : 0) << moment.hour;
            listed += inQuery ? 1 : 0;
        }
    }
    EXPECT_GT(listed, 500);
}

TEST(SpanSearch, TheSpanBeforeATermSecondIsFoundToo) {
    // The form's query looks at 2016-02-04 18:00 only; the search also lists
    // 17:00-17:45:53, whose chart (乙未 己丑) the query never shows.
    FormState form({2016, 2, 5});
    rowtest::setRow(form, GroupId::stem, 1, {"乙", "年干", "非0"});
    const SearchRange range{civilSecondsOf({{2016, 2, 4}, 0, 0, 0}),
                            civilSecondsOf({{2016, 2, 5}, 0, 0, 0}), HourWindows{}};
    const auto spans = matchesOf(form, range);
    ASSERT_FALSE(spans.empty());
    EXPECT_EQ(spans.back().endTime(), (CivilDateTime{{2016, 2, 4}, 17, 45, 53}));
    EXPECT_EQ(spans.back().endCut, CutReason::solarTerm);
}

TEST(SpanSearch, StopsWhenTheVisitorSaysSoOrWhenCancelled) {
    FormState form;
    rowtest::setRow(form, GroupId::branch, 1, {"不指定", "不固定", ">=0"}); // every chart
    const Conditions conditions = captureConditions(form);
    const SearchRange year{civilSecondsOf({{2016, 1, 1}, 0, 0, 0}),
                           civilSecondsOf({{2017, 1, 1}, 0, 0, 0}), HourWindows{}};
    int seen = 0;
    EXPECT_EQ(searchSpans(conditions, year, [&](const Span&) { return ++seen < 5; }),
              SearchEnd::stopped);
    EXPECT_EQ(seen, 5);
    SearchControl control;
    control.cancel = true;
    seen = 0;
    EXPECT_EQ(searchSpans(
                  conditions, year, [&](const Span&) { return ++seen > 0; }, &control),
              SearchEnd::cancelled);
    EXPECT_LT(seen, 4096 + 1);
    // No set row: nothing matches.
    EXPECT_EQ(searchSpans(captureConditions(FormState{}), year, [](const Span&) { return true; }),
              SearchEnd::finished);
}

} // namespace
} // namespace bazi

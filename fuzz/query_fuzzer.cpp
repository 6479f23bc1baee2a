// A whole query from an arbitrary form-state text, with the real chart
// primitives library beside the executable: a state that reads runs to the
// end, and its result is a consistent listing of the window.
#include "fuzz_check.h"

#include "form/form_state_json.h"
#include "form/text_input.h"
#include "query/query_driver.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using bazi::fuzz::require;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    bazi::FormState form;
    try {
        bazi::checkTextInput(text, bazi::kMaxFormStateBytes, "fuzz input");
        form = bazi::formStateFromJson(text, false);
    } catch (const bazi::TextInputError&) {
        return 0;
    } catch (const bazi::FormStateError&) {
        return 0;
    }
    if (form.date == bazi::CivilDate{})
        form.date = bazi::CivilDate{2016, 3, 16};
    if (!bazi::isQueryDateInRange(form.date))
        return 0;
    const bazi::QueryResult result = bazi::runQuery(form);
    require(result.matchCount() == static_cast<int>(result.matches.size()), "one row per match");
    require(result.matches.size() <= 36, "at most the 36 moments of the window");
    const auto moments = bazi::queryMoments(form.date);
    std::size_t next = 0;
    for (const bazi::QueryMatch& match : result.matches) {
        while (next < moments.size() && moments[next] != match.moment)
            ++next;
        require(next < moments.size(), "matches are moments of the window, newest first");
        require(match.pillars == bazi::pillarIndices(match.moment), "a match's own pillars");
        ++next;
    }
    require(result.conditionCount > 0 || result.matches.empty(), "no condition, no match");
    require((result.outcome == bazi::QueryOutcome::matches) == !result.matches.empty(),
            "the outcome follows the matches");
    return 0;
}

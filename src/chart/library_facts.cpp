#include "chart/library_facts.h"

#include "chart/chart_tables.h"
#include "chartlib/chart_primitives.h"
#include "hidden_stem_text.h"

#include <string>

namespace bazi {
namespace {

// The text of character index c (stems 0..9, branches 10..21).
std::string_view characterText(int c) {
    return c < 10 ? stemText(Stem(c)) : branchText(Branch(c - 10));
}

// The hidden stems of a branch as the library gives them; all none when the text
// is not one to three stems.
std::array<Stem, 3> hiddenStemsOf(Branch branch) {
    const std::string text = chartlib::hiddenStemsOf(branchText(branch));
    const auto characters = detail::hiddenStemCharacters(text);
    std::array<Stem, 3> stems{};
    if (!characters)
        return stems;
    for (std::size_t j = 0; j < 3; ++j) {
        if ((*characters)[j].empty())
            break;
        stems[j] = stemOfText((*characters)[j]);
        if (!stems[j].ok())
            return {}; // not a stem: the library broke its contract
    }
    return stems;
}

} // namespace

LibraryFacts askLibraryFacts() {
    chartlib::requireEveryExport();
    LibraryFacts facts;
    for (int c = 0; c < 22; ++c)
        facts.element[static_cast<std::size_t>(c)] =
            elementOfText(chartlib::elementOf(characterText(c)));
    for (int b = 0; b < 12; ++b)
        facts.hiddenStems[static_cast<std::size_t>(b)] = hiddenStemsOf(Branch(b));
    for (int swap = 0; swap < 2; ++swap) {
        const int flag = swapFlagOf(swap == 1);
        for (int day = 0; day < 10; ++day)
            for (int c = 0; c < 22; ++c)
                facts.tenGod[static_cast<std::size_t>(swap)][static_cast<std::size_t>(day)]
                            [static_cast<std::size_t>(c)] =
                    tenGodOfText(chartlib::tenGodOf(stemText(Stem(day)), characterText(c), flag));
    }
    return facts;
}

const LibraryFacts& libraryFacts() {
    // Initialised once; an exception leaves it uninitialised for the next call.
    static const LibraryFacts facts = askLibraryFacts();
    return facts;
}

} // namespace bazi

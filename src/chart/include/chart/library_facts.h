#pragma once
// The traditional facts the chart primitives library answers, asked once per
// distinct input and kept as typed values: the element of each stem and branch,
// the stems hidden in each branch, and the ten-god of every stem and branch seen
// from every day stem, with and without the box "亥子巳午阴阳置换".
//
// The library stays the source: nothing here is a table of our own. An answer
// that is not one of the values it should be (a broken library) is kept as
// "none", and a branch whose hidden stems are not one to three stems gets none.

#include "calendar/sexagenary.h"
#include "chart/element.h"
#include "chart/ten_god.h"

#include <array>

namespace bazi {

/// Character index of the library's answers: stems 0..9, then branches 10..21.
[[nodiscard]] constexpr int characterIndex(Stem s) {
    return s.index;
}
[[nodiscard]] constexpr int characterIndex(Branch b) {
    return b.ok() ? 10 + b.index : -1;
}

struct LibraryFacts {
    std::array<Element, 22> element{};                 // by character index
    std::array<std::array<Stem, 3>, 12> hiddenStems{}; // by branch, main qi first
    std::array<std::array<std::array<TenGod, 22>, 10>, 2>
        tenGod{}; // [swap ticked][day stem][character]

    [[nodiscard]] constexpr Element elementOf(Stem s) const {
        return s.ok() ? element[static_cast<std::size_t>(characterIndex(s))] : Element{};
    }
    [[nodiscard]] constexpr Element elementOf(Branch b) const {
        return b.ok() ? element[static_cast<std::size_t>(characterIndex(b))] : Element{};
    }
    [[nodiscard]] constexpr TenGod tenGodOf(Stem day, int character, bool swapTicked) const {
        if (!day.ok() || character < 0 || character >= 22)
            return {};
        return tenGod[swapTicked ? 1 : 0][static_cast<std::size_t>(day.index)]
                     [static_cast<std::size_t>(character)];
    }
};

/// The library's answers, asked at the first call and kept (thread-safe). Every
/// export of the library is looked up first, in the library's own order, so a
/// missing library or export is reported before anything is asked. Throws
/// chartlib::MissingFunctionError; a later call tries again.
[[nodiscard]] const LibraryFacts& libraryFacts();

/// The facts as the library answers them now (not kept): for tests and tools.
[[nodiscard]] LibraryFacts askLibraryFacts();

} // namespace bazi

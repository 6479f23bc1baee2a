// The chart primitives library: lookups in the traditional tables of
// tables.h and simple counts, exported with C linkage under Chinese names.
#include "pelta/pelta.h"

#include "tables.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <string_view>

namespace {

using pelta::BranchRow;
using pelta::StemRow;

// The length of a zero-terminated text that is usually a few bytes long: a
// bounded loop measures those faster than a call to strlen, which takes over
// for longer texts.
[[nodiscard]] std::size_t shortTextLength(const char* text) {
    constexpr std::size_t kShort = 64;
    for (std::size_t length = 0; length < kShort; ++length) {
        if (text[length] == '\0') {
            return length;
        }
    }
    return kShort + std::strlen(text + kShort);
}

// A null argument reads as the empty text.
[[nodiscard]] std::string_view textOf(const char* text) {
    if (text == nullptr) {
        return {};
    }
    const std::size_t length = shortTextLength(text);
    return {text, length};
}

// Every name of the tables is a string literal, so its data() is zero-terminated.
[[nodiscard]] const char* exported(std::string_view tableName) {
    return tableName.data();
}

// Every stem and branch is one three-byte UTF-8 character.
constexpr std::size_t kCharacterBytes = 3;
static_assert(std::ranges::all_of(pelta::kStems, [](const StemRow& row) {
    return row.name.size() == kCharacterBytes;
}));
static_assert(std::ranges::all_of(pelta::kBranches, [](const BranchRow& row) {
    return row.name.size() == kCharacterBytes;
}));

[[nodiscard]] const StemRow* findStem(std::string_view name) {
    if (name.size() != kCharacterBytes) {
        return nullptr;
    }
    for (const StemRow& row : pelta::kStems) {
        if (row.name == name) {
            return &row;
        }
    }
    return nullptr;
}

[[nodiscard]] const BranchRow* findBranch(std::string_view name) {
    if (name.size() != kCharacterBytes) {
        return nullptr;
    }
    for (const BranchRow& row : pelta::kBranches) {
        if (row.name == name) {
            return &row;
        }
    }
    return nullptr;
}

// Bytes in the UTF-8 character that starts with `lead`; a stray continuation
// byte or an invalid lead byte counts as a character of its own.
[[nodiscard]] constexpr std::size_t utf8Length(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        return 3;
    }
    if ((lead & 0xF8) == 0xF0) {
        return 4;
    }
    return 1;
}

// The byte offset of the character after the one at `pos`, clamped to the text.
[[nodiscard]] std::size_t nextCharacter(std::string_view text, std::size_t pos) {
    const std::size_t next = pos + utf8Length(static_cast<unsigned char>(text[pos]));
    return next < text.size() ? next : text.size();
}

[[nodiscard]] int32_t countEqual(std::initializer_list<const char*> names, const char* sought) {
    const std::string_view target = textOf(sought);
    if (target.empty()) {
        return 0;
    }
    int32_t count = 0;
    for (const char* name : names) {
        if (textOf(name) == target) {
            ++count;
        }
    }
    return count;
}

} // namespace

extern "C" {

PELTA_API const char* 取干支五行(const char* character) {
    const std::string_view name = textOf(character);
    if (const StemRow* stem = findStem(name)) {
        return exported(pelta::kElementNames[static_cast<std::size_t>(stem->element)]);
    }
    if (const BranchRow* branch = findBranch(name)) {
        return exported(pelta::kElementNames[static_cast<std::size_t>(branch->element)]);
    }
    return "";
}

PELTA_API int32_t 取干支序数(const char* character) {
    const std::string_view name = textOf(character);
    if (const StemRow* stem = findStem(name)) {
        return static_cast<int32_t>(stem - pelta::kStems.data()) + 1; // [1, 10]
    }
    if (const BranchRow* branch = findBranch(name)) {
        return static_cast<int32_t>(branch - pelta::kBranches.data()) + 1; // [1, 12]
    }
    return 0;
}

PELTA_API const char* 取十神关系(const char* dayStem, const char* character, int32_t swapFlag) {
    const StemRow* day = findStem(textOf(dayStem));
    if (day == nullptr) {
        return "";
    }
    const std::string_view name = textOf(character);
    int element = 0;
    bool yang = false;
    if (const StemRow* stem = findStem(name)) {
        element = stem->element;
        yang = stem->yang;
    } else if (const BranchRow* branch = findBranch(name)) {
        element = branch->element;
        yang = swapFlag == 0 ? branch->yangSwapped : branch->yang;
    } else {
        return "";
    }
    const int step = (element - day->element + 5) % 5; // [0, 4]
    const std::size_t polarity = yang == day->yang ? 0 : 1;
    return exported(pelta::kTenGods[static_cast<std::size_t>(step)][polarity]);
}

PELTA_API const char* 取地支藏干(const char* branch) {
    if (const BranchRow* row = findBranch(textOf(branch))) {
        return exported(row->hidden);
    }
    return "";
}

PELTA_API int32_t 取天干五行数量(const char* e1, const char* e2, const char* e3, const char* e4,
                                 const char* sought) {
    return countEqual({e1, e2, e3, e4}, sought);
}

PELTA_API int32_t 取地支五行数量(const char* e1, const char* e2, const char* e3, const char* e4,
                                 const char* sought) {
    return countEqual({e1, e2, e3, e4}, sought);
}

PELTA_API int32_t 取藏干五行数量(const char* e1, const char* e2, const char* e3, const char* e4,
                                 const char* e5, const char* e6, const char* e7, const char* e8,
                                 const char* e9, const char* e10, const char* e11, const char* e12,
                                 const char* sought) {
    return countEqual({e1, e2, e3, e4, e5, e6, e7, e8, e9, e10, e11, e12}, sought);
}

PELTA_API int32_t 取天干十神数量(const char* t1, const char* t2, const char* t3,
                                 const char* sought) {
    return countEqual({t1, t2, t3}, sought);
}

PELTA_API int32_t 取地支十神数量(const char* t1, const char* t2, const char* t3, const char* t4,
                                 const char* sought) {
    return countEqual({t1, t2, t3, t4}, sought);
}

PELTA_API int32_t 取藏干十神数量(const char* t1, const char* t2, const char* t3, const char* t4,
                                 const char* t5, const char* t6, const char* t7, const char* t8,
                                 const char* t9, const char* t10, const char* t11, const char* t12,
                                 const char* sought) {
    return countEqual({t1, t2, t3, t4, t5, t6, t7, t8, t9, t10, t11, t12}, sought);
}

PELTA_API int32_t 取干支数量(const char* joined, const char* sought) {
    const std::string_view text = textOf(joined);
    const std::string_view target = textOf(sought);
    if (target.empty()) {
        return 0;
    }
    int32_t count = 0;
    std::size_t pos = 0; // always on a character boundary of `text`
    while (pos < text.size()) {
        if (text.substr(pos).starts_with(target)) {
            // The match must also end on a character boundary of `text`.
            std::size_t end = pos;
            while (end < pos + target.size()) {
                end = nextCharacter(text, end);
            }
            if (end == pos + target.size()) {
                ++count;
                pos = end; // occurrences do not overlap
                continue;
            }
        }
        pos = nextCharacter(text, pos);
    }
    return count;
}

} // extern "C"

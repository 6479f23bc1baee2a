// A chart primitives library that breaks its contract: null texts, hidden stems
// of the wrong length or not well-formed UTF-8, counts out of range. Built as
// libpelta.so into a folder of its own, beside chartlib_fake_library_test only.
#include "pelta/pelta.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Every count answers after the sought name: "木" a huge count, "火" a negative
// one, "土" five, a decimal number itself, anything else 0; and 1 for the empty
// name when the first name is "空".
int32_t countFor(const char* first, const char* sought) {
    if (*sought == '\0') {
        return std::strcmp(first, "空") == 0 ? 1 : 0;
    }
    if (std::strcmp(sought, "木") == 0) {
        return INT32_MAX;
    }
    if (std::strcmp(sought, "火") == 0) {
        return -1;
    }
    if (std::strcmp(sought, "土") == 0) {
        return 5;
    }
    return static_cast<int32_t>(std::strtol(sought, nullptr, 10));
}

// 65 bytes with no zero byte among them: one past the longest answer read.
const std::string kLongAnswer(65, 'x');

} // namespace

extern "C" {

PELTA_API const char* 取干支五行(const char* character) {
    if (std::strcmp(character, "午") == 0) {
        return "\xE9\x87"; // the first two bytes of 金
    }
    if (std::strcmp(character, "未") == 0) {
        return kLongAnswer.c_str();
    }
    return nullptr;
}

PELTA_API int32_t 取干支序数(const char*) {
    return 42;
}

PELTA_API const char* 取十神关系(const char*, const char*, int32_t) {
    return nullptr;
}

PELTA_API const char* 取地支藏干(const char* branch) {
    if (std::strcmp(branch, "子") == 0) {
        return "甲乙丙丁"; // four stems
    }
    if (std::strcmp(branch, "丑") == 0) {
        return ""; // none
    }
    if (std::strcmp(branch, "寅") == 0) {
        return "甲 "; // a stem and a space
    }
    if (std::strcmp(branch, "辰") == 0) {
        return nullptr;
    }
    if (std::strcmp(branch, "午") == 0) {
        return "甲\xE4\xB9"; // 甲 and the first two bytes of 乙
    }
    if (std::strcmp(branch, "未") == 0) {
        return "甲\xED\xA0\x80"; // 甲 and a surrogate, three bytes like a stem
    }
    if (std::strcmp(branch, "申") == 0) {
        return "\xC0\xB0"; // an overlong "0"
    }
    return "壬";
}

PELTA_API int32_t 取天干五行数量(const char* first, const char*, const char*, const char*,
                                 const char* sought) {
    return countFor(first, sought);
}
PELTA_API int32_t 取地支五行数量(const char* first, const char*, const char*, const char*,
                                 const char* sought) {
    return countFor(first, sought);
}
PELTA_API int32_t 取藏干五行数量(const char* first, const char*, const char*, const char*,
                                 const char*, const char*, const char*, const char*, const char*,
                                 const char*, const char*, const char*, const char* sought) {
    return countFor(first, sought);
}
PELTA_API int32_t 取干支数量(const char* joined, const char* sought) {
    return countFor(joined, sought);
}
PELTA_API int32_t 取天干十神数量(const char* first, const char*, const char*, const char* sought) {
    return countFor(first, sought);
}
PELTA_API int32_t 取地支十神数量(const char* first, const char*, const char*, const char*,
                                 const char* sought) {
    return countFor(first, sought);
}
PELTA_API int32_t 取藏干十神数量(const char* first, const char*, const char*, const char*,
                                 const char*, const char*, const char*, const char*, const char*,
                                 const char*, const char*, const char*, const char* sought) {
    return countFor(first, sought);
}

} // extern "C"

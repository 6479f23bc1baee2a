// A chart primitives library that breaks its contract: null texts, hidden stems
// of the wrong length. Built as libpelta.so into a folder of its own, beside
// chartlib_fake_library_test only.
#include "pelta/pelta.h"

#include <cstring>

extern "C" {

PELTA_API const char* 取干支五行(const char*) {
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
    return "壬";
}

PELTA_API int32_t 取天干五行数量(const char*, const char*, const char*, const char*, const char*) {
    return 0;
}
PELTA_API int32_t 取地支五行数量(const char*, const char*, const char*, const char*, const char*) {
    return 0;
}
PELTA_API int32_t 取藏干五行数量(const char*, const char*, const char*, const char*, const char*,
                                 const char*, const char*, const char*, const char*, const char*,
                                 const char*, const char*, const char*) {
    return 0;
}
PELTA_API int32_t 取干支数量(const char*, const char*) {
    return 0;
}
PELTA_API int32_t 取天干十神数量(const char*, const char*, const char*, const char*) {
    return 0;
}
PELTA_API int32_t 取地支十神数量(const char*, const char*, const char*, const char*, const char*) {
    return 0;
}
PELTA_API int32_t 取藏干十神数量(const char*, const char*, const char*, const char*, const char*,
                                 const char*, const char*, const char*, const char*, const char*,
                                 const char*, const char*, const char*) {
    return 0;
}

} // extern "C"

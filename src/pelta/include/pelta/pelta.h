#pragma once
/*
 * The chart primitives library (libpelta.so, pelta.dll, libpelta.dylib): the
 * traditional tables of four-pillar astrology and simple counts over them.
 *
 * Conventions shared by every function:
 *  - Texts are zero-terminated UTF-8. A null pointer argument reads as "".
 *  - Returned texts are owned by the library (static storage): never free them.
 *    No function ever returns a null pointer.
 *  - A stem, branch or element is one character; a ten-god name is two.
 *  - The empty text, and any text that is not a stem or branch, has no element,
 *    no ordinal (0), no hidden stems and no ten-god relation ("").
 *
 * The functions are exported with C linkage under their Chinese names; the
 * binding (src/chartlib) looks them up by these names and calls them through the
 * pointer types below.
 */

#include <stdint.h>

#if defined(_WIN32)
#if defined(PELTA_BUILDING_LIBRARY)
#define PELTA_API __declspec(dllexport)
#else
#define PELTA_API __declspec(dllimport)
#endif
#else
#define PELTA_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The element of a stem or branch: 木 火 土 金 水, or "" for anything else. */
PELTA_API const char* 取干支五行(const char* character);

/* Stems 1..10 (甲..癸), branches 1..12 (子..亥), anything else 0. */
PELTA_API int32_t 取干支序数(const char* character);

/* The ten-god name of `character` (a stem or branch) seen from `dayStem`, or ""
 * when dayStem is not a stem or character is neither stem nor branch.
 * swapFlag 0 swaps the polarity of 亥 子 巳 午; any other value keeps it. */
PELTA_API const char* 取十神关系(const char* dayStem, const char* character, int32_t swapFlag);

/* The stems hidden in a branch, one to three joined (main qi first), or "". */
PELTA_API const char* 取地支藏干(const char* branch);

/* How many of the given names equal `sought`; an empty `sought` counts 0. */
PELTA_API int32_t 取天干五行数量(const char* e1, const char* e2, const char* e3, const char* e4,
                                 const char* sought);
PELTA_API int32_t 取地支五行数量(const char* e1, const char* e2, const char* e3, const char* e4,
                                 const char* sought);
PELTA_API int32_t 取藏干五行数量(const char* e1, const char* e2, const char* e3, const char* e4,
                                 const char* e5, const char* e6, const char* e7, const char* e8,
                                 const char* e9, const char* e10, const char* e11, const char* e12,
                                 const char* sought);
PELTA_API int32_t 取天干十神数量(const char* t1, const char* t2, const char* t3,
                                 const char* sought);
PELTA_API int32_t 取地支十神数量(const char* t1, const char* t2, const char* t3, const char* t4,
                                 const char* sought);
PELTA_API int32_t 取藏干十神数量(const char* t1, const char* t2, const char* t3, const char* t4,
                                 const char* t5, const char* t6, const char* t7, const char* t8,
                                 const char* t9, const char* t10, const char* t11, const char* t12,
                                 const char* sought);

/* How often `sought` stands in `joined`, counting non-overlapping occurrences
 * that start and end on character boundaries, scanning from the left. An empty
 * `sought` counts 0. No ten-god name can match across the seam of two joined
 * ten-god names (no second character of a name is the first of another), so on
 * joined names this counts whole names. */
PELTA_API int32_t 取干支数量(const char* joined, const char* sought);

#ifdef __cplusplus
} /* extern "C" */
#endif

/* The pointer types through which the binding calls the library. */
typedef const char* (*PeltaTextOfTextFn)(const char*); /* 取干支五行, 取地支藏干 */
typedef int32_t (*PeltaOrdinalFn)(const char*);        /* 取干支序数 */
typedef const char* (*PeltaTenGodFn)(const char*, const char*, int32_t); /* 取十神关系 */
typedef int32_t (*PeltaCount3Fn)(const char*, const char*, const char*,
                                 const char*); /* 取天干十神数量 */
typedef int32_t (*PeltaCount4Fn)(const char*, const char*, const char*, const char*,
                                 const char*); /* 取天干五行数量, 取地支五行数量, 取地支十神数量 */
typedef int32_t (*PeltaCount12Fn)(const char*, const char*, const char*, const char*, const char*,
                                  const char*, const char*, const char*, const char*, const char*,
                                  const char*, const char*,
                                  const char*); /* 取藏干五行数量, 取藏干十神数量 */
typedef int32_t (*PeltaCountJoinedFn)(const char*, const char*); /* 取干支数量 */

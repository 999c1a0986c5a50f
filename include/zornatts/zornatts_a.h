/*
 * zornatts_a: the unit-naming library's public C interface.
 *
 * Given a phonetic text (code page 1251) and a 1-based position, writes the
 * phonemes chain: " name=N/name=N/.../  " -- the candidate unit names, longest
 * and most specific first, each with the number of characters it covers.
 * Returns -1 (no character at this position), -2 (nothing to voice here) or
 * the length of the answer; the answer is copied only when it fits, with its
 * terminating zero, into OutCapacity bytes. Keeps no state; thread-safe.
 */
#ifndef ZORNATTS_ZORNATTS_A_H
#define ZORNATTS_ZORNATTS_A_H

#include <stdint.h>

#include "zornatts/callconv.h"

#ifdef ZORNATTS_BUILDING_NAMING
#  define ZORNA_NAMING_API ZORNA_EXPORT
#else
#  define ZORNA_NAMING_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

ZORNA_NAMING_API int32_t ZORNA_CALL Zorna_GetPhonemesChain(const char *Text, int32_t Position,
                                                           int32_t IsUkrainian, char *Out,
                                                           int32_t OutCapacity);

#ifdef __cplusplus
}
#endif

#endif

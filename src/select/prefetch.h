// Asks the processor to start loading memory that is about to be read.
#pragma once

#if defined(_M_X64) || defined(__x86_64__)
#include <xmmintrin.h>
#endif

namespace pickwell {

inline void prefetch(const void* address) {
#if defined(_M_X64) || defined(__x86_64__)
    _mm_prefetch(static_cast<const char*>(address), _MM_HINT_T0);
#else
    (void)address;
#endif
}

}  // namespace pickwell

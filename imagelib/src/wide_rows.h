#pragma once

// Row loops compiled twice from the same source: for the baseline instruction set and,
// on x86, for AVX2, where the compiler turns byte moves into shuffles of whole
// vectors. The processor picks; integer moves only, so both give the same bytes.
#if defined(__x86_64__) || defined(__i386__)
#define ROWS_BODY [[gnu::always_inline]] inline
#define ROWS_WIDE_TARGET [[gnu::target("avx2")]]
inline bool wideRowsAvailable() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}
#else
#define ROWS_BODY inline
#define ROWS_WIDE_TARGET
inline bool wideRowsAvailable() { return false; }
#endif

// What the vectorised loops share (their files are built with GCC's dynamic
// cost model and without contraction into fused multiply-adds, so that each
// value is the one the plain sums give).
#ifndef CODES_VECTORISATION_H
#define CODES_VECTORISATION_H

#include <cstdint>
#include <cstring>

// On x86-64 a function so marked is also built for AVX2, twice as wide as
// the SSE2 every x86-64 has; the loader picks the one the processor runs.
// GCC only: clang 14 does not call such clones rightly from other files;
// and not under ThreadSanitizer, whose process dies choosing them at load.
#if defined(__x86_64__) && defined(__ELF__) && defined(__GNUC__) && !defined(__clang__) && \
    !defined(__SANITIZE_THREAD__)
#define VARIANTES_AVX2 __attribute__((target_clones("default", "avx2")))
#else
#define VARIANTES_AVX2
#endif

// c ? si : sinon for floats, in integer operations: GCC turns a plain
// conditional between two floats it must compute into a branch, which
// keeps a loop from vectorising; here both are computed and the bits of
// one kept, the very value the conditional would give.
inline float fChoix(bool c, float si, float sinon)
{
    uint32_t a, b;
    std::memcpy(&a, &si, sizeof a);
    std::memcpy(&b, &sinon, sizeof b);
    const uint32_t masque = 0u - (uint32_t)c;
    const uint32_t r = (a & masque) | (b & ~masque);
    float f;
    std::memcpy(&f, &r, sizeof f);
    return f;
}

#endif

// Four samples at once, as GCC vector types: SSE registers on x86, plain code elsewhere. The
// helpers take vectors by reference, so that no vector crosses a call on targets without SSE.
#pragma once

#include <cstdint>

#include "float_bits.h"

#if defined(__SSE__)
#include <xmmintrin.h>
#endif

namespace zu::simd {

using Floats = float __attribute__((vector_size(16)));
using Ints = std::int32_t __attribute__((vector_size(16)));
using Indices = std::uint32_t __attribute__((vector_size(16)));
inline constexpr int kLanes = 4;

// a = a < b ? a : b in each lane, so b where a is NaN.
inline void limitAbove(Floats& a, const Floats& b) {
#if defined(__SSE__)
    a = _mm_min_ps(a, b);
#else
    a = a < b ? a : b;
#endif
}

// a = b > a ? b : a in each lane, so a where b is NaN.
inline void raiseTo(Floats& a, const Floats& b) {
#if defined(__SSE__)
    a = _mm_max_ps(b, a);
#else
    a = b > a ? b : a;
#endif
}

// Each denormal lane becomes a zero of its sign, as zu::withoutDenormal does for one sample.
inline void flushDenormals(Floats& x) {
    const Ints bits = (Ints)x;
    x = (Floats)(bits & (((bits & kExponentBits) != 0) | kSignBit));
}

// Rows become columns.
inline void transpose(Floats (&rows)[kLanes]) {
    const Floats low01 = __builtin_shufflevector(rows[0], rows[1], 0, 4, 1, 5);
    const Floats high01 = __builtin_shufflevector(rows[0], rows[1], 2, 6, 3, 7);
    const Floats low23 = __builtin_shufflevector(rows[2], rows[3], 0, 4, 1, 5);
    const Floats high23 = __builtin_shufflevector(rows[2], rows[3], 2, 6, 3, 7);
    rows[0] = __builtin_shufflevector(low01, low23, 0, 1, 4, 5);
    rows[1] = __builtin_shufflevector(low01, low23, 2, 3, 6, 7);
    rows[2] = __builtin_shufflevector(high01, high23, 0, 1, 4, 5);
    rows[3] = __builtin_shufflevector(high01, high23, 2, 3, 6, 7);
}

// The largest lane of a vector that holds no NaN.
inline float largestOf(const Floats& v) {
    Floats m = v;
    raiseTo(m, __builtin_shufflevector(m, m, 2, 3, 0, 1));
    raiseTo(m, __builtin_shufflevector(m, m, 1, 0, 3, 2));
    return m[0];
}

} // namespace zu::simd

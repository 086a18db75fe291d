// Four samples at once, as GCC vector types: SSE registers on x86, plain code elsewhere. The
// helpers take vectors by reference, so that no vector crosses a call on targets without SSE.
#pragma once

#include <cstdint>

#if defined(__SSE__)
#include <xmmintrin.h>
#endif

namespace zu::simd {

using Floats = float __attribute__((vector_size(16)));
using Ints = std::int32_t __attribute__((vector_size(16)));
using Indices = std::uint32_t __attribute__((vector_size(16)));
inline constexpr int kLanes = 4;

inline constexpr std::int32_t kMagnitudeBits = 0x7fffffff;
inline constexpr std::int32_t kSignBit = INT32_MIN;
inline constexpr std::int32_t kLargestDenormalBits = 0x007fffff;

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

// The largest lane, or 0 when none is above 0; NaN lanes are passed over.
inline float largestOf(const Floats& v) {
    float m = 0.0f;
    for (int i = 0; i < kLanes; ++i)
        m = v[i] > m ? v[i] : m;
    return m;
}

} // namespace zu::simd

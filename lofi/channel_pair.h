// The values of both channels in one frame, worked on together: in one SSE2 register where the
// target has it, as two floats elsewhere. Both forms give the same results to the bit.
#pragma once

#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "quantiser.h"

class PortableChannelPair {
public:
    PortableChannelPair() : v{0.0f, 0.0f} {}
    PortableChannelPair(float a, float b) : v{a, b} {}

    float operator[](int channel) const { return v[channel]; }

    PortableChannelPair quantised(const Quantiser& q) const { return {q(v[0]), q(v[1])}; }

    // (1 - t) × from + t × to, each product and the sum rounded to single precision.
    static PortableChannelPair line(PortableChannelPair from, PortableChannelPair to, float t) {
        const float u = 1.0f - t;
        return {u * from.v[0] + t * to.v[0], u * from.v[1] + t * to.v[1]};
    }

    // Per channel, the larger of |y| and this; a NaN in y leaves this unchanged.
    PortableChannelPair withPeakOf(PortableChannelPair y) const {
        return {larger(std::fabs(y.v[0]), v[0]), larger(std::fabs(y.v[1]), v[1])};
    }
    float largest() const { return larger(v[0], v[1]); }

    void store(float* out0, float* out1) const {
        *out0 = v[0];
        *out1 = v[1];
    }
    void addTo(float* out0, float* out1) const {
        *out0 += v[0];
        *out1 += v[1];
    }

private:
    static float larger(float a, float b) { return a > b ? a : b; }

    float v[2];
};

#if defined(__SSE2__)
// Channel 0 in lane 0, channel 1 in lane 1; lanes 2 and 3 are never read.
class SseChannelPair {
public:
    SseChannelPair() : v(_mm_setzero_ps()) {}
    SseChannelPair(float a, float b) : v(_mm_setr_ps(a, b, 0.0f, 0.0f)) {}

    float operator[](int channel) const {
        return _mm_cvtss_f32(channel == 0 ? v : _mm_shuffle_ps(v, v, _MM_SHUFFLE(1, 1, 1, 1)));
    }

    // floor(x × scale) for both lanes: adding and taking away 1.5 × 2^52 rounds a double below
    // 2^51 to a whole number, one above it is corrected, and the sign of -0 is put back.
    // Larger products (inputs beyond about 6e10) take the single-lane path.
    SseChannelPair quantised(const Quantiser& q) const {
        const __m128d sign = _mm_set1_pd(-0.0);
        const __m128d p = _mm_mul_pd(_mm_cvtps_pd(v), _mm_set1_pd(q.scale()));
        const __m128d small = _mm_cmplt_pd(_mm_andnot_pd(sign, p), _mm_set1_pd(0x1p51));
        if (_mm_movemask_pd(small) != 3) [[unlikely]]
            return {q((*this)[0]), q((*this)[1])};
        const __m128d magic = _mm_set1_pd(0x1.8p52);
        __m128d r = _mm_sub_pd(_mm_add_pd(p, magic), magic);
        r = _mm_sub_pd(r, _mm_and_pd(_mm_cmplt_pd(p, r), _mm_set1_pd(1.0)));
        r = _mm_or_pd(r, _mm_and_pd(sign, p));
        return SseChannelPair(_mm_cvtpd_ps(_mm_mul_pd(r, _mm_set1_pd(q.step()))));
    }

    static SseChannelPair line(SseChannelPair from, SseChannelPair to, float t) {
        return SseChannelPair(_mm_add_ps(_mm_mul_ps(_mm_set1_ps(1.0f - t), from.v),
                                         _mm_mul_ps(_mm_set1_ps(t), to.v)));
    }

    // maxps gives its second operand when either is NaN.
    SseChannelPair withPeakOf(SseChannelPair y) const {
        const __m128 magnitude = _mm_andnot_ps(_mm_set1_ps(-0.0f), y.v);
        return SseChannelPair(_mm_max_ps(magnitude, v));
    }
    float largest() const {
        const float a = (*this)[0];
        const float b = (*this)[1];
        return a > b ? a : b;
    }

    void store(float* out0, float* out1) const {
        _mm_store_ss(out0, v);
        _mm_store_ss(out1, _mm_shuffle_ps(v, v, _MM_SHUFFLE(1, 1, 1, 1)));
    }
    void addTo(float* out0, float* out1) const {
        _mm_store_ss(out0, _mm_add_ss(_mm_load_ss(out0), v));
        _mm_store_ss(out1,
                     _mm_add_ss(_mm_load_ss(out1), _mm_shuffle_ps(v, v, _MM_SHUFFLE(1, 1, 1, 1))));
    }

private:
    explicit SseChannelPair(__m128 lanes) : v(lanes) {}

    __m128 v;
};

using ChannelPair = SseChannelPair;
#else
using ChannelPair = PortableChannelPair;
#endif

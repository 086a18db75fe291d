// The tremolo's LFO: seven wave shapes over one cycle of the phase p (-1 <= p <= 1), each giving
// a value within -1..1. The square and saw shapes round their jumps with parabolas `edge` wide.
#pragma once

#include <cstdint>

enum LfoShape : std::int32_t { kSine, kTri, kSquare, kSawUp, kSawDown, kExpUp, kExpDown };
constexpr std::int32_t kNumLfoShapes = 7;

// The branches are tested in order; the first that applies is taken.
[[gnu::always_inline]] inline float lfoShape(std::int32_t shape, float p, float edge) {
    const float e = edge;
    switch (shape) {
    case kSine: {
        if (p > 0.0f) {
            const float t = 2.0f * p - 1.0f;
            return t * t - 1.0f;
        }
        const float t = 2.0f * p + 1.0f;
        return 1.0f - t * t;
    }
    case kTri:
        if (p <= -0.5f) return 2.0f * (p + 1.0f);
        if (p < 0.5f) return 2.0f - 2.0f * (p + 1.0f);
        return 2.0f * (p + 1.0f) - 4.0f;
    case kSquare: {
        if (p <= e - 1.0f) {
            const float t = (p + 1.0f - e) / e;
            return 1.0f - t * t;
        }
        if (p <= -e) return 1.0f;
        if (p <= 0.0f) {
            const float t = (p + e) / e;
            return 1.0f - t * t;
        }
        if (p <= e) {
            const float t = (p - e) / e;
            return t * t - 1.0f;
        }
        if (p <= 1.0f - e) return -1.0f;
        const float t = (p - 1.0f + e) / e;
        return t * t - 1.0f;
    }
    case kSawUp:
    case kSawDown: {
        float m;
        if (p <= e - 1.0f) {
            const float t = (p + 1.0f - e) / e;
            m = t * t - 1.0f;
        } else if (p <= 1.0f - e) {
            m = p / (1.0f - e);
        } else {
            const float t = (1.0f - p - e) / e;
            m = 1.0f - t * t;
        }
        return shape == kSawUp ? m : -m;
    }
    case kExpUp:
        return 1.0f - 2.0f * p * p;
    default: // kExpDown
        return 2.0f * p * p - 1.0f;
    }
}

// The seven synthetic shapes, the fold-back distortion and the phase step of the synthesis.
// The phase runs over (-1, 1]; one cycle of a shape spans a phase range of 2. The shapes and
// the fold take a float or four floats side by side (four_floats.h).
#pragma once

#include <cmath>

namespace zu::tarvel {

enum Waveform { kSine, kTriangle, kSquare, kSawUp, kSawDown, kExpUp, kExpDown, kNumWaveforms };

template <int Shape, class T> inline T waveValue(T phase) {
    if constexpr (Shape == kSine) {
        // A positive parabolic hump over (-1, 0], a negative one over (0, 1].
        const T a = 2.0f * phase + 1.0f;
        const T b = 2.0f * phase - 1.0f;
        return phase <= 0.0f ? 1.0f - a * a : b * b - 1.0f;
    } else if constexpr (Shape == kTriangle) {
        const T t = 2.0f * (phase + 1.0f);
        return phase <= -0.5f ? t : phase < 0.5f ? 2.0f - t : t - 4.0f;
    } else if constexpr (Shape == kSquare) {
        // T{} ± 1: -1 or +1 of the phase's type, four of them for four phases.
        return phase > 0.0f ? T{} - 1.0f : T{} + 1.0f;
    } else if constexpr (Shape == kSawUp) {
        return phase;
    } else if constexpr (Shape == kSawDown) {
        return -phase;
    } else if constexpr (Shape == kExpUp) {
        return 1.0f - 2.0f * phase * phase;
    } else {
        static_assert(Shape == kExpDown);
        return 2.0f * phase * phase - 1.0f;
    }
}

// Gains the value by `gain` (1 + distortion) and folds what passes ±1 back once.
template <class T> inline T foldBack(T w, float gain) {
    const T g = w * gain;
    return w > 0.0f ? (g > 1.0f ? 1.0f - (g - 1.0f) : g) : (g < -1.0f ? -1.0f - (g + 1.0f) : g);
}

// Brings a phase above 1 back into (-1, 1]: one step of 2 for increments up to 2, as many as it
// takes for larger ones (half-waves shorter than half the transpose factor).
inline float wrapPhase(float phase) {
    phase = phase - 2.0f;
    if (phase > 1.0f) {
        // Exact: the phase and the even number subtracted are within a factor of two.
        const double cycles = std::ceil((static_cast<double>(phase) - 1.0) / 2.0);
        phase = static_cast<float>(static_cast<double>(phase) - 2.0 * cycles);
    }
    return phase;
}

// Where a synthesised half-wave starts: Saw Up starts a positive half-wave at 0 and a negative
// one at -1, every other shape the other way round.
inline float startPhase(int shape, bool positive) {
    const bool fromMinusOne = positive != (shape == kSawUp);
    return fromMinusOne ? -1.0f : 0.0f;
}

} // namespace zu::tarvel

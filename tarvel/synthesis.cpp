#include "synthesis.h"

#include <algorithm>

#include "four_floats.h"
#include "wave_shapes.h"

namespace zu::tarvel {

namespace {

// Positions handled per round: first their phases one after the other (each phase is the
// previous one plus the increment, rounded), then their shape values four at a time.
constexpr std::int32_t kRound = 64;
constexpr std::int32_t kShort = 8;

template <int Shape, bool Fold, class T> T shapeAt(T phase, float foldGain) {
    const T w = waveValue<Shape>(phase);
    if constexpr (Fold)
        return foldBack(w, foldGain);
    else
        return w;
}

template <int Shape, bool Fold, bool Pair>
void blend(float* ring, float* otherRing, std::int32_t ringSize, const Pass& pass, float otherWet,
           float dry, float foldGain) {
    const float wet = pass.wet;
    const float increment = pass.increment;
    float phase = pass.phase;
    std::int32_t pos = pass.start;
    std::int32_t count = pass.count;
    // Short half-waves (noise) one position at a time.
    if (count < kShort) {
        for (; count > 0; --count) {
            const float w = shapeAt<Shape, Fold>(phase, foldGain);
            ring[pos] = ring[pos] * dry + w * wet;
            if constexpr (Pair) otherRing[pos] = otherRing[pos] * dry + w * otherWet;
            if (++pos == ringSize) pos = 0;
            phase = phase + increment;
            if (phase > 1.0f) phase = wrapPhase(phase);
        }
        return;
    }
    float phases[kRound];
    while (count > 0) {
        const std::int32_t run = std::min({count, ringSize - pos, kRound});
        for (std::int32_t k = 0; k < run; ++k) {
            phases[k] = phase;
            phase = phase + increment;
            if (phase > 1.0f) phase = wrapPhase(phase);
        }
        float* p = ring + pos;
        float* q = otherRing + pos;
        std::int32_t k = 0;
        for (; k + 4 <= run; k += 4) {
            const Floats4 w = shapeAt<Shape, Fold>(load4(phases + k), foldGain);
            store4(p + k, load4(p + k) * dry + w * wet);
            if constexpr (Pair) store4(q + k, load4(q + k) * dry + w * otherWet);
        }
        for (; k < run; ++k) {
            const float w = shapeAt<Shape, Fold>(phases[k], foldGain);
            p[k] = p[k] * dry + w * wet;
            if constexpr (Pair) q[k] = q[k] * dry + w * otherWet;
        }
        count -= run;
        pos += run;
        if (pos == ringSize) pos = 0;
    }
}

template <int Shape, bool Fold>
void blendOne(float* ring, std::int32_t ringSize, const Pass& pass, float dry, float foldGain) {
    blend<Shape, Fold, false>(ring, ring, ringSize, pass, 0.0f, dry, foldGain);
}

template <int Shape, bool Fold> constexpr Synthesiser synthesiser() {
    return {blendOne<Shape, Fold>, blend<Shape, Fold, true>};
}

template <int Shape> constexpr Synthesiser synthesiser(bool fold) {
    if constexpr (Shape == kSquare) return synthesiser<Shape, false>();
    return fold ? synthesiser<Shape, true>() : synthesiser<Shape, false>();
}

} // namespace

Synthesiser synthesiserFor(int shape, bool fold) {
    switch (shape) {
    case kSine:
        return synthesiser<kSine>(fold);
    case kTriangle:
        return synthesiser<kTriangle>(fold);
    case kSquare:
        return synthesiser<kSquare>(fold);
    case kSawUp:
        return synthesiser<kSawUp>(fold);
    case kSawDown:
        return synthesiser<kSawDown>(fold);
    case kExpUp:
        return synthesiser<kExpUp>(fold);
    default:
        return synthesiser<kExpDown>(fold);
    }
}

} // namespace zu::tarvel

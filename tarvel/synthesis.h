// Writing synthetic half-waves into a delay ring.
#pragma once

#include <cstdint>

namespace zu::tarvel {

// One half-wave to synthesise: `count` ring positions from `start` (wrapping at the ring's
// end), the phase running from `phase` in steps of `increment`, the shape scaled by `wet`.
struct Pass {
    std::int32_t start;
    std::int32_t count;
    float phase;
    float increment;
    float wet;
};

// Blends a pass into a ring: ring value × dry + shape value × wet. `pair` does the same pass
// for two rings at once, each with its own wet gain.
struct Synthesiser {
    using Single = void (*)(float* ring, std::int32_t ringSize, const Pass& pass, float dry,
                            float foldGain);
    using Pair = void (*)(float* ring, float* otherRing, std::int32_t ringSize, const Pass& pass,
                          float otherWet, float dry, float foldGain);
    Single single;
    Pair pair;
};

// The synthesiser of a shape (0 to 6), with or without fold-back distortion; Square is never
// folded.
Synthesiser synthesiserFor(int shape, bool fold);

} // namespace zu::tarvel

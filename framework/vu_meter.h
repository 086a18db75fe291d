// The level the host's meter reads: the peak output since it last asked.
#pragma once

#include <cmath>

#include "relaxed.h"

namespace zu {

inline float peakOf(float peak, float a, float b) {
    const float m = std::fabs(a) > std::fabs(b) ? std::fabs(a) : std::fabs(b);
    return m > peak ? m : peak;
}

// Called once per processing block.
inline void feedVu(Relaxed<float>& vu, float blockPeak) {
    if (blockPeak > vu) vu = blockPeak;
}

inline float takeVu(Relaxed<float>& vu) {
    const float level = vu;
    vu = 0.0f;
    return level;
}

} // namespace zu

#include "floors.h"

namespace zu::bench {

namespace {
// 4 Hz at 44.1 kHz, as ZuTremolo's first program; the phase carries over between calls.
constexpr float kStep = 4.0f / 22050.0f;
float phase = -1.0f;
} // namespace

void phaseChain(float**, float**, VstInt32 frames) {
    float p = phase;
    for (VstInt32 i = 0; i < frames; ++i) {
        p = p + kStep;
        if (p > 1.0f) p = p - 2.0f;
    }
    phase = p;
}

} // namespace zu::bench

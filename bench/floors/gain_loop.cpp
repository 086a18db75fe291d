#include "floors.h"

namespace zu::bench {

void gainLoop(float** inputs, float** outputs, VstInt32 frames, float gain) {
    for (int c = 0; c < 2; ++c) {
        const float* in = inputs[c];
        float* out = outputs[c];
        for (VstInt32 i = 0; i < frames; ++i)
            out[i] = in[i] * gain;
    }
}

} // namespace zu::bench

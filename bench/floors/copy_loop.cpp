#include <cstring>

#include "floors.h"

namespace zu::bench {

void copyLoop(float** inputs, float** outputs, VstInt32 frames) {
    if (frames <= 0) return;
    for (int c = 0; c < 2; ++c)
        std::memcpy(outputs[c], inputs[c], static_cast<std::size_t>(frames) * sizeof(float));
}

} // namespace zu::bench

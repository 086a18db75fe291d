// The buffers of timed processing calls: each call takes the next block of a test signal,
// wrapping around at its end, and writes the same output buffers, as a host does.
#pragma once

#include <vector>

#include "aeffect.h"
#include "signals.h"

namespace zu::bench {

class Feed {
public:
    // Input channels take the signal's left and right channel in turn.
    Feed(Input input, VstInt32 block, int numInputs = 2, int numOutputs = 2);

    float** inputs() { return inputPointers.data(); }
    float** outputs() { return outputPointers.data(); }
    VstInt32 block() const { return frames; }
    void advance();

private:
    void point();

    host::StereoSignal signal;
    VstInt32 frames;
    std::size_t position = 0;
    std::vector<std::vector<float>> outputChannels;
    std::vector<float*> inputPointers;
    std::vector<float*> outputPointers;
};

} // namespace zu::bench

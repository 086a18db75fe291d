#include "feed.h"

#include <algorithm>

namespace zu::bench {

namespace {
// About 0.19 s at 44.1 kHz: long enough that noise does not repeat within a branch history.
constexpr std::size_t kSignalFrames = 8192;
} // namespace

Feed::Feed(Input input, VstInt32 block, int numInputs, int numOutputs)
    : signal(makeInput(input, std::max(kSignalFrames, static_cast<std::size_t>(block)))),
      frames(block), outputChannels(static_cast<std::size_t>(numOutputs),
                                    std::vector<float>(static_cast<std::size_t>(block))),
      inputPointers(static_cast<std::size_t>(numInputs)) {
    for (auto& channel : outputChannels)
        outputPointers.push_back(channel.data());
    point();
}

void Feed::advance() {
    position += static_cast<std::size_t>(frames);
    if (position + static_cast<std::size_t>(frames) > signal.frames()) position = 0;
    point();
}

void Feed::point() {
    for (std::size_t c = 0; c < inputPointers.size(); ++c)
        inputPointers[c] = (c % 2 == 0 ? signal.left.data() : signal.right.data()) + position;
}

} // namespace zu::bench

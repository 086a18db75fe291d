// The inputs the plug-ins are measured with.
#pragma once

#include <cstddef>
#include <string_view>

#include "stereo_signal.h"

namespace zu::bench {

inline constexpr float kSampleRate = 44100.0f;

enum class Input {
    Sine,     // full-scale 441 Hz sine on both channels
    Noise,    // full-scale white noise, different on each channel
    Denormal, // a 441 Hz sine decaying from the smallest normal level into the 1e-40 range
    Silence,  // zeros
};

std::string_view inputName(Input input);

// `frames` frames of the input at kSampleRate; the same every time.
host::StereoSignal makeInput(Input input, std::size_t frames);

} // namespace zu::bench

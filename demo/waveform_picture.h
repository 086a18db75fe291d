// A PNG picture of a rendering: the input against the output, whole and zoomed in.
#pragma once

#include <string>

#include "stereo_signal.h"

namespace zu::demo {

// Draws the left channels of input and output. Throws std::runtime_error when the file
// cannot be written.
void drawWaveforms(const std::string& pngPath, const std::string& title,
                   const host::StereoSignal& input, const host::StereoSignal& output,
                   int sampleRate);

} // namespace zu::demo

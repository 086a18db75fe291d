// The signal and settings that every build renders, and the files that keep the results.
#pragma once

#include <string>
#include <vector>

#include "aeffect.h"
#include "stereo_signal.h"

namespace zu::crosscheck {

constexpr float kSampleRate = 44100.0f;
constexpr VstInt32 kBlockSize = 300;

// Three quarters of a second of a triangle sweep and noise, with silence, quiet and clipping
// stretches. Built from integers and exact float steps: the same bits on every target.
host::StereoSignal testSignal();

struct RenderCase {
    const char* name;
    // The normalised values set before rendering, one per parameter in turn; none keeps the
    // values of the new effect.
    std::vector<float> values;
};
extern const std::vector<RenderCase> kRenderCases;

// `dir`/<plug-in>-<case>.f32: the left channel, then the right, as 32-bit floats.
std::string referencePath(const std::string& dir, const std::string& plugin,
                          const RenderCase& renderCase);
// Throw std::runtime_error naming the file when it cannot be written or read whole.
void writeReference(const std::string& path, const host::StereoSignal& signal);
host::StereoSignal readReference(const std::string& path, std::size_t frames);

} // namespace zu::crosscheck

// Offline processing of a whole signal through an instance, block by block.
#pragma once

#include <functional>

#include "plugin_instance.h"
#include "stereo_signal.h"

namespace zu::host {

using RenderProgress = std::function<void(std::size_t framesDone, std::size_t framesTotal)>;

// Runs processReplacing over the signal in blocks of at most blockSize frames.
StereoSignal renderReplacing(PluginInstance& instance, const StereoSignal& input,
                             VstInt32 blockSize, const RenderProgress& progress = {});

struct Setting {
    VstInt32 index;
    float value;
};

// Reads "NAME=VALUE" or "INDEX=VALUE" with a normalised value from 0 to 1.
// Throws HostError naming what is wrong.
Setting parseSetting(PluginInstance& instance, const std::string& assignment);
// Parses the setting and stores it in the plug-in.
void applySetting(PluginInstance& instance, const std::string& assignment);

} // namespace zu::host

#include "render.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "host_error.h"

namespace zu::host {

StereoSignal renderReplacing(PluginInstance& instance, const StereoSignal& input,
                             VstInt32 blockSize, const RenderProgress& progress) {
    if (blockSize < 1) throw HostError("the block size must be at least 1");
    StereoSignal output(input.frames());
    std::vector<float> inLeft(input.left), inRight(input.right);
    for (std::size_t done = 0; done < input.frames();) {
        const auto frames = static_cast<VstInt32>(
            std::min<std::size_t>(static_cast<std::size_t>(blockSize), input.frames() - done));
        float* inputs[2] = {inLeft.data() + done, inRight.data() + done};
        float* outputs[2] = {output.left.data() + done, output.right.data() + done};
        instance.processReplacing(inputs, outputs, frames);
        done += static_cast<std::size_t>(frames);
        if (progress) progress(done, input.frames());
    }
    return output;
}

Setting parseSetting(PluginInstance& instance, const std::string& assignment) {
    const auto equals = assignment.find('=');
    if (equals == std::string::npos || equals == 0)
        throw HostError("a parameter setting reads NAME=VALUE or INDEX=VALUE, not '" + assignment +
                        "'");
    const std::string name = assignment.substr(0, equals);
    const std::string valueText = assignment.substr(equals + 1);
    const VstInt32 index = instance.findParameter(name);
    if (index < 0) throw HostError("the plug-in has no parameter '" + name + "'");
    float value = 0.0f;
    const char* end = valueText.data() + valueText.size();
    const auto [p, ec] = std::from_chars(valueText.data(), end, value);
    if (valueText.empty() || ec != std::errc() || p != end || !std::isfinite(value) ||
        value < 0.0f || value > 1.0f)
        throw HostError("the value of '" + name + "' must be a number from 0 to 1, not '" +
                        valueText + "'");
    return {index, value};
}

void applySetting(PluginInstance& instance, const std::string& assignment) {
    const Setting setting = parseSetting(instance, assignment);
    instance.setParameter(setting.index, setting.value);
}

} // namespace zu::host

// A built plug-in file loaded through the host library, as a host loads it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "host.h"
#include "plugin_instance.h"
#include "plugin_library.h"
#include "stereo_signal.h"

namespace zu::testing {

#ifdef ZU_PLUGIN_DIR
inline std::string pluginPath(const std::string& name) {
    return std::string(ZU_PLUGIN_DIR) + "/" + name + ZU_PLUGIN_SUFFIX;
}
#endif

struct LoadedPlugin {
    explicit LoadedPlugin(const std::string& path, host::HostAnswers answers = {})
        : library(path), host(answers), instance(library, host) {}

    // Runs one call of processReplacing (or process) over the signal, in place of `out`.
    void run(host::StereoSignal& in, host::StereoSignal& out, bool replacing = true) {
        float* inputs[2] = {in.left.data(), in.right.data()};
        float* outputs[2] = {out.left.data(), out.right.data()};
        const auto frames = static_cast<VstInt32>(in.frames());
        if (replacing)
            instance.processReplacing(inputs, outputs, frames);
        else
            instance.process(inputs, outputs, frames);
    }

    // The same over calls of 1, 2, ... 13 frames, then 1 again, and so on.
    void runInBlocks(host::StereoSignal& in, host::StereoSignal& out, bool replacing = true) {
        for (std::size_t done = 0, size = 1; done < in.frames();
             done += size, size = size % 13 + 1) {
            const auto frames = static_cast<VstInt32>(std::min(size, in.frames() - done));
            float* inputs[2] = {in.left.data() + done, in.right.data() + done};
            float* outputs[2] = {out.left.data() + done, out.right.data() + done};
            if (replacing)
                instance.processReplacing(inputs, outputs, frames);
            else
                instance.process(inputs, outputs, frames);
        }
    }

    host::PluginLibrary library;
    host::Host host;
    host::PluginInstance instance;
};

// A signal whose both channels hold the given samples.
inline host::StereoSignal stereo(const std::vector<float>& left, const std::vector<float>& right) {
    host::StereoSignal s(left.size());
    s.left = left;
    s.right = right;
    return s;
}

// One call of the same input through each instance: the two outputs must be equal.
inline ::testing::AssertionResult sameOutput(LoadedPlugin& a, LoadedPlugin& b,
                                             const host::StereoSignal& input) {
    host::StereoSignal inA = input, inB = input;
    host::StereoSignal outA(input.frames()), outB(input.frames());
    a.run(inA, outA);
    b.run(inB, outB);
    if (outA.left == outB.left && outA.right == outB.right) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the two instances give different output";
}

} // namespace zu::testing

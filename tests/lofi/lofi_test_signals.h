// Signals and drivers shared by the ZuLoFi integration tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "loaded_plugin.h"

namespace zu::testing {

// A 441 Hz tone with a little noise, different on the two channels, within ±0.9.
inline host::StereoSignal music(std::size_t frames) {
    host::StereoSignal s(frames);
    std::uint32_t noise = 1;
    for (std::size_t i = 0; i < frames; ++i) {
        noise = noise * 1664525u + 1013904223u;
        const float n = static_cast<float>(noise >> 8) / 16777216.0f - 0.5f;
        const float tone =
            static_cast<float>(std::sin(2.0 * M_PI * 441.0 * static_cast<double>(i) / 44100.0));
        s.left[i] = 0.8f * tone + 0.1f * n;
        s.right[i] = -0.5f * tone + 0.2f * n;
    }
    return s;
}

// Runs `in` through the plug-in in calls of the given sizes, repeated until the signal ends.
inline host::StereoSignal processInCalls(LoadedPlugin& plugin, const host::StereoSignal& in,
                                         const std::vector<std::size_t>& sizes) {
    host::StereoSignal copy = in;
    host::StereoSignal out(in.frames());
    for (std::size_t start = 0, call = 0; start < in.frames(); ++call) {
        const std::size_t n = std::min(sizes[call % sizes.size()], in.frames() - start);
        float* inputs[2] = {copy.left.data() + start, copy.right.data() + start};
        float* outputs[2] = {out.left.data() + start, out.right.data() + start};
        plugin.instance.processReplacing(inputs, outputs, static_cast<VstInt32>(n));
        start += n;
    }
    return out;
}

// Sets sane values on `used` and on a new instance, suspends both, and expects the same output
// from the second capture on (Rate 8080 Hz at 44100 Hz captures on frames 0, 5, ...); what
// `used` held before may differ only until then.
inline void expectRunsLikeANewInstance(LoadedPlugin& used, const char* what) {
    LoadedPlugin fresh(used.library.path());
    for (LoadedPlugin* p : {&used, &fresh}) {
        p->instance.dispatch(effSetSampleRate, 0, 0, nullptr, 44100.0f);
        p->instance.setParameter(0, 0.6f);
        p->instance.setParameter(1, 0.2f);
        p->instance.setParameter(2, 1.0f);
        p->instance.dispatch(effMainsChanged, 0, 0);
        p->instance.dispatch(effMainsChanged, 0, 1);
    }
    const host::StereoSignal in = music(400);
    const host::StereoSignal a = processInCalls(used, in, {400});
    const host::StereoSignal b = processInCalls(fresh, in, {400});
    constexpr std::ptrdiff_t secondCapture = 5;
    EXPECT_TRUE(
        std::equal(a.left.begin() + secondCapture, a.left.end(), b.left.begin() + secondCapture))
        << what;
    EXPECT_TRUE(
        std::equal(a.right.begin() + secondCapture, a.right.end(), b.right.begin() + secondCapture))
        << what;
    const auto [low, high] = std::minmax_element(a.left.begin() + secondCapture, a.left.end());
    EXPECT_LT(*low, *high) << what << ": the output moves";
}

} // namespace zu::testing

// ZuTarvel2 loaded from its built file, with helpers to drive it with mono signals.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "loaded_plugin.h"

namespace zu::testing {

// Parameter indices and the delay, as the effect defines them.
enum TarvelParameter : VstInt32 {
    kWaveform,
    kWaveformDistortion,
    kTranspose,
    kThreshold,
    kMix,
    kOutputVolume,
};
constexpr std::size_t kDelay = 1102;

// kWaveform value that selects shape `index` (0 Sine … 6 Exp. Down).
inline float shape(int index) {
    return static_cast<float>(index) / 10.0f;
}

class TarvelTest : public ::testing::Test {
protected:
    void set(VstInt32 index, float value) { plugin.instance.setParameter(index, value); }

    // One processReplacing call with the signal on both channels; returns the left output and
    // expects the right one to be the same.
    std::vector<float> run(const std::vector<float>& x) {
        host::StereoSignal in = stereo(x, x);
        host::StereoSignal out(x.size());
        plugin.run(in, out);
        EXPECT_EQ(out.left, out.right);
        return out.left;
    }

    // What each sample of x becomes: x followed by silence, with the output moved back by the
    // delay, so that element i is the output for input sample i.
    std::vector<float> changed(std::vector<float> x) {
        const std::size_t n = x.size();
        x.resize(n + kDelay, 0.0f);
        std::vector<float> out = run(x);
        return std::vector<float>(out.begin() + kDelay, out.end());
    }

    LoadedPlugin plugin{pluginPath("ZuTarvel2")};
};

// n copies of v followed by the rest.
inline std::vector<float> repeat(std::size_t n, float v, std::vector<float> rest = {}) {
    std::vector<float> x(n, v);
    x.insert(x.end(), rest.begin(), rest.end());
    return x;
}

inline std::vector<float> concat(std::vector<float> a, const std::vector<float>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace zu::testing

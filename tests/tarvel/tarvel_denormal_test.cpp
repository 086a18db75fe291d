// Denormal input samples are taken as zeros of their sign: the output is the plain algorithm's
// for the input with those samples flushed, bit for bit.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <string>

#include "reference_wave_changer.h"
#include "same_bits.h"
#include "tarvel_fixture.h"

namespace {

using namespace zu::testing;
using zu::host::StereoSignal;

// A 441 Hz tone decaying through the smallest normal level into denormals, then noise with
// denormals scattered in it.
std::vector<float> fadingTone(std::size_t frames, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    std::vector<float> x(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / 44100.0;
        const double level = std::exp(-static_cast<double>(i) / 60.0);
        x[i] = i < frames / 2
                   ? static_cast<float>(level * std::sin(2.0 * std::numbers::pi * 441.0 * t))
                   : noise(random) * (i % 3 == 0 ? 1e-40f : 1.0f);
    }
    return x;
}

float flushed(float x) {
    return std::fpclassify(x) == FP_SUBNORMAL ? std::copysign(0.0f, x) : x;
}

TEST(TarvelDenormals, AreTakenAsZerosOfTheirSign) {
    for (float transpose : {0.0f, 0.035f}) {
        SCOPED_TRACE("transpose " + std::to_string(transpose));
        const std::vector<float> left = fadingTone(12000, 1), right = fadingTone(12000, 2);
        std::vector<float> flatLeft, flatRight;
        for (float x : left)
            flatLeft.push_back(flushed(x));
        for (float x : right)
            flatRight.push_back(flushed(x));
        ASSERT_NE(flatLeft, left) << "the signal holds denormals";

        ReferenceWaveChanger reference;
        reference.steps = static_cast<float>(std::trunc(static_cast<double>(transpose) * 100.0));
        std::vector<float> expectedLeft, expectedRight;
        reference.process(flatLeft, flatRight, expectedLeft, expectedRight);

        LoadedPlugin plugin(pluginPath("ZuTarvel2"));
        plugin.instance.setParameter(kTranspose, transpose);
        StereoSignal in = stereo(left, right);
        StereoSignal out(left.size());
        plugin.runInBlocks(in, out);
        for (std::size_t i = 0; i < left.size(); ++i) {
            ASSERT_TRUE(sameBits(out.left[i], expectedLeft[i])) << "left frame " << i;
            ASSERT_TRUE(sameBits(out.right[i], expectedRight[i])) << "right frame " << i;
        }
    }
}

} // namespace

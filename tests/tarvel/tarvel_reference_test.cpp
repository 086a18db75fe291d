// The plug-in's processing against the plain sample-by-sample algorithm, on signals that reach
// every path: tones, noise, silence, half-waves longer than the ring, non-finite samples.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <random>

#include "reference_wave_changer.h"
#include "tarvel_fixture.h"

namespace {

using namespace zu::testing;
using zu::host::StereoSignal;

std::vector<float> mixture(std::size_t frames, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    std::vector<float> x(frames);
    const double tone = 30.0 + 400.0 * (seed % 5);
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / 44100.0;
        const std::size_t part = (i / 3000) % 6;
        double v = 0.0;
        if (part == 0) v = 0.8 * std::sin(2.0 * std::numbers::pi * tone * t);
        if (part == 1) v = noise(random);
        if (part == 2) v = 0.5 * std::sin(2.0 * std::numbers::pi * 15.0 * t) + 0.01 * noise(random);
        if (part == 3) v = (i % 97 < 3) ? 0.0 : std::sin(2.0 * std::numbers::pi * 5000.0 * t);
        if (part == 4) v = i % 700 < 300 ? 0.0 : 0.3 * noise(random) + 0.3;
        if (part == 5) v = std::sin(2.0 * std::numbers::pi * 441.0 * t) + 0.2 * noise(random);
        x[i] = static_cast<float>(v);
    }
    return x;
}

bool same(float a, float b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

struct Setting {
    float waveform, distortion, transpose, threshold, mix, volume;
    // What the effect derives from them.
    int shape;
    float steps;
    int samples;
};

TEST(TarvelReference, MatchesThePlainAlgorithmSampleForSample) {
    const Setting settings[] = {
        {0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.5f, 0, 0.0f, 1},
        {0.15f, 0.7f, 0.035f, 0.0f, 0.6f, 0.4f, 1, 3.0f, 1},
        {0.25f, 1.0f, 0.0f, 0.5f, 1.0f, 0.5f, 2, 0.0f, 500},
        {0.35f, 0.0f, 1.0f, 0.0105f, 0.9f, 0.8f, 3, 100.0f, 11},
        {0.45f, 0.2f, 0.075f, 0.1f, 0.3f, 0.5f, 4, 7.0f, 100},
        {0.55f, 0.5f, 0.5f, 0.002f, 1.0f, 0.5f, 5, 50.0f, 2},
        {0.65f, 0.05f, 0.01f, 1.0f, 0.75f, 1.0f, 6, 0.0f, 1000},
    };
    std::mt19937 random(99);
    std::uniform_int_distribution<std::size_t> blockSize(1, 700);
    unsigned seed = 0;
    for (const Setting& s : settings) {
        std::vector<float> left = mixture(40000, ++seed);
        std::vector<float> right = mixture(40000, ++seed);
        // A few non-finite samples in the noise.
        left[3100] = std::numeric_limits<float>::infinity();
        right[3200] = std::numeric_limits<float>::quiet_NaN();
        left[15500] = -std::numeric_limits<float>::infinity();

        ReferenceWaveChanger reference;
        reference.shape = s.shape;
        reference.distortion = s.distortion;
        reference.steps = s.steps;
        reference.threshold = s.samples;
        reference.mix = s.mix;
        reference.volume = s.volume;
        std::vector<float> expectedLeft, expectedRight;
        reference.process(left, right, expectedLeft, expectedRight);

        LoadedPlugin plugin(pluginPath("ZuTarvel2"));
        const float values[] = {s.waveform,  s.distortion, s.transpose,
                                s.threshold, s.mix,        s.volume};
        for (VstInt32 i = 0; i < 6; ++i)
            plugin.instance.setParameter(i, values[i]);
        for (std::size_t at = 0; at < left.size();) {
            const std::size_t frames = std::min(blockSize(random), left.size() - at);
            StereoSignal in = stereo({left.begin() + at, left.begin() + at + frames},
                                     {right.begin() + at, right.begin() + at + frames});
            StereoSignal out(frames);
            plugin.run(in, out);
            for (std::size_t i = 0; i < frames; ++i) {
                ASSERT_TRUE(same(out.left[i], expectedLeft[at + i]))
                    << "shape " << s.shape << ", left frame " << at + i << ": " << out.left[i]
                    << " instead of " << expectedLeft[at + i];
                ASSERT_TRUE(same(out.right[i], expectedRight[at + i]))
                    << "shape " << s.shape << ", right frame " << at + i << ": " << out.right[i]
                    << " instead of " << expectedRight[at + i];
            }
            at += frames;
        }
    }
}

} // namespace

// ZuTremolo's processing through its real entry point, against the LFO and gain arithmetic.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "loaded_plugin.h"

namespace {

using zu::host::StereoSignal;
using zu::testing::LoadedPlugin;
using zu::testing::pluginPath;
using zu::testing::stereo;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// Normalised values that select each shape, and the stereo modes.
constexpr float kShapeValues[] = {0.0f, 0.2f, 0.35f, 0.5f, 0.65f, 0.8f, 1.0f};
constexpr float kSquare = 0.35f;
constexpr float kExpUp = 0.8f;
constexpr float kNormal = 0.0f;
constexpr float kInverse = 1.0f;

std::vector<float> noise(std::size_t frames, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> sample(-1.0f, 1.0f);
    std::vector<float> x(frames);
    for (float& v : x)
        v = sample(random);
    return x;
}

class TremoloProcessing : public ::testing::Test {
protected:
    void set(VstInt32 index, float value) { plugin.instance.setParameter(index, value); }

    // One processReplacing call over constant input 1.0: the output is the gain of each frame.
    StereoSignal gains(std::size_t frames) {
        StereoSignal in =
            stereo(std::vector<float>(frames, 1.0f), std::vector<float>(frames, 1.0f));
        StereoSignal out(frames);
        plugin.run(in, out);
        return out;
    }

    LoadedPlugin plugin{pluginPath("ZuTremolo")};
};

TEST_F(TremoloProcessing, TheFirstFrameOfANewEffectIsSevenTenths) {
    const StereoSignal out = gains(1);
    EXPECT_EQ(out.left[0], 0.7f);
    EXPECT_EQ(out.right[0], 0.7f);
}

TEST_F(TremoloProcessing, ProcessAddsAndProcessReplacingOverwrites) {
    StereoSignal in = stereo({1.0f, 1.0f}, {1.0f, 0.5f});
    StereoSignal out = stereo({0.25f, -1.0f}, {2.0f, 0.0f});
    plugin.run(in, out, false);
    EXPECT_EQ(out.left, (std::vector<float>{0.25f + 0.7f, -1.0f + 0.7f}));
    EXPECT_EQ(out.right, (std::vector<float>{2.0f + 0.7f, 0.5f * 0.7f}));
    plugin.instance.dispatch(effMainsChanged, 0, 0);
    plugin.run(in, out, true);
    EXPECT_EQ(out.left, (std::vector<float>{0.7f, 0.7f}));
    EXPECT_EQ(out.right, (std::vector<float>{0.7f, 0.5f * 0.7f}));
}

// With EXP UP at depth 1 the gain is 1 - p², p the phase when the gain was computed; at 20 Hz
// and 44100 Hz the phase moves 40/44100 per frame from -1.
TEST_F(TremoloProcessing, GainsAreHeldForEightFramesAndThePhaseRunsOnAcrossCalls) {
    set(0, 1.0f);
    set(1, 1.0f);
    set(2, kExpUp);
    const double step = 40.0 / 44100.0;
    auto gainAt = [&](int frame) {
        const double p = -1.0 + frame * step;
        return 1.0 - p * p;
    };
    for (int call = 0; call < 3; ++call) {
        const StereoSignal out = gains(20);
        for (int i = 0; i < 20; ++i) {
            const int computedAt = 20 * call + i / 8 * 8; // frames 0, 8 and 16 of each call
            EXPECT_NEAR(out.left[i], gainAt(computedAt), 1e-5) << "call " << call << " " << i;
            EXPECT_EQ(out.right[i], out.left[i]);
        }
    }
    EXPECT_GT(gainAt(8) - gainAt(0), 0.01) << "the held stretches are told apart";
}

// The phase step follows the rate at the moment the frequency was stored.
TEST_F(TremoloProcessing, ASampleRateChangeTakesEffectWhenTheFrequencyIsStoredAgain) {
    set(0, 1.0f);
    set(1, 1.0f);
    set(2, kExpUp);
    plugin.instance.dispatch(effSetSampleRate, 0, 0, nullptr, 22050.0f);
    auto firstGainAfter = [&](int frames) {
        plugin.instance.dispatch(effMainsChanged, 0, 0);
        gains(frames);
        return gains(1).left[0];
    };
    auto expected = [](double step, int frames) { return 1.0 - std::pow(-1.0 + frames * step, 2); };
    EXPECT_NEAR(firstGainAfter(100), expected(40.0 / 44100.0, 100), 1e-5);
    set(0, 1.0f);
    EXPECT_NEAR(firstGainAfter(100), expected(40.0 / 22050.0, 100), 1e-5);
}

TEST_F(TremoloProcessing, SuspendRestartsTheLfoAtPhaseMinusOne) {
    gains(3000);
    EXPECT_NE(gains(1).left[0], 0.7f);
    plugin.instance.dispatch(effMainsChanged, 0, 0);
    plugin.instance.dispatch(effMainsChanged, 0, 1);
    EXPECT_EQ(gains(1).left[0], 0.7f);
}

TEST_F(TremoloProcessing, ZeroOrNegativeFrameCountsProcessNothing) {
    StereoSignal in = stereo({1.0f}, {1.0f});
    StereoSignal out = stereo({9.0f}, {9.0f});
    float* inputs[2] = {in.left.data(), in.right.data()};
    float* outputs[2] = {out.left.data(), out.right.data()};
    for (VstInt32 frames : {0, -1, -100}) {
        plugin.instance.processReplacing(inputs, outputs, frames);
        plugin.instance.process(inputs, outputs, frames);
    }
    EXPECT_EQ(out.left[0], 9.0f);
    EXPECT_EQ(gains(1).left[0], 0.7f) << "the phase did not move";
}

TEST_F(TremoloProcessing, DepthZeroPassesTheInputInEveryShapeAndMode) {
    set(1, 0.0f);
    const std::vector<float> x = noise(1000, 1);
    const std::vector<float> y = noise(1000, 2);
    for (float shape : kShapeValues)
        for (float mode : {kNormal, kInverse}) {
            set(2, shape);
            set(3, mode);
            StereoSignal in = stereo(x, y);
            StereoSignal out(x.size());
            plugin.run(in, out);
            EXPECT_EQ(out.left, x) << shape << " " << mode;
            EXPECT_EQ(out.right, y) << shape << " " << mode;
        }
}

TEST_F(TremoloProcessing, InverseModeGainsAlwaysAddUpToTwoMinusDepth) {
    set(0, 0.8f);
    set(3, kInverse);
    for (float depth : {0.3f, 0.6f, 1.0f})
        for (float shape : kShapeValues) {
            set(1, depth);
            set(2, shape);
            const StereoSignal out = gains(4000);
            float lowest = 1.0f;
            for (std::size_t i = 0; i < out.frames(); ++i) {
                ASSERT_NEAR(out.left[i] + out.right[i], 2.0f - depth, 1e-6f)
                    << "depth " << depth << " shape " << shape << " frame " << i;
                lowest = std::min(lowest, out.left[i]);
            }
            EXPECT_LT(lowest, 1.0f - depth * 0.9f) << "the LFO went through its low part";
        }
}

// One LFO cycle at 4 Hz: the square is at full level or silent except on its edges, each of
// which is E = 0.08 wide out of a cycle of 2. In Inverse mode the right channel is the
// opposite.
TEST_F(TremoloProcessing, SquareAtFullDepthSwitchesBetweenFullLevelAndSilence) {
    set(1, 1.0f);
    set(2, kSquare);
    set(3, kInverse);
    const StereoSignal out = gains(11025);
    std::size_t full = 0;
    std::size_t silent = 0;
    for (std::size_t i = 0; i < out.frames(); ++i) {
        ASSERT_GE(out.left[i], 0.0f);
        ASSERT_LE(out.left[i], 1.0f);
        ASSERT_EQ(out.left[i] + out.right[i], 1.0f) << i;
        full += out.left[i] == 1.0f;
        silent += out.left[i] == 0.0f;
    }
    const double expected = (1.0 - 2 * 0.08) / 2.0 * 11025.0;
    EXPECT_NEAR(static_cast<double>(full), expected, 110.0);
    EXPECT_NEAR(static_cast<double>(silent), expected, 110.0);
    EXPECT_EQ(out.left[11025 / 4], 1.0f) << "full level in the first half";
    EXPECT_EQ(out.left[11025 * 3 / 4], 0.0f) << "silence in the second half";
}

TEST_F(TremoloProcessing, InPlaceBuffersGiveTheSameResult) {
    set(2, 0.5f);
    set(3, kInverse);
    const std::vector<float> x = noise(333, 3);
    const std::vector<float> y = noise(333, 4);
    StereoSignal apart = stereo(x, y);
    StereoSignal expected(x.size());
    plugin.run(apart, expected);
    plugin.instance.dispatch(effMainsChanged, 0, 0);
    StereoSignal inPlace = stereo(x, y);
    plugin.run(inPlace, inPlace);
    EXPECT_EQ(inPlace.left, expected.left);
    EXPECT_EQ(inPlace.right, expected.right);
}

TEST_F(TremoloProcessing, TheMeterShowsThePeakOutputSinceTheLastRead) {
    set(1, 0.0f);
    StereoSignal in = stereo({0.25f, -0.5f, 0.125f}, {0.0f, 0.1f, -0.3f});
    StereoSignal out(3);
    plugin.run(in, out);
    StereoSignal quiet = stereo({0.1f}, {0.2f});
    plugin.run(quiet, out, false);
    EXPECT_EQ(plugin.instance.dispatch(effGetVu), 16383);
    EXPECT_EQ(plugin.instance.dispatch(effGetVu), 0);
    plugin.run(quiet, out);
    EXPECT_EQ(plugin.instance.dispatch(effGetVu), static_cast<VstIntPtr>(0.2f * 32767.0));
}

// Whatever the host sends, the gains stay within the depth's range and the effect recovers:
// once sane values return and the effect is switched off and on, it starts as a new one.
TEST_F(TremoloProcessing, HostileFrequenciesAndSampleRatesNeverStickTheLfo) {
    const float rates[] = {0.0f, -44100.0f, kNaN, kInf, 1.0f, 1e-30f, 1e30f, 44100.0f};
    const float frequencies[] = {kNaN, kInf, -kInf, 1e30f, -3.0f, 1.0f};
    for (float shape : kShapeValues)
        for (float rate : rates)
            for (float frequency : frequencies) {
                set(2, shape);
                plugin.instance.dispatch(effSetSampleRate, 0, 0, nullptr, rate);
                set(0, frequency);
                const StereoSignal out = gains(100);
                for (std::size_t i = 0; i < out.frames(); ++i)
                    ASSERT_TRUE(out.left[i] >= 0.4f - 1e-6f && out.left[i] <= 1.0f)
                        << "shape " << shape << " rate " << rate << " frequency " << frequency
                        << " frame " << i << ": " << out.left[i];
            }
    plugin.instance.dispatch(effSetSampleRate, 0, 0, nullptr, 44100.0f);
    plugin.instance.setProgram(1);
    plugin.instance.setProgram(0);
    set(0, 0.44677f);
    set(2, 0.0f);
    plugin.instance.dispatch(effMainsChanged, 0, 0);
    LoadedPlugin fresh(pluginPath("ZuTremolo"));
    EXPECT_TRUE(zu::testing::sameOutput(plugin, fresh, stereo(noise(5000, 5), noise(5000, 6))));
}

TEST_F(TremoloProcessing, NonFiniteDepthOrInputOnlyAffectsTheirOwnCall) {
    for (float depth : {kNaN, kInf}) {
        set(1, depth);
        gains(64);
    }
    set(1, 0.6f);
    StereoSignal bad = stereo({kNaN, kInf, 1.0f}, {-kInf, 1.0f, kNaN});
    StereoSignal out(3);
    plugin.run(bad, out);
    EXPECT_TRUE(std::isnan(out.left[0]));
    EXPECT_EQ(out.left[2], out.right[1]);
    plugin.instance.dispatch(effMainsChanged, 0, 0);
    EXPECT_EQ(gains(1).left[0], 0.7f);
}

} // namespace

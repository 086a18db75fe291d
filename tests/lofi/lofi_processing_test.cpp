// ZuLoFi's sample-and-hold, quantiser and interpolation, through the real processing routines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

#include "loaded_plugin.h"
#include "lofi_test_signals.h"

namespace {

using zu::host::StereoSignal;
using zu::testing::expectRunsLikeANewInstance;
using zu::testing::LoadedPlugin;
using zu::testing::music;
using zu::testing::pluginPath;
using zu::testing::processInCalls;
using zu::testing::stereo;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kInv16 = 1.0f / 32767.0f;

// How many frames output something other than the frame before.
int changes(const std::vector<float>& x) {
    int n = 0;
    for (std::size_t i = 1; i < x.size(); ++i)
        n += x[i] != x[i - 1];
    return n;
}

class LoFi : public ::testing::Test {
protected:
    void set(VstInt32 index, float value) { plugin.instance.setParameter(index, value); }
    void setSampleRate(float rate) {
        plugin.instance.dispatch(effSetSampleRate, 0, 0, nullptr, rate);
    }
    // Rate at 100 Hz and the sample rate at the given multiple of it.
    void captureEvery(float frames) {
        setSampleRate(100.0f * frames);
        set(1, 0.0f);
    }
    // One processReplacing call; both channels get `x`, the left output is returned.
    std::vector<float> run(const std::vector<float>& x) {
        StereoSignal in = stereo(x, x);
        StereoSignal out(x.size());
        plugin.run(in, out);
        EXPECT_EQ(std::memcmp(out.left.data(), out.right.data(), x.size() * sizeof(float)), 0);
        return out.left;
    }
    void suspendAndResume() {
        plugin.instance.dispatch(effMainsChanged, 0, 0);
        plugin.instance.dispatch(effMainsChanged, 0, 1);
    }

    LoadedPlugin plugin{pluginPath("ZuLoFi")};
};

// At the default 40000 Hz and a host rate of 44100 Hz, 4000 of 4410 frames capture.
TEST_F(LoFi, DefaultsCaptureOnAbout9FramesOf10) {
    std::vector<float> ramp(4410);
    for (std::size_t i = 0; i < ramp.size(); ++i)
        ramp[i] = static_cast<float>(i + 1) / 8192.0f;
    EXPECT_NEAR(changes(run(ramp)), 4000, 2);
}

// Captures on frames 0, 3, 7, 11; each capture outputs the one before it.
TEST_F(LoFi, QuarterStepHoldsEachCaptureFourFrames) {
    captureEvery(4.0f);
    const std::vector<float> x = {1.0f,  0.3f, -0.7f, -1.0f, 0.9f, 0.2f, 0.1f, 0.5f,
                                  -0.3f, 0.4f, 0.8f,  -0.5f, 0.6f, 0.7f, 0.2f};
    StereoSignal in = stereo(x, x);
    for (float& v : in.right)
        v = -v;
    StereoSignal out(x.size());
    plugin.run(in, out);
    const float h = 16383.0f * kInv16;
    const float n = -16384.0f * kInv16;
    EXPECT_EQ(out.left, (std::vector<float>{0, 0, 0, 1, 1, 1, 1, -1, -1, -1, -1, h, h, h, h}));
    EXPECT_EQ(out.right, (std::vector<float>{0, 0, 0, -1, -1, -1, -1, 1, 1, 1, 1, n, n, n, n}));
}

TEST_F(LoFi, QuarterStepWithInterpolationDrawsLinesBetweenCaptures) {
    captureEvery(4.0f);
    set(2, 1.0f);
    const std::vector<float> x = {1.0f, 0.3f, -0.7f, -1.0f, 0.9f, 0.2f,
                                  0.1f, 0.5f, -0.3f, 0.4f,  0.8f, -0.5f};
    const auto y = run(x);
    const float h = 16383.0f * kInv16;
    const std::vector<float> expected = {0.0f,
                                         0.25f,
                                         0.5f,
                                         1.0f,
                                         0.5f,
                                         0.0f,
                                         -0.5f,
                                         -1.0f,
                                         0.75f * -1.0f + 0.25f * h,
                                         0.5f * -1.0f + 0.5f * h,
                                         0.25f * -1.0f + 0.75f * h,
                                         h};
    EXPECT_EQ(y, expected);
}

// With Rate at the sample rate every frame captures: the output is the quantised input one
// frame late.
TEST_F(LoFi, QuantiserValues) {
    captureEvery(1.0f);
    const struct {
        float bit;
        const char* depth;
        float in;
        float out;
    } cases[] = {
        {0.0f, " 2", 0.0f, 0.0f},
        {0.0f, " 2", 0.3f, 0.0f},
        {0.0f, " 2", 1.0f, 0.0f},
        {0.0f, " 2", -1e-30f, -1.0f},
        {0.0f, " 2", -0.7f, -1.0f},
        {0.0f, " 2", -1.0f, -1.0f},
        {0.43f, " 8", 1.0f, 126.0f * (1.0f / 127.0f)},
        {0.43f, " 8", -1.0f, -1.0f},
        {0.43f, " 8", 0.5f, 63.0f * (1.0f / 127.0f)},
        {0.43f, " 8", -0.5f, -64.0f * (1.0f / 127.0f)},
        {0.5f, " 9", 1.0f, 254.0f * (1.0f / 255.0f)},
        {0.58f, "10", 1.0f, 1.0f},
        {1.0f, "16", 1.0f, 1.0f},
        {1.0f, "16", 0.5f, 16383.0f * kInv16},
        {1.0f, "16", -0.5f, -16384.0f * kInv16},
        {1.0f, "16", 0.0f, 0.0f},
    };
    for (const auto& c : cases) {
        set(0, c.bit);
        EXPECT_EQ(plugin.instance.parameterDisplay(0), c.depth);
        EXPECT_EQ(run({c.in, 0.0f})[1], c.out) << c.depth << " bits, input " << c.in;
    }
}

TEST_F(LoFi, SilenceGivesSilenceAfterTwoCaptures) {
    captureEvery(3.0f);
    set(0, 0.2f);
    run({0.7f, -0.4f, 0.2f, 0.9f});
    const auto y = run(std::vector<float>(12, 0.0f));
    EXPECT_NE(y[2], 0.0f);
    for (std::size_t i = 5; i < y.size(); ++i)
        EXPECT_EQ(y[i], 0.0f) << i;
}

TEST_F(LoFi, BlockSizesDoNotChangeTheOutput) {
    const struct {
        float bit, rate, interpolate, sampleRate;
    } settings[] = {
        {1.0f, 1.0f, 0.0f, 44100.0f},  {1.0f, 1.0f, 1.0f, 44100.0f},
        {0.5f, 0.3f, 1.0f, 44100.0f},  {0.2f, 0.0123f, 0.0f, 48000.0f},
        {0.7f, 0.05f, 1.0f, 96000.0f},
    };
    const StereoSignal in = music(4096);
    const std::vector<std::vector<std::size_t>> splits = {{1}, {7}, {64}, {999}, {1, 7, 64, 999}};
    for (const auto& s : settings) {
        auto fresh = [&] {
            auto p = std::make_unique<LoadedPlugin>(pluginPath("ZuLoFi"));
            p->instance.dispatch(effSetSampleRate, 0, 0, nullptr, s.sampleRate);
            p->instance.setParameter(0, s.bit);
            p->instance.setParameter(1, s.rate);
            p->instance.setParameter(2, s.interpolate);
            return p;
        };
        const StereoSignal whole = processInCalls(*fresh(), in, {4096});
        for (const auto& split : splits) {
            const StereoSignal parts = processInCalls(*fresh(), in, split);
            EXPECT_EQ(parts.left, whole.left) << "rate " << s.rate << ", calls of " << split[0];
            EXPECT_EQ(parts.right, whole.right) << "rate " << s.rate << ", calls of " << split[0];
        }
    }
}

// process adds to what the outputs hold, call after call, while the held and interpolated
// values follow the same course as with processReplacing.
TEST_F(LoFi, ProcessAddsAndProcessReplacingOverwrites) {
    LoadedPlugin adding(pluginPath("ZuLoFi"));
    for (LoadedPlugin* p : {&plugin, &adding}) {
        p->instance.setParameter(0, 0.5f);
        p->instance.setParameter(1, 0.1f);
        p->instance.setParameter(2, 1.0f);
    }
    const StereoSignal in = music(1000);
    const StereoSignal replaced = processInCalls(plugin, in, {100, 37});
    StereoSignal bed = music(1000);
    std::reverse(bed.left.begin(), bed.left.end());
    StereoSignal summed = bed;
    StereoSignal copy = in;
    for (std::size_t start = 0; start < in.frames(); start += 250) {
        float* inputs[2] = {copy.left.data() + start, copy.right.data() + start};
        float* outputs[2] = {summed.left.data() + start, summed.right.data() + start};
        adding.instance.process(inputs, outputs, 250);
    }
    for (std::size_t i = 0; i < in.frames(); ++i) {
        ASSERT_EQ(summed.left[i], bed.left[i] + replaced.left[i]) << i;
        ASSERT_EQ(summed.right[i], bed.right[i] + replaced.right[i]) << i;
    }
    EXPECT_NE(changes(replaced.left), 0);
}

TEST_F(LoFi, InPlaceBuffersGiveTheSameResult) {
    LoadedPlugin inPlace(pluginPath("ZuLoFi"));
    for (LoadedPlugin* p : {&plugin, &inPlace}) {
        p->instance.setParameter(1, 0.2f);
        p->instance.setParameter(2, 1.0f);
    }
    const StereoSignal in = music(512);
    const StereoSignal apart = processInCalls(plugin, in, {512});
    StereoSignal buffers = in;
    inPlace.run(buffers, buffers);
    EXPECT_EQ(buffers.left, apart.left);
    EXPECT_EQ(buffers.right, apart.right);
}

// After a suspend the next frame captures at once; what was held survives.
TEST_F(LoFi, SuspendCapturesOnTheNextFrame) {
    captureEvery(4.0f);
    EXPECT_EQ(run({1.0f, 0.2f}), (std::vector<float>{0.0f, 0.0f}));
    suspendAndResume();
    EXPECT_EQ(run({-1.0f, 0.2f, 0.3f, 0.4f, 0.5f}),
              (std::vector<float>{1.0f, 1.0f, 1.0f, -1.0f, -1.0f}));
}

TEST_F(LoFi, ZeroOrNegativeFrameCountsProcessNothing) {
    StereoSignal in = stereo({0.5f}, {0.5f});
    StereoSignal out = stereo({9.0f}, {9.0f});
    float* inputs[2] = {in.left.data(), in.right.data()};
    float* outputs[2] = {out.left.data(), out.right.data()};
    plugin.instance.processReplacing(inputs, outputs, 0);
    plugin.instance.process(inputs, outputs, -5);
    EXPECT_EQ(out.left[0], 9.0f);
    EXPECT_EQ(out.right[0], 9.0f);
    captureEvery(4.0f);
    EXPECT_EQ(run({1.0f, 0.0f, 0.0f, 0.0f})[3], 1.0f) << "the first frame still captures";
}

// The meter reads the largest output magnitude since the last read, in 1/32767 units.
TEST_F(LoFi, TheMeterShowsThePeakSinceTheLastRead) {
    captureEvery(1.0f);
    run({0.25f, -0.5f, 0.125f, 0.0f});
    EXPECT_NEAR(static_cast<double>(plugin.instance.dispatch(effGetVu)), 16384.0, 1.0);
    EXPECT_EQ(plugin.instance.dispatch(effGetVu), 0);
    run({0.0f});
    EXPECT_EQ(plugin.instance.dispatch(effGetVu), 0);
    run({1.0f, 0.0f});
    EXPECT_EQ(plugin.instance.dispatch(effGetVu), 32767);
}

// A capture rate far above the sample rate captures on every frame; lowering Rate afterwards
// captures at the new rate at once, not on every frame for a while.
TEST_F(LoFi, LoweringRateAfterARateAboveTheSampleRate) {
    setSampleRate(400.0f);
    set(1, 1.0f);
    std::vector<float> ramp(2000);
    for (std::size_t i = 0; i < ramp.size(); ++i)
        ramp[i] = static_cast<float>(i + 1) / 4096.0f;
    EXPECT_EQ(changes(run(ramp)), 1999);
    set(1, 0.0f);
    ramp.resize(40);
    EXPECT_NEAR(changes(run(ramp)), 10, 1);
}

// A sample rate that is no rate at all leaves no trace once a real one and Rate are set again,
// even without a suspend.
TEST_F(LoFi, ASaneRateRestartsCapturesWithoutASuspend) {
    std::vector<float> ramp(40);
    for (std::size_t i = 0; i < ramp.size(); ++i)
        ramp[i] = static_cast<float>(i + 1) / 4096.0f;
    for (float hostile : {0.0f, kNaN, -44100.0f, 1e-30f, kInf}) {
        setSampleRate(hostile);
        set(1, 0.5f);
        run(std::vector<float>(100, 0.25f));
        captureEvery(4.0f);
        EXPECT_NEAR(changes(run(ramp)), 10, 1) << "after a sample rate of " << hostile;
    }
}

// After Rate is lowered between two captures the line does not run past the capture: here it
// starts halfway from +1 to -1 and, at the new rate, would reach -2 before the next capture.
TEST_F(LoFi, TheLineStopsAtTheCaptureWhenRateIsLowered) {
    setSampleRate(80000.0f);
    set(1, 1.0f); // captures on frames 0, 1, 3, 5, ...
    set(2, 1.0f);
    std::vector<float> x(60);
    for (std::size_t i = 0; i < x.size(); ++i)
        x[i] = i % 4 == 1 ? 1.0f : -1.0f;
    run(x);
    set(1, 0.0f);
    const auto y = run(std::vector<float>(790, 0.0f));
    EXPECT_EQ(y[0], 0.0f);
    EXPECT_EQ(*std::min_element(y.begin(), y.end()), -1.0f);
    EXPECT_EQ(y.back(), -1.0f);
}

// Whatever a host sent before, once the values are sane again the effect runs as a new one.
TEST_F(LoFi, RecoversFromHostileValues) {
    const struct {
        float sampleRate;
        float value;
    } cases[] = {{0.0f, 1.0f},   {-44100.0f, 0.5f}, {kNaN, 0.2f},     {kInf, 0.7f},
                 {1e-30f, 0.0f}, {44100.0f, kNaN},  {44100.0f, kInf}, {1e30f, -kInf}};
    const StereoSignal in = music(400);
    for (const auto& c : cases) {
        LoadedPlugin used(pluginPath("ZuLoFi"));
        used.instance.dispatch(effSetSampleRate, 0, 0, nullptr, c.sampleRate);
        for (VstInt32 i = 0; i < 3; ++i)
            used.instance.setParameter(i, c.value);
        const StereoSignal hostile = processInCalls(used, in, {64});
        for (float y : hostile.left)
            ASSERT_LE(std::fabs(y), 1.0f) << c.sampleRate << " " << c.value;
        expectRunsLikeANewInstance(used, "after hostile values");
    }
}

// Non-finite input is held like any other capture and leaves with the next two captures.
TEST_F(LoFi, NonFiniteInputPassesThrough) {
    captureEvery(2.0f); // captures on frames 0, 1, 3, 5, 7
    set(2, 1.0f);
    const auto y = run({kNaN, kInf, 0.0f, 0.5f, 0.0f, 0.25f, 0.0f, -0.5f});
    const float half = 16383.0f * kInv16;
    const float quarter = 8191.0f * kInv16;
    EXPECT_TRUE(std::isnan(y[1]));
    EXPECT_TRUE(std::isnan(y[2]));
    EXPECT_EQ(y[3], kInf);
    EXPECT_EQ(y[4], kInf);
    EXPECT_EQ(y[5], half);
    EXPECT_EQ(y[6], 0.5f * half + 0.5f * quarter);
    EXPECT_EQ(y[7], quarter);
}

} // namespace

// ZuTarvel2's sound: half-waves replaced by shapes, checked on signals whose results are known.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <random>

#include "tarvel_fixture.h"

namespace {

using namespace zu::testing;
using zu::host::StereoSignal;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

using Tarvel = TarvelTest;

// A positive half-wave of eight samples, a negative one of eight, then silence: each half-wave
// is eight ring steps long, so the phase moves in exact steps of 1/8.
const std::vector<float> kTwoHalfWaves = repeat(8, 1.0f, repeat(8, -1.0f, {0.0f}));

// A full-scale 441 Hz sine at 44100 Hz: 100 samples a period, exactly 0 every 50 samples.
std::vector<float> sine441(std::size_t frames) {
    std::vector<float> x(frames);
    for (std::size_t i = 0; i < frames; ++i)
        x[i] = i % 50 == 0
                   ? 0.0f
                   : static_cast<float>(std::sin(std::numbers::pi * static_cast<double>(i) / 50.0));
    return x;
}

std::vector<float> noise(std::size_t frames, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> value(-1.0f, 1.0f);
    std::vector<float> x(frames);
    for (float& v : x)
        v = value(random);
    return x;
}

TEST_F(Tarvel, DryMixAtUnityIsTheInputExactly1102SamplesLate) {
    set(kMix, 0.0f);
    const std::vector<float> x = concat(noise(3000, 1), sine441(500));
    const auto out = run(x);
    for (std::size_t i = 0; i < kDelay; ++i)
        ASSERT_EQ(out[i], 0.0f) << i;
    for (std::size_t i = kDelay; i < x.size(); ++i)
        ASSERT_EQ(out[i], x[i - kDelay]) << i;
}

// Each half-wave of eight steps comes out as the shape over its phase range: -1 to 0 for the
// positive half-wave and 0 to 1 for the negative one (Saw Up the other way round). The crossing
// sample ends one half-wave and starts the next, which writes it last.
TEST_F(Tarvel, EachShapeOverAPositiveAndANegativeHalfWave) {
    const struct {
        int shape;
        float distortion;
        std::vector<float> expected;
    } cases[] = {
        {0,
         0.0f,
         {0, .4375f, .75f, .9375f, 1, .9375f, .75f, .4375f, 0, -.4375f, -.75f, -.9375f, -1, -.9375f,
          -.75f, -.4375f, 0}},
        {1,
         0.0f,
         {0, .25f, .5f, .75f, 1, .75f, .5f, .25f, 0, -.25f, -.5f, -.75f, -1, -.75f, -.5f, -.25f,
          0}},
        {2, 0.0f, {1, 1, 1, 1, 1, 1, 1, 1, 1, -1, -1, -1, -1, -1, -1, -1, -1}},
        {3,
         0.0f,
         {0, .125f, .25f, .375f, .5f, .625f, .75f, .875f, -1, -.875f, -.75f, -.625f, -.5f, -.375f,
          -.25f, -.125f, 0}},
        {4,
         0.0f,
         {1, .875f, .75f, .625f, .5f, .375f, .25f, .125f, 0, -.125f, -.25f, -.375f, -.5f, -.625f,
          -.75f, -.875f, -1}},
        {5,
         0.0f,
         {-1, -.53125f, -.125f, .21875f, .5f, .71875f, .875f, .96875f, 1, .96875f, .875f, .71875f,
          .5f, .21875f, -.125f, -.53125f, -1}},
        {6,
         0.0f,
         {1, .53125f, .125f, -.21875f, -.5f, -.71875f, -.875f, -.96875f, -1, -.96875f, -.875f,
          -.71875f, -.5f, -.21875f, .125f, .53125f, 1}},
        // Doubled, 0.75 becomes 1.5 and folds to 0.5; 1.0 becomes 2 and folds to 0.
        {1, 1.0f, {0, .5f, 1, .5f, 0, .5f, 1, .5f, 0, -.5f, -1, -.5f, 0, -.5f, -1, -.5f, 0}},
        {0,
         0.5f,
         {0, .65625f, .875f, .59375f, .5f, .59375f, .875f, .65625f, 0, -.65625f, -.875f, -.59375f,
          -.5f, -.59375f, -.875f, -.65625f, 0}},
        // Square is never folded.
        {2, 1.0f, {1, 1, 1, 1, 1, 1, 1, 1, 1, -1, -1, -1, -1, -1, -1, -1, -1}},
    };
    for (const auto& c : cases) {
        LoadedPlugin fresh(pluginPath("ZuTarvel2"));
        fresh.instance.setParameter(kWaveform, shape(c.shape));
        fresh.instance.setParameter(kWaveformDistortion, c.distortion);
        std::vector<float> x = kTwoHalfWaves;
        x.resize(x.size() + kDelay + 100);
        StereoSignal in = stereo(x, x);
        StereoSignal out(x.size());
        fresh.run(in, out);
        const std::vector<float> got(out.left.begin() + kDelay, out.left.end());
        EXPECT_EQ(std::vector<float>(got.begin(), got.begin() + 17), c.expected)
            << "shape " << c.shape << ", distortion " << c.distortion;
        EXPECT_TRUE(std::all_of(got.begin() + 17, got.end(), [](float v) { return v == 0.0f; }));
    }
}

// kWaveform × 10, truncated, picks the shape; values past either end keep to the nearest one.
TEST_F(Tarvel, WaveformValuesSelectShapes) {
    const auto outputFor = [](float waveform) {
        LoadedPlugin fresh(pluginPath("ZuTarvel2"));
        fresh.instance.setParameter(kWaveform, waveform);
        std::vector<float> x = kTwoHalfWaves;
        x.resize(x.size() + kDelay);
        StereoSignal in = stereo(x, x);
        StereoSignal out(x.size());
        fresh.run(in, out);
        return std::vector<float>(out.left.begin() + kDelay, out.left.end());
    };
    std::vector<std::vector<float>> shapes;
    for (int i = 0; i < 7; ++i)
        shapes.push_back(outputFor(static_cast<float>(i) * 0.1f + 0.05f));
    for (int i = 0; i < 7; ++i)
        for (int j = 0; j < i; ++j)
            ASSERT_NE(shapes[i], shapes[j]) << i << " " << j;
    const struct {
        float value;
        int shape;
    } cases[] = {{0.0f, 0},  {0.1f, 1}, {0.2f, 2},   {0.3f, 3},   {0.4f, 4},
                 {0.5f, 5},  {0.6f, 6}, {0.7f, 6},   {0.69f, 6},  {0.8f, 6},
                 {1.0f, 6},  {kInf, 6}, {0.099f, 0}, {-0.05f, 0}, {-0.1f, 0},
                 {-kInf, 0}, {kNaN, 0}, {1e30f, 6},  {-1e30f, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(outputFor(c.value), shapes[c.shape]) << c.value;
}

TEST_F(Tarvel, TransposeRunsWholeCyclesPerHalfWave) {
    const std::vector<float> oneStep = {0,     .75f, 1,     .75f, 0,    -.75f, -1,   -.75f, 0,
                                        -.75f, -1,   -.75f, 0,    .75f, 1,     .75f, 0};
    set(kTranspose, 0.02f); // 1.99999…: one step
    auto out = changed(kTwoHalfWaves);
    EXPECT_EQ(std::vector<float>(out.begin(), out.begin() + 17), oneStep);

    const auto base = [&](float transpose) {
        LoadedPlugin fresh(pluginPath("ZuTarvel2"));
        fresh.instance.setParameter(kTranspose, transpose);
        const std::vector<float> x = concat(sine441(3000), noise(2000, 4));
        StereoSignal in = stereo(x, x);
        StereoSignal o(x.size());
        fresh.run(in, o);
        return o.left;
    };
    EXPECT_EQ(base(0.01f), base(0.0f)) << "0.01 held in single precision is below one step";
    EXPECT_NE(base(0.02f), base(0.0f));
    EXPECT_EQ(base(0.999f), base(0.99f));
    EXPECT_NE(base(1.0f), base(0.99f)) << "1.0 gives 100 steps";
    EXPECT_EQ(base(2.0f), base(1.0f)) << "no more than 100 steps";
    EXPECT_EQ(base(-1.0f), base(0.0f));
    EXPECT_EQ(base(kNaN), base(0.0f));
}

// Transpose 1.0 on a 441 Hz tone steps the phase by 101/50 per sample, more than a whole
// cycle; it must still stay within one cycle, so no value passes the half-wave's peak.
TEST_F(Tarvel, LargePhaseStepsStayWithinTheShape) {
    set(kTranspose, 1.0f);
    for (int s = 0; s < 7; ++s) {
        set(kWaveform, shape(s));
        const auto out = run(concat(sine441(4000), noise(3000, 9)));
        for (float v : out)
            ASSERT_LE(std::fabs(v), 1.0f) << "shape " << s;
    }
}

// A 441 Hz sine has 50-sample half-waves; each comes out as a parabolic hump of the same
// polarity with the input's peak.
TEST_F(Tarvel, SineShapeTurnsAFullScaleSineIntoParabolicHumps) {
    const std::vector<float> x = sine441(6000);
    const auto out = run(x);
    std::size_t humps = 0;
    for (std::size_t start = 1000; start + 50 < x.size(); start += 50) {
        // Ring steps from the crossing sample that began this half-wave.
        const std::size_t from = start + kDelay;
        if (from + 50 >= out.size()) break;
        float peak = 0.0f;
        for (std::size_t k = 0; k <= 50; ++k) {
            const double t = static_cast<double>(k) / 50.0;
            const float v = out[from + k];
            ASSERT_NEAR(std::fabs(v), 4.0 * t * (1.0 - t), 2e-3) << "frame " << from + k;
            if (k > 0 && k < 50) {
                ASSERT_EQ(v > 0.0f, x[start + k] > 0.0f) << "frame " << start + k;
            }
            peak = std::max(peak, std::fabs(v));
        }
        EXPECT_NEAR(peak, 1.0f, 1e-3);
        ++humps;
    }
    EXPECT_GT(humps, 50u);
}

TEST_F(Tarvel, MixBlendsTheInputWithTheShapeAndVolumeScales) {
    set(kWaveform, shape(2));
    set(kMix, 0.25f);
    set(kOutputVolume, 0.25f);
    const auto out = changed(repeat(8, 0.5f, repeat(8, -0.5f, {0.0f})));
    // Wet share: 0.25 of the half-wave's peak 0.5; the crossing sample is blended twice.
    const std::vector<float> expected = {0.25f,  0.25f,  0.25f,     0.25f,  0.25f,   0.25f,
                                         0.25f,  0.25f,  -0.03125f, -0.25f, -0.25f,  -0.25f,
                                         -0.25f, -0.25f, -0.25f,    -0.25f, -0.0625f};
    EXPECT_EQ(std::vector<float>(out.begin(), out.begin() + 17), expected);
    set(kOutputVolume, 1.0f);
    set(kMix, 0.0f);
    EXPECT_EQ(changed({0.25f, -0.5f})[1], -1.0f) << "volume 1.0 is a gain of 2";
}

// Half-waves shorter than the threshold join the next one; the whole stretch from the first
// one's start is replaced at once with the start phase of the half-wave that ended it.
TEST_F(Tarvel, AThresholdLongerThanTheHalfWavesMergesThem) {
    set(kThreshold, 19.5f / 999.0f); // 20 samples
    std::vector<float> x;
    for (int h = 0; h < 6; ++h)
        x = concat(x, repeat(8, h % 2 == 0 ? 0.5f : -0.5f));
    x.push_back(0.0f);
    set(kWaveform, shape(2));
    const auto square = changed(x);
    // 8 and 16 steps are too short; at 24 the first three half-waves become one positive one.
    for (std::size_t k = 0; k <= 24; ++k)
        EXPECT_EQ(square[k], 0.5f) << k;
    set(kWaveform, shape(0));
    const auto sine = changed(x);
    for (std::size_t k = 1; k < 24; ++k) {
        const double t = static_cast<double>(k) / 24.0;
        EXPECT_NEAR(sine[k], 0.5 * 4.0 * t * (1.0 - t), 1e-5) << k;
    }
}

// Whether a run of `length` positive samples (peak 0.5, the rest 0.25) followed by negative
// ones is replaced by a Square of its peak at the given threshold.
bool replaces(float threshold, std::size_t length) {
    LoadedPlugin fresh(pluginPath("ZuTarvel2"));
    fresh.instance.setParameter(kWaveform, shape(2));
    fresh.instance.setParameter(kThreshold, threshold);
    std::vector<float> x = repeat(length, 0.25f, repeat(kDelay + 20, -0.25f));
    x[length / 2] = 0.5f;
    StereoSignal in = stereo(x, x);
    StereoSignal out(x.size());
    fresh.run(in, out);
    const float first = out.left[kDelay];
    EXPECT_TRUE(first == 0.25f || first == 0.5f) << first;
    return first == 0.5f;
}

TEST(TarvelThreshold, SamplesDerivedFromTheValue) {
    const struct {
        float value;
        std::size_t samples;
    } cases[] = {{0.0f, 1}, {1.0f, 1000}, {0.5f, 500},  {-1.0f, 1},
                 {kNaN, 1}, {-kInf, 1},   {2.0f, 1000}, {kInf, 1000}};
    for (const auto& c : cases) {
        EXPECT_TRUE(replaces(c.value, c.samples)) << c.value;
        if (c.samples > 1) {
            EXPECT_FALSE(replaces(c.value, c.samples - 1)) << c.value;
        }
    }
}

// A crossing sample of exactly 0 ends the half-wave but starts no polarity: the next positive
// samples continue the new half-wave instead of ending a negative one.
TEST_F(Tarvel, AZeroCrossingSampleLeavesThePolarityUndetermined) {
    set(kWaveform, shape(2));
    const auto zero = changed(repeat(8, 0.5f, repeat(1, 0.0f, repeat(8, 0.5f, {-0.5f, 0.0f}))));
    for (std::size_t k = 0; k <= 17; ++k)
        EXPECT_EQ(zero[k], 0.5f) << k;
    // A tiny negative sample instead starts a negative half-wave that the next sample ends, of
    // the tiny sample's peak.
    const auto tiny = changed(repeat(8, 0.5f, repeat(1, -1e-6f, repeat(8, 0.5f, {-0.5f, 0.0f}))));
    EXPECT_EQ(tiny[8], 1e-6f);
}

TEST_F(Tarvel, ProcessWithSilentInputLeavesTheOutputUntouched) {
    for (float volume : {0.0f, 0.5f, 1.0f}) {
        set(kOutputVolume, volume);
        StereoSignal silence(3000);
        StereoSignal out = stereo(noise(3000, 2), noise(3000, 3));
        const StereoSignal before = out;
        plugin.run(silence, out, false);
        EXPECT_EQ(out.left, before.left) << volume;
        EXPECT_EQ(out.right, before.right) << volume;
    }
    // After sound, once silence has filled the ring.
    run(concat(sine441(2000), std::vector<float>(kDelay + 1, 0.0f)));
    StereoSignal silence(500);
    StereoSignal out = stereo(noise(500, 5), noise(500, 6));
    const StereoSignal before = out;
    plugin.run(silence, out, false);
    EXPECT_EQ(out.left, before.left);
    EXPECT_EQ(out.right, before.right);
}

TEST_F(Tarvel, ProcessAddsWhatProcessReplacingWrites) {
    set(kWaveform, shape(1));
    set(kMix, 0.7f);
    const std::vector<float> x = concat(sine441(1500), noise(1500, 7));
    LoadedPlugin replacing(pluginPath("ZuTarvel2"));
    replacing.instance.setParameter(kWaveform, shape(1));
    replacing.instance.setParameter(kMix, 0.7f);
    StereoSignal in = stereo(x, x);
    StereoSignal written(x.size());
    replacing.run(in, written);
    StereoSignal added = stereo(std::vector<float>(x.size(), 0.5f), std::vector<float>(x.size()));
    plugin.run(in, added, false);
    for (std::size_t i = 0; i < x.size(); ++i) {
        ASSERT_EQ(added.left[i], 0.5f + written.left[i]) << i;
        ASSERT_EQ(added.right[i], written.right[i]) << i;
    }
}

TEST_F(Tarvel, ZeroFrameBlocksChangeNothing) {
    const std::vector<float> x = concat(sine441(700), noise(700, 8));
    LoadedPlugin reference(pluginPath("ZuTarvel2"));
    StereoSignal in = stereo(x, x);
    StereoSignal expected(x.size());
    reference.run(in, expected);

    StereoSignal first = stereo({x.begin(), x.begin() + 333}, {x.begin(), x.begin() + 333});
    StereoSignal rest = stereo({x.begin() + 333, x.end()}, {x.begin() + 333, x.end()});
    StereoSignal out1(first.frames()), out2(rest.frames());
    plugin.run(first, out1);
    StereoSignal untouched = stereo({9.0f}, {9.0f});
    float* inputs[2] = {rest.left.data(), rest.right.data()};
    float* outputs[2] = {untouched.left.data(), untouched.right.data()};
    plugin.instance.processReplacing(inputs, outputs, 0);
    plugin.instance.process(inputs, outputs, 0);
    plugin.instance.processReplacing(inputs, outputs, -3);
    EXPECT_EQ(untouched.left[0], 9.0f);
    plugin.run(rest, out2);
    EXPECT_EQ(concat(out1.left, out2.left), expected.left);
}

// The result does not depend on how the host cuts the signal into blocks, nor on whether the
// output buffers are the input buffers.
TEST_F(Tarvel, TheSameOutputWhateverTheBlockSizes) {
    const std::vector<float> left = concat(concat(sine441(2500), noise(2500, 10)), sine441(2000));
    const std::vector<float> right = concat(noise(3000, 11), sine441(4000));
    const auto render = [&](const std::vector<std::size_t>& sizes, bool inPlace) {
        LoadedPlugin p(pluginPath("ZuTarvel2"));
        p.instance.setParameter(kWaveform, shape(5));
        p.instance.setParameter(kWaveformDistortion, 0.3f);
        p.instance.setParameter(kTranspose, 0.02f);
        p.instance.setParameter(kMix, 0.8f);
        StereoSignal all(left.size());
        std::size_t at = 0;
        for (std::size_t n = 0; at < left.size(); ++n) {
            const std::size_t frames = std::min(sizes[n % sizes.size()], left.size() - at);
            StereoSignal in = stereo({left.begin() + at, left.begin() + at + frames},
                                     {right.begin() + at, right.begin() + at + frames});
            StereoSignal out(frames);
            p.run(in, inPlace ? in : out);
            const StereoSignal& result = inPlace ? in : out;
            std::copy(result.left.begin(), result.left.end(), all.left.begin() + at);
            std::copy(result.right.begin(), result.right.end(), all.right.begin() + at);
            at += frames;
        }
        return all;
    };
    const StereoSignal whole = render({left.size()}, false);
    for (const auto& sizes : std::vector<std::vector<std::size_t>>{
             {1}, {3}, {64}, {512}, {1103}, {1102, 1, 7}, {13, 1000, 2, 4, 5}}) {
        for (bool inPlace : {false, true}) {
            const StereoSignal cut = render(sizes, inPlace);
            EXPECT_EQ(cut.left, whole.left) << sizes[0] << (inPlace ? " in place" : "");
            EXPECT_EQ(cut.right, whole.right) << sizes[0] << (inPlace ? " in place" : "");
        }
    }
}

TEST_F(Tarvel, TheChannelsAreIndependent) {
    set(kWaveform, shape(1));
    const std::vector<float> a = concat(sine441(2000), noise(1000, 12));
    const std::vector<float> b = noise(3000, 13);
    StereoSignal in = stereo(a, b);
    StereoSignal out(a.size());
    plugin.run(in, out);
    LoadedPlugin other(pluginPath("ZuTarvel2"));
    other.instance.setParameter(kWaveform, shape(1));
    StereoSignal swapped = stereo(b, a);
    StereoSignal out2(a.size());
    other.run(swapped, out2);
    EXPECT_EQ(out.left, out2.right);
    EXPECT_EQ(out.right, out2.left);
}

// Infinite and NaN input comes out where it went in, but leaves no trace: once finite input
// returns, the output is finite again after one pass through the ring.
TEST_F(Tarvel, NonFiniteInputLeavesNoLastingTrace) {
    const std::vector<std::vector<float>> bursts = {
        {kInf, 0.5f}, {kNaN}, {-kInf, kNaN, kInf}, {0.3f, kNaN, -0.2f, kInf, -kInf}};
    for (const auto& burst : bursts) {
        for (float mix : {1.0f, 0.5f}) {
            LoadedPlugin p(pluginPath("ZuTarvel2"));
            p.instance.setParameter(kMix, mix);
            std::vector<float> x = sine441(1030);
            x = concat(x, burst);
            const std::size_t normal = x.size();
            x = concat(x, concat(sine441(3000), noise(2000, 14)));
            StereoSignal in = stereo(x, x);
            StereoSignal out(x.size());
            p.run(in, out);
            for (std::size_t i = normal + kDelay; i < x.size(); ++i)
                ASSERT_TRUE(std::isfinite(out.left[i])) << "frame " << i << ", mix " << mix;
        }
    }
}

// A half-wave of exactly one ring length measures 0 steps; a negative threshold must not let
// it through to a division by zero.
TEST_F(Tarvel, ANegativeThresholdActsAsOneSample) {
    const std::vector<float> x = repeat(kDelay + 1, 0.5f, repeat(50, -0.5f, repeat(60, 0.5f)));
    set(kThreshold, -1.0f);
    const auto negative = run(x);
    LoadedPlugin zero(pluginPath("ZuTarvel2"));
    StereoSignal in = stereo(x, x);
    StereoSignal out(x.size());
    zero.run(in, out);
    EXPECT_EQ(negative, out.left);
    for (float v : negative)
        ASSERT_TRUE(std::isfinite(v));
}

} // namespace

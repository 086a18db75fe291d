#include <gtest/gtest.h>

#include <cmath>

#include "wave_shapes.h"

namespace {

using namespace zu::tarvel;

TEST(WaveShapes, ValuesAtTheCornersOfTheCycle) {
    const float phases[] = {-1.0f, -0.75f, -0.5f, -0.25f, 0.0f, 0.25f, 0.5f, 0.75f, 1.0f};
    const struct {
        const char* name;
        float (*value)(float);
        float expected[9];
    } shapes[] = {
        {"Sine", waveValue<kSine>, {0, 0.75f, 1, 0.75f, 0, -0.75f, -1, -0.75f, 0}},
        {"Triangle", waveValue<kTriangle>, {0, 0.5f, 1, 0.5f, 0, -0.5f, -1, -0.5f, 0}},
        {"Square", waveValue<kSquare>, {1, 1, 1, 1, 1, -1, -1, -1, -1}},
        {"Saw Up", waveValue<kSawUp>, {-1, -0.75f, -0.5f, -0.25f, 0, 0.25f, 0.5f, 0.75f, 1}},
        {"Saw Down", waveValue<kSawDown>, {1, 0.75f, 0.5f, 0.25f, 0, -0.25f, -0.5f, -0.75f, -1}},
        {"Exp. Up", waveValue<kExpUp>, {-1, -0.125f, 0.5f, 0.875f, 1, 0.875f, 0.5f, -0.125f, -1}},
        {"Exp. Down",
         waveValue<kExpDown>,
         {1, 0.125f, -0.5f, -0.875f, -1, -0.875f, -0.5f, 0.125f, 1}},
    };
    for (const auto& shape : shapes)
        for (int i = 0; i < 9; ++i)
            EXPECT_EQ(shape.value(phases[i]), shape.expected[i])
                << shape.name << " at " << phases[i];
}

TEST(WaveShapes, FoldBackGainsAndFoldsOnce) {
    const struct {
        float w, gain, expected;
    } cases[] = {
        {0.75f, 2.0f, 0.5f}, {-0.75f, 2.0f, -0.5f}, {0.4f, 2.0f, 0.8f}, {0.5f, 2.0f, 1.0f},
        {1.0f, 2.0f, 0.0f},  {-1.0f, 2.0f, 0.0f},   {0.0f, 2.0f, 0.0f}, {0.8f, 1.5f, 0.8f},
    };
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(foldBack(c.w, c.gain), c.expected) << c.w << " × " << c.gain;
}

// Increments above 2 (short half-waves at a high transpose) must not let the phase run away.
TEST(WaveShapes, WrapPhaseLandsInMinusOneToOne) {
    const struct {
        float phase, expected;
    } cases[] = {
        {1.5f, -0.5f},  {3.0f, 1.0f}, {1.0f + 1e-7f, -1.0f + 1e-7f},
        {3.5f, -0.5f},  {5.0f, 1.0f}, {102.25f, 0.25f},
        {101.0f, 1.0f}, {2.0f, 0.0f}, {1e6f + 0.5f, 0.5f},
    };
    for (const auto& c : cases) {
        const float wrapped = wrapPhase(c.phase);
        EXPECT_FLOAT_EQ(wrapped, c.expected) << c.phase;
        EXPECT_GT(wrapped, -1.0f) << c.phase;
        EXPECT_LE(wrapped, 1.0f) << c.phase;
    }
}

TEST(WaveShapes, SawUpStartsTheOtherWayRound) {
    for (int shape = 0; shape < kNumWaveforms; ++shape) {
        EXPECT_EQ(startPhase(shape, true), shape == kSawUp ? 0.0f : -1.0f) << shape;
        EXPECT_EQ(startPhase(shape, false), shape == kSawUp ? -1.0f : 0.0f) << shape;
    }
}

} // namespace

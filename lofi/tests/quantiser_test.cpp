#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "quantiser.h"

namespace {

float levelAt(int bits) {
    return static_cast<float>((1 << (bits - 1)) - 1);
}

// Full scale at every depth: -1 stays -1; +1 falls one step short up to 9 bits, where the
// scale stays just under the level, and is kept from 10 bits on.
TEST(Quantiser, FullScaleAtEveryDepth) {
    for (int bits = 2; bits <= 16; ++bits) {
        const Quantiser q(bits);
        const float level = levelAt(bits);
        const float inv = 1.0f / level;
        EXPECT_EQ(q.step(), inv) << bits;
        EXPECT_EQ(q(-1.0f), -1.0f) << bits;
        EXPECT_EQ(q(1.0f), bits <= 9 ? (level - 1.0f) * inv : 1.0f) << bits;
        EXPECT_EQ(q(0.0f), 0.0f) << bits;
        EXPECT_EQ(q(-1e-30f), -inv) << bits;
    }
}

// Every output is a whole multiple of the step, at most one step below the input.
TEST(Quantiser, RoundsDownToWholeSteps) {
    for (int bits : {2, 3, 8, 9, 10, 12, 16}) {
        const Quantiser q(bits);
        const float inv = 1.0f / levelAt(bits);
        for (int i = -1000; i <= 1000; ++i) {
            const float x = static_cast<float>(i) / 1000.0f;
            const float y = q(x);
            const float n = std::round(y * levelAt(bits));
            EXPECT_EQ(y, n * inv) << bits << " " << x;
            EXPECT_LE(y, x) << bits << " " << x;
            EXPECT_GT(y + inv, x - 1e-6f) << bits << " " << x;
        }
    }
}

TEST(Quantiser, TwoBitsSplitAtZero) {
    const Quantiser q(2);
    for (float x : {0.0f, 1e-30f, 0.5f, 0.999f, 1.0f})
        EXPECT_EQ(q(x), 0.0f) << x;
    for (float x : {-1e-30f, -0.5f, -1.0f})
        EXPECT_EQ(q(x), -1.0f) << x;
}

TEST(Quantiser, SixteenBitHalves) {
    const Quantiser q(16);
    EXPECT_EQ(q(0.5f), 16383.0f * (1.0f / 32767.0f));
    EXPECT_EQ(q(-0.5f), -16384.0f * (1.0f / 32767.0f));
}

TEST(Quantiser, NonFiniteAndHugeSamplesStayDefined) {
    const float inf = std::numeric_limits<float>::infinity();
    const Quantiser q(16);
    EXPECT_TRUE(std::isnan(q(std::numeric_limits<float>::quiet_NaN())));
    EXPECT_EQ(q(inf), inf);
    EXPECT_EQ(q(-inf), -inf);
    EXPECT_FLOAT_EQ(q(1e30f), 1e30f);
    EXPECT_FLOAT_EQ(q(-3e38f), -3e38f);
}

} // namespace

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "lfo_shape.h"

namespace {

constexpr float kEdgeAt4Hz = 0.08f;

TEST(LfoShape, PassesThroughItsDescribedPoints) {
    const float e = kEdgeAt4Hz;
    const struct {
        std::int32_t shape;
        float p;
        float m;
    } cases[] = {
        {kSine, -1.0f, 0.0f},     {kSine, -0.5f, 1.0f},    {kSine, 0.0f, 0.0f},
        {kSine, 0.5f, -1.0f},     {kSine, 1.0f, 0.0f},     {kTri, -1.0f, 0.0f},
        {kTri, -0.5f, 1.0f},      {kTri, 0.0f, 0.0f},      {kTri, 0.5f, -1.0f},
        {kTri, 1.0f, 0.0f},       {kSquare, -1.0f, 0.0f},  {kSquare, e - 1.0f, 1.0f},
        {kSquare, -0.5f, 1.0f},   {kSquare, -e, 1.0f},     {kSquare, 0.0f, 0.0f},
        {kSquare, e, -1.0f},      {kSquare, 0.5f, -1.0f},  {kSquare, 1.0f - e, -1.0f},
        {kSquare, 1.0f, 0.0f},    {kSawUp, -1.0f, 0.0f},   {kSawUp, 0.0f, 0.0f},
        {kSawUp, 1.0f, 0.0f},     {kSawUp, 0.46f, 0.5f},   {kSawDown, -1.0f, 0.0f},
        {kSawDown, 0.46f, -0.5f}, {kSawDown, 1.0f, 0.0f},  {kExpUp, -1.0f, -1.0f},
        {kExpUp, 0.0f, 1.0f},     {kExpUp, 1.0f, -1.0f},   {kExpUp, 0.5f, 0.5f},
        {kExpDown, -1.0f, 1.0f},  {kExpDown, 0.0f, -1.0f}, {kExpDown, 1.0f, 1.0f},
        {kExpDown, -0.5f, -0.5f},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(lfoShape(c.shape, c.p, e), c.m, 1e-6f) << "shape " << c.shape << " p " << c.p;
}

TEST(LfoShape, SawsRampAcrossTheMiddleAndBendToTheirEnds) {
    const float e = kEdgeAt4Hz;
    EXPECT_NEAR(lfoShape(kSawUp, e - 1.0f, e), -1.0f, 1e-6f);
    EXPECT_NEAR(lfoShape(kSawUp, 1.0f - e, e), 1.0f, 1e-6f);
    for (float p = -1.0f; p <= 1.0f; p += 0.01f)
        EXPECT_EQ(lfoShape(kSawDown, p, e), -lfoShape(kSawUp, p, e)) << p;
}

// Over the whole cycle, at the narrowest and widest edges and one between, every shape stays
// within -1..1, is continuous (no step larger than its steepest slope allows) and ends where
// it began, so that the wrap from p = 1 to p = -1 makes no click.
TEST(LfoShape, EveryShapeIsBoundedContinuousAndPeriodic) {
    for (const float e : {0.0002f, kEdgeAt4Hz, 0.4f}) {
        const float d = e / 16.0f;
        const float slope = std::max(4.0f, 2.0f / e);
        for (std::int32_t shape = 0; shape < kNumLfoShapes; ++shape) {
            EXPECT_EQ(lfoShape(shape, -1.0f, e), lfoShape(shape, 1.0f, e)) << shape;
            float previous = lfoShape(shape, -1.0f, e);
            int failures = 0;
            for (double p = -1.0 + d; p <= 1.0 && failures < 3; p += d) {
                const float m = lfoShape(shape, static_cast<float>(p), e);
                const bool ok =
                    m >= -1.0f && m <= 1.0f && std::fabs(m - previous) <= slope * d * 1.01f + 1e-5f;
                if (!ok) {
                    ++failures;
                    ADD_FAILURE() << "shape " << shape << " edge " << e << " p " << p << ": "
                                  << previous << " then " << m;
                }
                previous = m;
            }
        }
    }
}

} // namespace

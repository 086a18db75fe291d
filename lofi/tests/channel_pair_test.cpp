// The target's ChannelPair (SSE2 on x86-64) against the single-channel arithmetic it replaces.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <vector>

#include "channel_pair.h"

namespace {

std::uint32_t bits(float v) {
    return std::bit_cast<std::uint32_t>(v);
}

// Every kind of float: audio-range values, the edges, and random bit patterns.
std::vector<float> samples() {
    const float inf = std::numeric_limits<float>::infinity();
    std::vector<float> v = {0.0f,     -0.0f,   1e-45f,
                            -1e-45f,  1e-39f,  -1e-39f,
                            1e-30f,   -1e-30f, 1.0f,
                            -1.0f,    inf,     -inf,
                            1e10f,    -1e10f,  6.9e10f,
                            -6.9e10f, 1.3e11f, -1.3e11f,
                            3e38f,    -3e38f,  std::numeric_limits<float>::quiet_NaN()};
    for (int i = -1500; i <= 1500; ++i)
        v.push_back(static_cast<float>(i) / 1000.0f);
    for (int level : {1, 3, 127, 255, 511, 32767})
        for (int n = -level; n <= level; n += (level > 300 ? 97 : 1))
            for (float nudge : {-1e-7f, 0.0f, 1e-7f})
                v.push_back(static_cast<float>(n) / static_cast<float>(level) + nudge);
    std::uint32_t state = 12345;
    for (int i = 0; i < 20000; ++i) {
        state = state * 1664525u + 1013904223u;
        v.push_back(std::bit_cast<float>(state));
    }
    return v;
}

TEST(ChannelPair, QuantisesBothChannelsLikeTheSingleChannelQuantiser) {
    const std::vector<float> x = samples();
    for (int depth = 2; depth <= 16; ++depth) {
        const Quantiser q(depth);
        for (std::size_t i = 0; i + 1 < x.size(); ++i) {
            const ChannelPair pair = ChannelPair(x[i], x[i + 1]).quantised(q);
            ASSERT_EQ(bits(pair[0]), bits(q(x[i]))) << depth << " bits, " << x[i];
            ASSERT_EQ(bits(pair[1]), bits(q(x[i + 1]))) << depth << " bits, " << x[i + 1];
        }
    }
}

TEST(ChannelPair, LineRoundsLikeTheSingleChannelFormula) {
    const std::vector<float> x = samples();
    for (float t : {0.0f, 0.25f, 0.3f, 0.907029f, 0.999f, 1.0f}) {
        for (std::size_t i = 0; i + 3 < x.size(); i += 2) {
            const ChannelPair y =
                ChannelPair::line(ChannelPair(x[i], x[i + 1]), ChannelPair(x[i + 2], x[i + 3]), t);
            ASSERT_EQ(bits(y[0]), bits((1.0f - t) * x[i] + t * x[i + 2])) << t << " " << i;
            ASSERT_EQ(bits(y[1]), bits((1.0f - t) * x[i + 1] + t * x[i + 3])) << t << " " << i;
        }
    }
}

TEST(ChannelPair, PeakIsTheLargestMagnitudeAndIgnoresNaN) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    ChannelPair peak;
    EXPECT_EQ(peak.largest(), 0.0f);
    peak = peak.withPeakOf(ChannelPair(-0.5f, 0.25f));
    peak = peak.withPeakOf(ChannelPair(nan, -0.75f));
    peak = peak.withPeakOf(ChannelPair(0.125f, nan));
    EXPECT_EQ(peak[0], 0.5f);
    EXPECT_EQ(peak[1], 0.75f);
    EXPECT_EQ(peak.largest(), 0.75f);
}

TEST(ChannelPair, StoresAndAddsEachChannelToItsOwnBuffer) {
    float left = 1.0f;
    float right = 2.0f;
    const ChannelPair y(0.5f, -0.25f);
    y.addTo(&left, &right);
    EXPECT_EQ(left, 1.5f);
    EXPECT_EQ(right, 1.75f);
    y.store(&left, &right);
    EXPECT_EQ(left, 0.5f);
    EXPECT_EQ(right, -0.25f);
}

} // namespace

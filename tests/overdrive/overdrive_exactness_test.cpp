// Every output bit of ZuOverdrive against a plain model of its arithmetic: the curve built
// segment by segment, one table read per sample, the dry mix, for any split into blocks.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "loaded_plugin.h"
#include "same_bits.h"

namespace {

using zu::host::StereoSignal;
using zu::testing::LoadedPlugin;
using zu::testing::pluginPath;
using zu::testing::sameBits;

constexpr int kTableSize = 32768;

std::vector<float> modelCurve(int exponent) {
    std::vector<float> curve(kTableSize);
    float prev = 1.0f;
    for (int i = 0; i < 128; ++i) {
        const float m = static_cast<float>(std::pow(1.0 - (i + 1) / 128.0, exponent));
        const float step = (prev - m) / 256.0f;
        float v = prev;
        for (int j = 0; j < 256; ++j) {
            v = v - step;
            curve[static_cast<std::size_t>(256 * i + j)] = v;
        }
        prev = m;
    }
    return curve;
}

struct Model {
    std::vector<float> curve;
    float depth;
    float volume;

    // Denormal samples are taken as zero.
    float operator()(float x) const {
        if (std::fpclassify(x) == FP_SUBNORMAL) x = 0.0f;
        float wet;
        if (x >= 0.0f) {
            const float a = x < 1.0f ? x : 1.0f;
            wet = 1.0f - curve[static_cast<std::size_t>(static_cast<int>(a * 32767.0f))];
        } else {
            const float a = x > -1.0f ? x : -1.0f;
            wet = curve[static_cast<std::size_t>(static_cast<int>(a * -32767.0f))] - 1.0f;
        }
        return volume * (depth * wet + (1.0f - depth) * x);
    }
};

// The Drive value whose level (Drive² × 0.999999 × 100, truncated) is `level`.
float driveFor(int level) {
    return static_cast<float>(std::sqrt((level + 0.5) / (0.999999 * 100.0)));
}

class OverdriveExactness : public ::testing::Test {
protected:
    // Sets the three parameters and returns the matching model.
    Model set(int level, float depth, float volume) {
        plugin.instance.setParameter(0, driveFor(level));
        plugin.instance.setParameter(1, depth);
        plugin.instance.setParameter(2, volume);
        EXPECT_EQ(std::stoi(plugin.instance.parameterDisplay(0)), level);
        return {modelCurve(level + 1), depth, volume};
    }

    void expectModel(const Model& model, const StereoSignal& in, const StereoSignal& before,
                     const StereoSignal& out, bool replacing, const std::string& what) {
        int wrong = 0;
        for (std::size_t i = 0; i < in.frames() && wrong < 5; ++i)
            for (int c = 0; c < 2; ++c) {
                const float x = c == 0 ? in.left[i] : in.right[i];
                const float y = model(x);
                const float expected =
                    replacing ? y : (c == 0 ? before.left[i] : before.right[i]) + y;
                const float got = c == 0 ? out.left[i] : out.right[i];
                if (!sameBits(got, expected)) {
                    ++wrong;
                    ADD_FAILURE() << what << ": x = " << std::hexfloat << x << " gives " << got
                                  << ", expected " << expected;
                }
            }
    }

    LoadedPlugin plugin{pluginPath("ZuOverdrive")};
};

// One sample on each table entry, of each sign, at every drive level.
TEST_F(OverdriveExactness, EveryTableEntryAtEveryDriveLevel) {
    StereoSignal in(kTableSize);
    for (int k = 0; k < kTableSize; ++k) {
        const float x = k == kTableSize - 1 ? 1.0f : (static_cast<float>(k) + 0.5f) / 32767.0f;
        in.left[static_cast<std::size_t>(k)] = x;
        in.right[static_cast<std::size_t>(k)] = -x;
    }
    for (int level = 0; level < 100; ++level) {
        const Model model = set(level, 1.0f, 1.0f);
        StereoSignal out(in.frames());
        plugin.runInBlocks(in, out, true);
        expectModel(model, in, out, out, true, "level " + std::to_string(level));
    }
}

// Every sign and exponent, denormals, infinities and NaN, through both routines and in place.
TEST_F(OverdriveExactness, TheMixAcrossTheWholeFloatRange) {
    StereoSignal in(65536 + 4096);
    for (std::uint32_t high = 0; high < 65536; ++high) {
        const std::uint32_t bits = high << 16 | 0x5a5au;
        std::memcpy(&in.left[high], &bits, sizeof bits);
        in.right[high] = -in.left[high];
    }
    std::mt19937 random(7);
    std::uniform_real_distribution<float> near(-1.5f, 1.5f);
    for (std::size_t i = 65536; i < in.frames(); ++i) {
        in.left[i] = near(random);
        in.right[i] = i % 7 == 0 ? -0.0f : near(random);
    }
    StereoSignal before(in.frames());
    for (std::size_t i = 0; i < in.frames(); ++i) {
        before.left[i] = near(random);
        before.right[i] = near(random);
    }
    for (int level : {0, 1, 24, 48, 99})
        for (float depth : {0.0f, 0.37f, 1.0f})
            for (float volume : {0.0f, 0.8f, 1.0f}) {
                const Model model = set(level, depth, volume);
                const std::string what = "level " + std::to_string(level) + ", depth " +
                                         std::to_string(depth) + ", volume " +
                                         std::to_string(volume);
                StereoSignal replaced(in.frames());
                plugin.runInBlocks(in, replaced, true);
                expectModel(model, in, replaced, replaced, true, what + ", replacing");
                StereoSignal added = before;
                plugin.runInBlocks(in, added, false);
                expectModel(model, in, before, added, false, what + ", adding");
                StereoSignal inPlace = in;
                plugin.runInBlocks(inPlace, inPlace, true);
                expectModel(model, in, inPlace, inPlace, true, what + ", in place");
            }
}

TEST_F(OverdriveExactness, TheMeterReadsTheLargestOutput) {
    const Model model = set(48, 0.6f, 0.8f);
    std::mt19937 random(3);
    std::uniform_real_distribution<float> sample(-1.2f, 1.2f);
    StereoSignal in(1000);
    float largest = 0.0f;
    for (std::size_t i = 0; i < in.frames(); ++i) {
        in.left[i] = sample(random);
        in.right[i] = sample(random);
        largest = std::max({largest, std::fabs(model(in.left[i])), std::fabs(model(in.right[i]))});
    }
    StereoSignal out(in.frames());
    plugin.runInBlocks(in, out, true);
    EXPECT_EQ(plugin.instance.dispatch(effGetVu), static_cast<VstIntPtr>(largest * 32767.0f));
}

} // namespace

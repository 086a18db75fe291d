// Every output bit of ZuTremolo is its input times the gain of that frame: the gains read with
// a constant input of 1.0 from one instance, the product from another driven the same way.
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

// Denormal samples are taken as a zero of their sign.
float taken(float x) {
    return std::fpclassify(x) == FP_SUBNORMAL ? std::copysign(0.0f, x) : x;
}

StereoSignal hostileSignal(std::size_t frames) {
    std::mt19937 random(11);
    std::uniform_real_distribution<float> sample(-1.5f, 1.5f);
    const float specials[] = {0.0f,
                              -0.0f,
                              std::numeric_limits<float>::denorm_min(),
                              -1e-39f,
                              std::numeric_limits<float>::min(),
                              -std::numeric_limits<float>::min(),
                              std::numeric_limits<float>::infinity(),
                              std::numeric_limits<float>::quiet_NaN(),
                              1e30f};
    StereoSignal s(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        s.left[i] = i % 5 == 0 ? specials[i / 5 % std::size(specials)] : sample(random);
        s.right[i] = i % 7 == 0 ? specials[i / 7 % std::size(specials)] : sample(random);
    }
    return s;
}

TEST(TremoloExactness, EveryOutputIsTheInputTimesTheGainOfItsFrame) {
    const StereoSignal x = hostileSignal(3000);
    StereoSignal before = hostileSignal(3000);
    std::swap(before.left, before.right);
    for (int shape = 0; shape < 7; ++shape)
        for (float stereo : {0.0f, 1.0f}) {
            const std::string what = "shape " + std::to_string(shape) + ", stereo " +
                                     std::to_string(static_cast<int>(stereo));
            auto make = [&] {
                auto plugin = std::make_unique<LoadedPlugin>(pluginPath("ZuTremolo"));
                plugin->instance.setParameter(0, 0.9f);
                plugin->instance.setParameter(1, 0.7f);
                plugin->instance.setParameter(2, static_cast<float>((shape + 0.5) / (7 * 0.999)));
                plugin->instance.setParameter(3, stereo);
                return plugin;
            };
            StereoSignal ones(x.frames());
            std::fill(ones.left.begin(), ones.left.end(), 1.0f);
            std::fill(ones.right.begin(), ones.right.end(), 1.0f);
            StereoSignal gains(x.frames());
            make()->runInBlocks(ones, gains);

            StereoSignal in = x;
            StereoSignal replaced(x.frames());
            make()->runInBlocks(in, replaced);
            StereoSignal added = before;
            make()->runInBlocks(in, added, false);
            int wrong = 0;
            for (std::size_t i = 0; i < x.frames() && wrong < 5; ++i)
                for (int c = 0; c < 2; ++c) {
                    const auto& channel = [&](const StereoSignal& s) {
                        return c == 0 ? s.left[i] : s.right[i];
                    };
                    const float y = taken(channel(x)) * channel(gains);
                    if (!sameBits(channel(replaced), y) ||
                        !sameBits(channel(added), channel(before) + y)) {
                        ++wrong;
                        ADD_FAILURE()
                            << what << ", frame " << i << ", x = " << std::hexfloat << channel(x)
                            << ": " << channel(replaced) << " and " << channel(added)
                            << ", expected " << y << " and " << channel(before) + y;
                    }
                }
        }
}

} // namespace

// A Drive change from another thread while the audio thread rebuilds the curve is never lost.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "loaded_plugin.h"

namespace {

using zu::host::StereoSignal;
using zu::testing::LoadedPlugin;
using zu::testing::pluginPath;

StereoSignal probe() {
    StereoSignal s(64);
    for (std::size_t i = 0; i < s.frames(); ++i) {
        s.left[i] = static_cast<float>(i) / 64.0f;
        s.right[i] = -s.left[i];
    }
    return s;
}

TEST(OverdriveThreads, TheLastDriveChangeAlwaysReachesTheCurve) {
    LoadedPlugin fresh(pluginPath("ZuOverdrive"));
    for (int round = 0; round < 20; ++round) {
        LoadedPlugin plugin(pluginPath("ZuOverdrive"));
        std::atomic<bool> done{false};
        std::thread audio([&] {
            StereoSignal in = probe();
            StereoSignal out(in.frames());
            while (!done.load())
                plugin.run(in, out);
        });
        float last = 0.0f;
        for (int i = 0; i < 300; ++i) {
            last = static_cast<float>((i * 37 + round) % 100) / 100.0f;
            plugin.instance.setParameter(0, last);
            std::this_thread::yield();
        }
        done = true;
        audio.join();

        fresh.instance.setParameter(0, last);
        StereoSignal in = probe();
        StereoSignal expected(in.frames());
        StereoSignal got(in.frames());
        fresh.run(in, expected);
        plugin.run(in, got);
        ASSERT_EQ(got.left, expected.left) << "round " << round << ", drive " << last;
    }
}

} // namespace

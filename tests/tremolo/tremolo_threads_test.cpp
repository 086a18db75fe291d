// Parameter, program and meter requests from another thread while the audio thread processes:
// no data race, and once the host has set the effect up again it runs as a new one.
#include <gtest/gtest.h>

#include <atomic>
#include <limits>
#include <thread>

#include "loaded_plugin.h"

namespace {

using zu::host::StereoSignal;
using zu::testing::LoadedPlugin;
using zu::testing::pluginPath;

StereoSignal probe() {
    StereoSignal s(61);
    for (std::size_t i = 0; i < s.frames(); ++i) {
        s.left[i] = static_cast<float>(i) / 61.0f - 0.5f;
        s.right[i] = 1.0f - s.left[i];
    }
    return s;
}

TEST(TremoloThreads, ChangesDuringProcessingLeaveNothingBehind) {
    constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
    const float values[] = {0.0f, 0.3f, 1.0f, 0.144f, 0.501f, kNaN, -2.0f, 7.0f};
    for (int round = 0; round < 10; ++round) {
        LoadedPlugin plugin(pluginPath("ZuTremolo"));
        std::atomic<bool> done{false};
        std::thread audio([&] {
            StereoSignal in = probe();
            StereoSignal out(in.frames());
            bool replacing = true;
            while (!done.load()) {
                plugin.run(in, out, replacing);
                replacing = !replacing;
            }
        });
        for (int i = 0; i < 400; ++i) {
            const VstInt32 index = (i + round) % 4;
            plugin.instance.setParameter(index, values[(i * 7 + round) % 8]);
            plugin.instance.getParameter(index);
            plugin.instance.parameterDisplay(index);
            plugin.instance.dispatch(effGetVu);
            if (i % 50 == 0) plugin.instance.setProgram((i / 50) % 16);
            if (i % 30 == 0) plugin.instance.dispatch(effMainsChanged, 0, i % 60 == 0 ? 0 : 1);
            std::this_thread::yield();
        }
        done = true;
        audio.join();

        LoadedPlugin fresh(pluginPath("ZuTremolo"));
        for (VstInt32 index = 0; index < 4; ++index) {
            const float value = 0.25f * static_cast<float>(index) + 0.1f;
            plugin.instance.setParameter(index, value);
            fresh.instance.setParameter(index, value);
        }
        plugin.instance.dispatch(effMainsChanged, 0, 0);
        ASSERT_TRUE(zu::testing::sameOutput(plugin, fresh, probe())) << "round " << round;
    }
}

} // namespace

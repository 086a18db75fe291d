// Parameter and program changes from another thread while the audio thread processes: no data
// race, and the last change of each parameter is what the processing ends up using.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>

#include "tarvel_fixture.h"

namespace {

using zu::host::StereoSignal;
using zu::testing::LoadedPlugin;
using zu::testing::pluginPath;

StereoSignal probe() {
    StereoSignal s(1500);
    for (std::size_t i = 0; i < s.frames(); ++i) {
        s.left[i] = std::sin(0.07f * static_cast<float>(i));
        s.right[i] = std::sin(0.31f * static_cast<float>(i)) * 0.5f;
    }
    return s;
}

TEST(TarvelThreads, ChangesDuringProcessingAreNeverLost) {
    for (int round = 0; round < 10; ++round) {
        LoadedPlugin plugin(pluginPath("ZuTarvel2"));
        std::atomic<bool> done{false};
        std::thread audio([&] {
            StereoSignal in = probe();
            StereoSignal out(in.frames());
            while (!done.load())
                plugin.run(in, out);
        });
        float last[6] = {};
        for (int i = 0; i < 400; ++i) {
            if (i % 97 == 0) plugin.instance.setProgram((i + round) % 16);
            const auto index = static_cast<VstInt32>(i % 6);
            last[index] = static_cast<float>((i * 37 + round) % 100) / 100.0f;
            plugin.instance.setParameter(index, last[index]);
            std::this_thread::yield();
        }
        done = true;
        audio.join();

        LoadedPlugin fresh(pluginPath("ZuTarvel2"));
        for (VstInt32 i = 0; i < 6; ++i) {
            ASSERT_EQ(plugin.instance.getParameter(i), last[i]);
            fresh.instance.setParameter(i, last[i]);
        }
        plugin.instance.stop();
        ASSERT_TRUE(zu::testing::sameOutput(plugin, fresh, probe())) << "round " << round;
    }
}

} // namespace

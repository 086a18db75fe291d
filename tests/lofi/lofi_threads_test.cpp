// Parameter, program, sample-rate and suspend calls from one thread while another processes:
// nothing races, and once the calls stop the effect runs as a new one would.
#include <gtest/gtest.h>

#include <atomic>
#include <limits>
#include <thread>

#include "loaded_plugin.h"
#include "lofi_test_signals.h"

namespace {

using zu::host::StereoSignal;
using zu::testing::LoadedPlugin;
using zu::testing::pluginPath;

TEST(LoFiThreads, ChangesDuringProcessingLeaveASaneEffect) {
    const float values[] = {0.0f,
                            0.3f,
                            1.0f,
                            0.7f,
                            std::numeric_limits<float>::quiet_NaN(),
                            2.0f,
                            -1.0f,
                            0.55f,
                            std::numeric_limits<float>::infinity(),
                            0.01f};
    for (int round = 0; round < 10; ++round) {
        LoadedPlugin plugin(pluginPath("ZuLoFi"));
        std::atomic<bool> done{false};
        std::thread audio([&] {
            StereoSignal in = zu::testing::music(256);
            StereoSignal out(in.frames());
            while (!done.load()) {
                plugin.run(in, out);
                plugin.run(in, out, false);
            }
        });
        for (int i = 0; i < 400; ++i) {
            const float v = values[(i * 7 + round) % 10];
            plugin.instance.setParameter(i % 3, v);
            switch (i % 50) {
            case 10:
                plugin.instance.dispatch(effMainsChanged, 0, 0);
                plugin.instance.dispatch(effMainsChanged, 0, 1);
                break;
            case 20:
                plugin.instance.setProgram(i % 16);
                break;
            case 30:
                plugin.instance.dispatch(effSetSampleRate, 0, 0, nullptr,
                                         static_cast<float>(400 * (1 + i % 7)));
                break;
            case 40:
                plugin.instance.dispatch(effGetVu);
                break;
            default:
                break;
            }
            std::this_thread::yield();
        }
        done = true;
        audio.join();
        zu::testing::expectRunsLikeANewInstance(plugin, "after changes during processing");
    }
}

} // namespace

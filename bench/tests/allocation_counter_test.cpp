#include <gtest/gtest.h>

#include <cstdlib>

#include "allocation_counter.h"
#include "instance_memory.h"
#include "overdrive.h"

namespace {

using zu::bench::AllocationWindow;

// Pointers the compiler must keep, so that it cannot pair and remove the calls.
void* volatile sink;
void* volatile kept[4];

TEST(AllocationWindow, HoldsWhatWasAllocatedInsideAndNotFreed) {
    kept[0] = std::malloc(1000);
    AllocationWindow window;
    kept[1] = std::malloc(100);
    sink = std::malloc(200);
    std::free(sink);
    sink = std::malloc(10);
    kept[2] = std::realloc(sink, 300);
    kept[3] = std::calloc(4, 25);
    std::free(kept[0]);
    const zu::bench::Holding held = window.close();
    EXPECT_EQ(held.bytes, 100u + 300u + 100u);
    EXPECT_EQ(held.allocations, 3);
    EXPECT_TRUE(held.complete);
    for (int i = 1; i < 4; ++i)
        std::free(kept[i]);
}

TEST(AllocationWindow, CountsEveryAllocationOfTheProgram) {
    const long before = zu::bench::allocationCalls();
    sink = std::malloc(8);
    std::free(sink);
    sink = new int(1);
    delete static_cast<int*>(sink);
    EXPECT_EQ(zu::bench::allocationCalls() - before, 2);
}

// The plug-in carries its own C++ runtime; its allocations are seen all the same.
TEST(InstanceMemory, IsTheEffectObjectAndWhatItAllocates) {
    zu::host::PluginLibrary library(std::string(ZU_PLUGIN_DIR) + "/ZuOverdrive.so");
    const zu::bench::Holding held = zu::bench::instanceMemory(library);
    EXPECT_EQ(held.bytes, sizeof(Overdrive) + Overdrive::kNumPrograms * sizeof(OverdriveProgram) +
                              Overdrive::kCurveSize * sizeof(float));
    EXPECT_EQ(held.allocations, 3);
}

} // namespace

// The bodies of the measurements: processing calls timed by Google Benchmark, each call
// through a function pointer, each taking the next block of the test signal.
#pragma once

#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "aeffect.h"
#include "plugin_library.h"
#include "signals.h"

namespace zu::bench {

// What a plug-in is measured with.
struct Row {
    std::string label;                 // names the settings in the summary
    std::vector<std::string> settings; // NAME=VALUE (or INDEX=VALUE), stored once after creation
    std::string everyCall;             // NAME=VALUE stored before every call; empty for none
    Input input = Input::Sine;
    bool adding = false; // the record's process instead of processReplacing
    std::vector<VstInt32> blocks;
};

// The counter that holds the gain loop's nanoseconds per frame, timed right after the
// measurement over as many calls.
inline constexpr char kGainBesideCounter[] = "gain_ns";

void timeGainLoop(benchmark::State& state, VstInt32 block);
void timeCopyLoop(benchmark::State& state, VstInt32 block);
void timeLookupLoop(benchmark::State& state, VstInt32 block);
void timePhaseChain(benchmark::State& state, VstInt32 block);
// A fresh instance, opened, set and switched on at 44.1 kHz and this block size, then called
// through its record. Sets the counter "allocs" to the allocations made while it was timed.
void timePlugin(benchmark::State& state, const host::PluginLibrary& library, const Row& row,
                VstInt32 block);

} // namespace zu::bench

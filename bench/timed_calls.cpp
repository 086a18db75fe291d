#include "timed_calls.h"

#include <ctime>
#include <optional>

#include "allocation_counter.h"
#include "feed.h"
#include "floors.h"
#include "host.h"
#include "host_error.h"
#include "plugin_instance.h"
#include "render.h"

namespace zu::bench {

namespace {

constexpr float kGain = 0.5f;

double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The gain loop over as many calls of the same block size, timed as Google Benchmark times
// (process CPU time); in nanoseconds per frame.
double gainLoopNanoseconds(VstInt32 block, benchmark::IterationCount calls) {
    Feed feed(Input::Sine, block);
    GainRoutine routine = gainLoop;
    benchmark::DoNotOptimize(routine);
    const double start = cpuSeconds();
    for (benchmark::IterationCount i = 0; i < calls; ++i) {
        routine(feed.inputs(), feed.outputs(), block, kGain);
        feed.advance();
    }
    return (cpuSeconds() - start) * 1e9 / (static_cast<double>(calls) * block);
}

// Shows seconds per stereo frame and, unless this is the gain loop itself, the gain loop's cost
// timed right after, so that the ratio between them is taken under the same load.
void countFrames(benchmark::State& state, VstInt32 block, bool beside = true) {
    state.counters["per_frame"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * block,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    if (beside) state.counters[kGainBesideCounter] = gainLoopNanoseconds(block, state.iterations());
}

} // namespace

void timeGainLoop(benchmark::State& state, VstInt32 block) {
    Feed feed(Input::Sine, block);
    GainRoutine routine = gainLoop;
    benchmark::DoNotOptimize(routine);
    for (auto _ : state) {
        routine(feed.inputs(), feed.outputs(), block, kGain);
        feed.advance();
    }
    countFrames(state, block, false);
}

namespace {

void timeRoutine(benchmark::State& state, VstInt32 block, CopyRoutine routine) {
    Feed feed(Input::Sine, block);
    benchmark::DoNotOptimize(routine);
    for (auto _ : state) {
        routine(feed.inputs(), feed.outputs(), block);
        feed.advance();
    }
    countFrames(state, block);
}

} // namespace

void timeCopyLoop(benchmark::State& state, VstInt32 block) {
    timeRoutine(state, block, copyLoop);
}

void timeLookupLoop(benchmark::State& state, VstInt32 block) {
    timeRoutine(state, block, lookupLoop);
}

void timePhaseChain(benchmark::State& state, VstInt32 block) {
    timeRoutine(state, block, phaseChain);
}

void timePlugin(benchmark::State& state, const host::PluginLibrary& library, const Row& row,
                VstInt32 block) {
    try {
        host::Host host;
        host::PluginInstance instance(library, host);
        instance.dispatch(effOpen);
        for (const std::string& setting : row.settings)
            host::applySetting(instance, setting);
        std::optional<host::Setting> change;
        if (!row.everyCall.empty()) change = host::parseSetting(instance, row.everyCall);
        instance.start(kSampleRate, block);

        AEffect& record = instance.record();
        const auto routine = row.adding ? record.process : record.processReplacing;
        Feed feed(row.input, block, record.numInputs, record.numOutputs);
        routine(&record, feed.inputs(), feed.outputs(), block);
        feed.advance();

        const long before = allocationCalls();
        for (auto _ : state) {
            if (change) record.setParameter(&record, change->index, change->value);
            routine(&record, feed.inputs(), feed.outputs(), block);
            feed.advance();
        }
        state.counters["allocs"] = static_cast<double>(allocationCalls() - before);
        countFrames(state, block);
        instance.stop();
    } catch (const host::HostError& e) {
        state.SkipWithError(e.what());
    }
}

} // namespace zu::bench

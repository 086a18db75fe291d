#include "suite.h"

#include "host.h"
#include "instance_memory.h"
#include "plugin_instance.h"
#include "render.h"

namespace zu::bench {

void Suite::add(const std::string& name, const Line& line, VstInt32 block,
                benchmark::internal::Benchmark* benchmark) {
    if (seconds > 0.0) benchmark->MinTime(seconds);
    summary.expect(name, line, block);
}

void Suite::addFloors(const std::vector<VstInt32>& blocks) {
    const std::pair<const char*, void (*)(benchmark::State&, VstInt32)> floors[] = {
        {kCopyRow, timeCopyLoop},
        {kGainRow, timeGainLoop},
        {kLookupRow, timeLookupLoop},
        {kPhaseRow, timePhaseChain}};
    for (VstInt32 block : blocks)
        for (const auto& [row, body] : floors) {
            const std::string name =
                std::string(kFloorGroup) + "/" + row + "/" + std::to_string(block);
            add(name, {kFloorGroup, row}, block,
                benchmark::RegisterBenchmark(name.c_str(), body, block));
        }
}

void Suite::addPlugin(const std::string& group, const std::string& path,
                      const std::vector<Row>& rows) {
    const host::PluginLibrary& library =
        *libraries.emplace_back(std::make_unique<host::PluginLibrary>(path));
    summary.holds(group, instanceMemory(library));
    // A first instance answers the flags and tries every setting, so that a wrong one is
    // reported before anything runs.
    host::Host host;
    host::PluginInstance probe(library, host);
    for (const Row& row : rows) {
        for (const std::string& setting : row.settings)
            host::applySetting(probe, setting);
        if (!row.everyCall.empty()) host::parseSetting(probe, row.everyCall);
    }
    const bool replacing = (probe.record().flags & effFlagsCanReplacing) != 0;
    if (!replacing) summary.note(group, "declares no processReplacing: measured through process");

    for (const Row& row : rows) {
        if (!row.adding && !replacing) continue;
        const Line line{group, row.label, row.input, row.adding};
        for (VstInt32 block : row.blocks) {
            const std::string name =
                group + "/" + row.label + "/" + std::string(inputName(row.input)) + "/" +
                (row.adding ? "process" : "replacing") + "/" + std::to_string(block);
            add(name, line, block,
                benchmark::RegisterBenchmark(name.c_str(), timePlugin, std::cref(library), row,
                                             block));
        }
    }
}

void Suite::run() {
    benchmark::RunSpecifiedBenchmarks(&summary);
}

} // namespace zu::bench

// zu-bench PLUGIN [--block N] [--seconds S] [--param NAME=VALUE ...]: the processing cost of any
// VST 2 plug-in file, beside the copy and gain-loop floors, measured as zu-benchmarks does.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "command_line.h"
#include "host_error.h"
#include "plugin_rows.h"
#include "suite.h"

namespace {

using zu::host::HostError;

constexpr char kUsage[] =
    "usage: zu-bench PLUGIN [--block N] [--seconds S] [--param NAME=VALUE ...]\n"
    "  --block N           frames per processing call (default 512)\n"
    "  --seconds S         least time of each of the three runs of a measurement (default 0.5)\n"
    "  --param NAME=VALUE  set a parameter, by name or index, to a normalised value 0..1\n";

struct Options {
    std::string plugin;
    VstInt32 block = zu::bench::kTargetBlock;
    double seconds = 0.5;
    std::vector<std::string> settings;
};

Options parse(int argc, char** argv) {
    Options options;
    const zu::host::CommandLine line =
        zu::host::splitCommandLine(argc, argv, {"--block", "--seconds", "--param"});
    for (const auto& [option, value] : line.options) {
        if (option == "--block")
            options.block = zu::host::numberOf<VstInt32>(option, value);
        else if (option == "--seconds")
            options.seconds = zu::host::numberOf<double>(option, value);
        else
            options.settings.push_back(value);
    }
    const std::vector<std::string>& positional = line.positional;
    if (positional.size() != 1) throw HostError("expected one PLUGIN file");
    options.plugin = positional[0];
    if (options.block < 1) throw HostError("--block must be at least 1");
    if (!(options.seconds > 0.0)) throw HostError("--seconds must be above 0");
    return options;
}

void measure(const Options& options, char* program) {
    std::string repetitions = "--benchmark_repetitions=3";
    std::vector<char*> args = {program, repetitions.data()};
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());

    zu::bench::Suite suite(options.seconds);
    suite.addFloors({options.block});
    std::string label = "as loaded";
    for (const std::string& setting : options.settings)
        label += ", " + setting;
    suite.addPlugin(std::filesystem::path(options.plugin).stem().string(), options.plugin,
                    zu::bench::steadyRows(label, options.settings, {options.block}));
    suite.run();
    benchmark::Shutdown();
}

} // namespace

int main(int argc, char** argv) {
    try {
        measure(parse(argc, argv), argv[0]);
        return 0;
    } catch (const HostError& e) {
        std::fprintf(stderr, "zu-bench: %s\n%s", e.what(), kUsage);
        return 1;
    }
}

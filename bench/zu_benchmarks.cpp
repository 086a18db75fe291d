// zu-benchmarks [GOOGLE BENCHMARK FLAGS]: the processing cost of each of our built plug-ins,
// with the copy and gain-loop floors, at every block size; then the summary.
#include <filesystem>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "plugin_rows.h"
#include "suite.h"

int main(int argc, char** argv) {
    // Defaults that the command line can override (later flags win): many short runs in a
    // shuffled order, so that a change of load on a shared machine spreads over all of them.
    std::string repetitions = "--benchmark_repetitions=10";
    std::string minTime = "--benchmark_min_time=0.1";
    std::string shuffled = "--benchmark_enable_random_interleaving=true";
    std::vector<char*> args = {argv[0], repetitions.data(), minTime.data(), shuffled.data()};
    args.insert(args.end(), argv + 1, argv + argc);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;

    zu::bench::Suite suite;
    suite.addFloors(zu::bench::kBlocks);
    for (const std::string& plugin : zu::bench::ourPlugins()) {
        const std::string path = std::string(ZU_PLUGIN_DIR) + "/" + plugin + ".so";
        if (std::filesystem::exists(path))
            suite.addPlugin(plugin, path, zu::bench::rowsFor(plugin));
    }
    suite.run();
    benchmark::Shutdown();
    return 0;
}

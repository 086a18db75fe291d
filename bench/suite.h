// The measurements of one run, registered with Google Benchmark, and their summary.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "plugin_library.h"
#include "summary.h"
#include "timed_calls.h"

namespace zu::bench {

class Suite {
public:
    // seconds: the least time each measurement runs; 0 leaves it to Google Benchmark's flags.
    explicit Suite(double seconds = 0.0) : seconds(seconds) {}

    void addFloors(const std::vector<VstInt32>& blocks);
    // Loads the plug-in file, measures its memory per instance and registers its rows under
    // `group`. Rows through processReplacing are left out when the plug-in does not declare it.
    // Throws HostError when the file is not a plug-in.
    void addPlugin(const std::string& group, const std::string& path, const std::vector<Row>& rows);
    // Runs what is registered (and chosen by the command line's filter), then the summary.
    void run();

private:
    void add(const std::string& name, const Line& line, VstInt32 block,
             benchmark::internal::Benchmark* benchmark);

    double seconds;
    Summary summary;
    std::vector<std::unique_ptr<host::PluginLibrary>> libraries;
};

} // namespace zu::bench

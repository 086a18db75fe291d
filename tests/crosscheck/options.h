// Where the checks find the plug-ins and the reference renderings, and which plug-ins to check.
#pragma once

#include <string>
#include <vector>

namespace zu::crosscheck {

struct Options {
    std::string pluginDir = ZU_PLUGIN_DIR;
    std::string referenceDir = ZU_CROSSCHECK_REFERENCE;
    // The native build writes the reference renderings; the others compare with them.
    bool writeReference = ZU_CROSSCHECK_WRITES_REFERENCE;
};

Options& options();
// The plug-ins of this build (every zu_add_plugin target).
std::vector<std::string> builtPlugins();
std::string pluginFile(const std::string& plugin);

} // namespace zu::crosscheck

// What every build of each deliverable must show a host: one row per plug-in.
#pragma once

#include <string>
#include <vector>

#include "aeffect.h"

namespace zu::crosscheck {

struct DisplayCase {
    VstInt32 index;
    float value;
    const char* display;
};

struct PluginExpectations {
    const char* name;
    char uniqueID[5]; // the ID's bytes in memory
    VstInt32 numParams;
    VstInt32 flags;
    std::vector<const char*> parameterNames;
    std::vector<const char*> parameterLabels;
    std::vector<DisplayCase> displays;
};

// The row of the named plug-in, or null when it has none yet.
const PluginExpectations* findExpectations(const std::string& plugin);

} // namespace zu::crosscheck

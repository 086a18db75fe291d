// A plug-in file loaded into this process, with its entry point.
#pragma once

#include <string>

#include "aeffect.h"

namespace zu::host {

class PluginLibrary {
public:
    using EntryProc = AEffect*(VSTCALLBACK*)(audioMasterCallback);

    // Throws HostError when the file is missing, cannot be loaded or has no entry point.
    explicit PluginLibrary(const std::string& path);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    EntryProc entry() const { return entryProc; }
    const std::string& entryName() const { return entrySymbol; }
    const std::string& path() const { return filePath; }

private:
    std::string filePath;
    void* handle;
    EntryProc entryProc;
    std::string entrySymbol;
};

} // namespace zu::host

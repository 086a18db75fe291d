// What one instance of a plug-in holds: the effect object and everything it allocates while
// the entry point creates it.
#pragma once

#include "allocation_counter.h"
#include "plugin_library.h"

namespace zu::bench {

// Creates one instance through the entry point (with a host that answers only the version
// query), takes what it holds, and closes it. Throws HostError when no instance is created.
Holding instanceMemory(const host::PluginLibrary& library);

} // namespace zu::bench

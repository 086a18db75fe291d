#include "instance_memory.h"

#include "host_error.h"

namespace zu::bench {

namespace {

// Allocates nothing, so that the window sees the plug-in's allocations alone.
VstIntPtr VSTCALLBACK versionOnly(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) {
    return opcode == audioMasterVersion ? 2400 : 0;
}

} // namespace

Holding instanceMemory(const host::PluginLibrary& library) {
    AllocationWindow window;
    AEffect* effect = library.entry()(versionOnly);
    const Holding held = window.close();
    if (effect == nullptr) throw host::HostError("'" + library.path() + "' created no effect");
    effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f);
    return held;
}

} // namespace zu::bench

// The entry point every deliverable exports: ZU_PLUGIN_ENTRY(EffectClass) in one source file.
#pragma once

#include <new>

#include "aeffect.h"

namespace zu {

// Asks the host for its version, then creates one effect; null when the host refuses or
// the effect cannot be built. No exception leaves this function.
template <class Effect> AEffect* createEffectInstance(audioMasterCallback audioMaster) noexcept {
    if (audioMaster == nullptr) return nullptr;
    if (audioMaster(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f) == 0) return nullptr;
    try {
        return (new Effect(audioMaster))->getAeffect();
    } catch (...) {
        return nullptr;
    }
}

} // namespace zu

#if defined(_WIN32)
// The module-definition file exports this function under the plain name "main".
#define ZU_PLUGIN_ENTRY(EffectClass)                                                               \
    extern "C" AEffect* VSTCALLBACK VSTPluginMain(audioMasterCallback audioMaster) {               \
        return zu::createEffectInstance<EffectClass>(audioMaster);                                 \
    }
#else
// Linux hosts look up VSTPluginMain first, then main: both names lead to the same function.
#define ZU_PLUGIN_ENTRY(EffectClass)                                                               \
    extern "C" __attribute__((visibility("default"))) AEffect* VSTPluginMain(                      \
        audioMasterCallback audioMaster) {                                                         \
        return zu::createEffectInstance<EffectClass>(audioMaster);                                 \
    }                                                                                              \
    extern "C" __attribute__((visibility("default"), alias("VSTPluginMain"))) AEffect*             \
    zuMainAlias(audioMasterCallback audioMaster) __asm__("main");
#endif

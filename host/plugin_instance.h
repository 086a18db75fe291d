// One effect instance created through a plug-in's entry point, driven as a host drives it.
#pragma once

#include <string>

#include "aeffect.h"
#include "host.h"
#include "plugin_library.h"

namespace zu::host {

class PluginInstance {
public:
    // Calls the entry point with the host's callback. Throws HostError when it returns null
    // or a record without the magic number.
    PluginInstance(const PluginLibrary& library, Host& host);
    // Sends effClose unless the instance was closed already.
    ~PluginInstance();
    PluginInstance(const PluginInstance&) = delete;
    PluginInstance& operator=(const PluginInstance&) = delete;

    AEffect& record() { return *effect; }
    const AEffect& record() const { return *effect; }

    VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                       void* ptr = nullptr, float opt = 0.0f);
    // Sends effClose; the record is gone afterwards. Returns the dispatcher's answer.
    VstIntPtr close();
    bool isOpen() const { return effect != nullptr; }

    void setParameter(VstInt32 index, float value);
    float getParameter(VstInt32 index);
    void process(float** inputs, float** outputs, VstInt32 frames);
    void processReplacing(float** inputs, float** outputs, VstInt32 frames);

    // Texts the plug-in writes into a host buffer.
    std::string parameterName(VstInt32 index);
    std::string parameterLabel(VstInt32 index);
    std::string parameterDisplay(VstInt32 index);
    std::string programName();
    void setProgram(VstInt32 program) { dispatch(effSetProgram, 0, program); }

    // Switches processing on at the given rate and block size (effSetSampleRate,
    // effSetBlockSize, effMainsChanged 1).
    void start(float sampleRate, VstInt32 blockSize);
    void stop() { dispatch(effMainsChanged, 0, 0); }

    // Parameter by index ("2") or by name, compared without trailing blanks and case;
    // -1 when none matches.
    VstInt32 findParameter(const std::string& indexOrName);

private:
    std::string text(VstInt32 opcode, VstInt32 index);

    AEffect* effect;
};

} // namespace zu::host

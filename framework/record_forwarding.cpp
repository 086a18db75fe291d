#include "record_forwarding.h"

#include "audioeffect.h"

namespace {
AudioEffect* effectOf(AEffect* e) {
    return static_cast<AudioEffect*>(e->object);
}
} // namespace

VstIntPtr VSTCALLBACK dispatcherClass(AEffect* e, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                                      void* ptr, float opt) {
    AudioEffect* effect = effectOf(e);
    if (opcode == effClose) {
        effect->dispatcher(opcode, index, value, ptr, opt);
        delete effect;
        return 1;
    }
    return effect->dispatcher(opcode, index, value, ptr, opt);
}

void VSTCALLBACK processClass(AEffect* e, float** inputs, float** outputs, VstInt32 sampleFrames) {
    effectOf(e)->process(inputs, outputs, sampleFrames);
}

void VSTCALLBACK processClassReplacing(AEffect* e, float** inputs, float** outputs,
                                       VstInt32 sampleFrames) {
    effectOf(e)->processReplacing(inputs, outputs, sampleFrames);
}

void VSTCALLBACK setParameterClass(AEffect* e, VstInt32 index, float value) {
    effectOf(e)->setParameter(index, value);
}

float VSTCALLBACK getParameterClass(AEffect* e, VstInt32 index) {
    return effectOf(e)->getParameter(index);
}

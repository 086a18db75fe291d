#include "audioeffect.h"

#include <cstring>

#include "aeffeditor.h"
#include "convert.h"
#include "record_forwarding.h"

AudioEffect::AudioEffect(audioMasterCallback audioMaster, VstInt32 numPrograms, VstInt32 numParams)
    : editor(nullptr), audioMaster(audioMaster), numPrograms(numPrograms), numParams(numParams),
      curProgram(0) {
    std::memset(&cEffect, 0, sizeof(cEffect));
    cEffect.magic = kEffectMagic;
    cEffect.dispatcher = dispatcherClass;
    cEffect.process = processClass;
    cEffect.setParameter = setParameterClass;
    cEffect.getParameter = getParameterClass;
    cEffect.numPrograms = numPrograms;
    cEffect.numParams = numParams;
    cEffect.numInputs = 1;
    cEffect.numOutputs = 2;
    cEffect.ioRatio = 1.0f;
    cEffect.object = this;
    cEffect.uniqueID = kDefaultUniqueID;
    cEffect.version = 1;
    cEffect.processReplacing = processClassReplacing;
    sampleRate = 44100.0f;
    blockSize = 1024;
}

AudioEffect::~AudioEffect() {
    delete editor;
}

void AudioEffect::setEditor(AEffEditor* newEditor) {
    editor = newEditor;
    setFlag(effFlagsHasEditor, newEditor != nullptr);
}

void AudioEffect::setParameter(VstInt32, float) {}
float AudioEffect::getParameter(VstInt32) {
    return 0.0f;
}

void AudioEffect::setParameterAutomated(VstInt32 index, float value) {
    setParameter(index, value);
    if (audioMaster) audioMaster(&cEffect, audioMasterAutomate, index, 0, nullptr, value);
}

void AudioEffect::processReplacing(float**, float**, VstInt32) {}

VstIntPtr AudioEffect::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                  float opt) {
    switch (opcode) {
    case effOpen:
        open();
        break;
    case effClose:
        close();
        break;
    case effSetProgram:
        if (value >= 0 && value < numPrograms) setProgram(static_cast<VstInt32>(value));
        break;
    case effGetProgram:
        return getProgram();
    case effSetProgramName:
        setProgramName(static_cast<char*>(ptr));
        break;
    case effGetProgramName:
        getProgramName(static_cast<char*>(ptr));
        break;
    case effGetParamLabel:
        getParameterLabel(index, static_cast<char*>(ptr));
        break;
    case effGetParamDisplay:
        getParameterDisplay(index, static_cast<char*>(ptr));
        break;
    case effGetParamName:
        getParameterName(index, static_cast<char*>(ptr));
        break;
    case effGetVu:
        return truncateClamped(getVu() * 32767.0, INT32_MIN, INT32_MAX);
    case effSetSampleRate:
        setSampleRate(opt);
        break;
    case effSetBlockSize:
        setBlockSize(static_cast<VstInt32>(value));
        break;
    case effMainsChanged:
        if (value == 0)
            suspend();
        else
            resume();
        break;
    case effEditGetRect:
        if (editor) return editor->getRect(static_cast<ERect**>(ptr));
        break;
    case effEditOpen:
        if (editor) return editor->open(ptr);
        break;
    case effEditClose:
        if (editor) editor->close();
        break;
    case effEditIdle:
        if (editor) editor->idle();
        break;
    case effIdentify:
        return kIdentifyAnswer;
    default:
        break;
    }
    return 0;
}

void AudioEffect::open() {}
void AudioEffect::close() {}
VstInt32 AudioEffect::getProgram() {
    return curProgram;
}
void AudioEffect::setProgram(VstInt32 program) {
    curProgram = program;
}
void AudioEffect::setProgramName(char* name) {
    name[0] = '\0';
}
void AudioEffect::getProgramName(char* name) {
    name[0] = '\0';
}
void AudioEffect::getParameterLabel(VstInt32, char* label) {
    label[0] = '\0';
}
void AudioEffect::getParameterDisplay(VstInt32, char* text) {
    text[0] = '\0';
}
void AudioEffect::getParameterName(VstInt32, char* text) {
    text[0] = '\0';
}
float AudioEffect::getVu() {
    return 0.0f;
}
void AudioEffect::setSampleRate(float newSampleRate) {
    sampleRate = newSampleRate;
}
void AudioEffect::setBlockSize(VstInt32 newBlockSize) {
    blockSize = newBlockSize;
}
void AudioEffect::suspend() {}
void AudioEffect::resume() {}
void AudioEffect::setUniqueID(VstInt32 iD) {
    cEffect.uniqueID = iD;
}
void AudioEffect::setNumInputs(VstInt32 inputs) {
    cEffect.numInputs = inputs;
}
void AudioEffect::setNumOutputs(VstInt32 outputs) {
    cEffect.numOutputs = outputs;
}
void AudioEffect::hasVu(bool state) {
    setFlag(effFlagsHasVu, state);
}
void AudioEffect::hasClip(bool state) {
    setFlag(effFlagsHasClip, state);
}
void AudioEffect::canMono(bool state) {
    setFlag(effFlagsCanMono, state);
}
void AudioEffect::canProcessReplacing(bool state) {
    setFlag(effFlagsCanReplacing, state);
}
void AudioEffect::setRealtimeQualities(VstInt32 qualities) {
    cEffect.realQualities = qualities;
}
void AudioEffect::setOfflineQualities(VstInt32 qualities) {
    cEffect.offQualities = qualities;
}
void AudioEffect::setInitialDelay(VstInt32 delay) {
    cEffect.initialDelay = delay;
}
float AudioEffect::getSampleRate() {
    return sampleRate;
}
VstInt32 AudioEffect::getBlockSize() {
    return blockSize;
}

VstInt32 AudioEffect::getMasterVersion() {
    const VstIntPtr version = callHost(audioMasterVersion, 0, 0, 0.0f);
    return version == 0 ? 1 : static_cast<VstInt32>(version);
}

VstInt32 AudioEffect::getCurrentUniqueId() {
    return static_cast<VstInt32>(callHost(audioMasterCurrentId, 0, 0, 0.0f));
}

void AudioEffect::masterIdle() {
    callHost(audioMasterIdle, 0, 0, 0.0f);
}

bool AudioEffect::isInputConnected(VstInt32 input) {
    return callHost(audioMasterPinConnected, input, 0, 0.0f) == 0;
}

bool AudioEffect::isOutputConnected(VstInt32 output) {
    return callHost(audioMasterPinConnected, output, 1, 0.0f) == 0;
}

void AudioEffect::setFlag(VstInt32 flag, bool state) {
    if (state)
        cEffect.flags |= flag;
    else
        cEffect.flags &= ~flag;
}

VstIntPtr AudioEffect::callHost(VstInt32 opcode, VstInt32 index, VstIntPtr value, float opt) {
    return audioMaster ? audioMaster(&cEffect, opcode, index, value, nullptr, opt) : 0;
}

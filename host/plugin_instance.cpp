#include "plugin_instance.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "host_error.h"

namespace zu::host {

namespace {

std::string trimmedLower(std::string s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.pop_back();
    std::size_t first = 0;
    while (first < s.size() && std::isspace(static_cast<unsigned char>(s[first])))
        ++first;
    s.erase(0, first);
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

} // namespace

PluginInstance::PluginInstance(const PluginLibrary& library, Host& host) : effect(nullptr) {
    host.beginCreation();
    effect = library.entry()(Host::callback());
    host.endCreation();
    if (effect == nullptr)
        throw HostError("'" + library.path() + "' refused to create an effect (" +
                        library.entryName() + " returned null)");
    if (effect->magic != kEffectMagic) {
        effect = nullptr;
        throw HostError("'" + library.path() + "' returned a record without the VstP magic");
    }
    host.adopt(effect);
}

PluginInstance::~PluginInstance() {
    if (effect != nullptr) close();
}

VstIntPtr PluginInstance::dispatch(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                   float opt) {
    return effect->dispatcher(effect, opcode, index, value, ptr, opt);
}

VstIntPtr PluginInstance::close() {
    const VstIntPtr answer = dispatch(effClose);
    effect = nullptr;
    return answer;
}

void PluginInstance::setParameter(VstInt32 index, float value) {
    effect->setParameter(effect, index, value);
}

float PluginInstance::getParameter(VstInt32 index) {
    return effect->getParameter(effect, index);
}

void PluginInstance::process(float** inputs, float** outputs, VstInt32 frames) {
    effect->process(effect, inputs, outputs, frames);
}

void PluginInstance::processReplacing(float** inputs, float** outputs, VstInt32 frames) {
    effect->processReplacing(effect, inputs, outputs, frames);
}

std::string PluginInstance::text(VstInt32 opcode, VstInt32 index) {
    char buffer[256] = {};
    dispatch(opcode, index, 0, buffer);
    buffer[sizeof(buffer) - 1] = '\0';
    return buffer;
}

std::string PluginInstance::parameterName(VstInt32 index) {
    return text(effGetParamName, index);
}

std::string PluginInstance::parameterLabel(VstInt32 index) {
    return text(effGetParamLabel, index);
}

std::string PluginInstance::parameterDisplay(VstInt32 index) {
    return text(effGetParamDisplay, index);
}

std::string PluginInstance::programName() {
    return text(effGetProgramName, 0);
}

void PluginInstance::start(float sampleRate, VstInt32 blockSize) {
    dispatch(effSetSampleRate, 0, 0, nullptr, sampleRate);
    dispatch(effSetBlockSize, 0, blockSize);
    dispatch(effMainsChanged, 0, 1);
}

VstInt32 PluginInstance::findParameter(const std::string& indexOrName) {
    int index = -1;
    const char* end = indexOrName.data() + indexOrName.size();
    if (auto [p, ec] = std::from_chars(indexOrName.data(), end, index);
        ec == std::errc() && p == end)
        return index >= 0 && index < effect->numParams ? index : -1;
    const std::string wanted = trimmedLower(indexOrName);
    for (VstInt32 i = 0; i < effect->numParams; ++i)
        if (trimmedLower(parameterName(i)) == wanted) return i;
    return -1;
}

} // namespace zu::host

#include "host.h"

namespace zu::host {

namespace {

thread_local Host* hostBeingCreated = nullptr;

Host* hostFor(AEffect* effect) {
    if (effect != nullptr && effect->user != nullptr) return static_cast<Host*>(effect->user);
    return hostBeingCreated;
}

VstIntPtr VSTCALLBACK hostCallback(AEffect* effect, VstInt32 opcode, VstInt32 index,
                                   VstIntPtr value, void* ptr, float opt) {
    Host* host = hostFor(effect);
    if (host == nullptr) return 0;
    return host->answer({effect, opcode, index, value, ptr, opt});
}

} // namespace

audioMasterCallback Host::callback() {
    return hostCallback;
}

void Host::beginCreation() {
    hostBeingCreated = this;
}

void Host::endCreation() {
    hostBeingCreated = nullptr;
}

void Host::adopt(AEffect* effect) {
    effect->user = this;
}

std::vector<HostCall> Host::calls() const {
    std::lock_guard lock(mutex);
    return recorded;
}

void Host::clearCalls() {
    std::lock_guard lock(mutex);
    recorded.clear();
}

VstIntPtr Host::answer(const HostCall& call) {
    {
        std::lock_guard lock(mutex);
        recorded.push_back(call);
    }
    switch (call.opcode) {
    case audioMasterVersion:
        return answers.version;
    case audioMasterCurrentId:
        return answers.currentId;
    case audioMasterPinConnected:
        return answers.pinConnected;
    default:
        return 0;
    }
}

} // namespace zu::host

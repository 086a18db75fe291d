// The host side of the callback: answers the plug-in's requests and records every one of them.
#pragma once

#include <mutex>
#include <vector>

#include "aeffect.h"

namespace zu::host {

struct HostCall {
    AEffect* effect;
    VstInt32 opcode;
    VstInt32 index;
    VstIntPtr value;
    void* ptr;
    float opt;
};

struct HostAnswers {
    VstIntPtr version = 2400;
    VstIntPtr currentId = 0;
    VstIntPtr pinConnected = 0; // 0 means connected
};

class Host {
public:
    explicit Host(HostAnswers answers = {}) : answers(answers) {}
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // The callback to hand to an entry point. Calls reach the Host whose `adopt` or
    // `beginCreation` named the effect; the record's `user` field carries it.
    static audioMasterCallback callback();
    // The next calls with a null or unknown record come to this host (during `main`).
    void beginCreation();
    void endCreation();
    void adopt(AEffect* effect);

    std::vector<HostCall> calls() const;
    void clearCalls();
    // Records the call and gives the configured answer.
    VstIntPtr answer(const HostCall& call);

    HostAnswers answers;

private:
    mutable std::mutex mutex;
    std::vector<HostCall> recorded;
};

} // namespace zu::host

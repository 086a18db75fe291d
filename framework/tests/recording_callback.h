// A host callback for unit tests: records every call and gives one fixed answer.
#pragma once

#include <vector>

#include "aeffect.h"

struct CallbackCall {
    AEffect* effect;
    VstInt32 opcode;
    VstInt32 index;
    VstIntPtr value;
    void* ptr;
    float opt;
};

struct RecordingCallback {
    static inline std::vector<CallbackCall> calls;
    static inline VstIntPtr answer = 0;
    // Runs inside the callback, before it answers.
    static inline void (*onCall)(const CallbackCall&) = nullptr;

    static void reset(VstIntPtr newAnswer) {
        calls.clear();
        answer = newAnswer;
        onCall = nullptr;
    }
    static VstIntPtr VSTCALLBACK callback(AEffect* effect, VstInt32 opcode, VstInt32 index,
                                          VstIntPtr value, void* ptr, float opt) {
        calls.push_back({effect, opcode, index, value, ptr, opt});
        if (onCall) onCall(calls.back());
        return answer;
    }
};

// The record a host reads and calls, the callback it hands us, and the opcodes on both sides.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define VSTCALLBACK __cdecl
#else
#define VSTCALLBACK
#endif

using VstInt32 = std::int32_t;
using VstIntPtr = std::intptr_t;

struct AEffect;

using audioMasterCallback = VstIntPtr(VSTCALLBACK*)(AEffect* effect, VstInt32 opcode,
                                                    VstInt32 index, VstIntPtr value, void* ptr,
                                                    float opt);
using AEffectDispatcherProc = VstIntPtr(VSTCALLBACK*)(AEffect* effect, VstInt32 opcode,
                                                      VstInt32 index, VstIntPtr value, void* ptr,
                                                      float opt);
using AEffectProcessProc = void(VSTCALLBACK*)(AEffect* effect, float** inputs, float** outputs,
                                              VstInt32 sampleFrames);
using AEffectSetParameterProc = void(VSTCALLBACK*)(AEffect* effect, VstInt32 index, float value);
using AEffectGetParameterProc = float(VSTCALLBACK*)(AEffect* effect, VstInt32 index);

// Four-character codes with the first character in the highest byte.
constexpr VstInt32 fourCharHighFirst(const char (&c)[5]) {
    return static_cast<VstInt32>(
        (static_cast<std::uint32_t>(static_cast<unsigned char>(c[0])) << 24) |
        (static_cast<std::uint32_t>(static_cast<unsigned char>(c[1])) << 16) |
        (static_cast<std::uint32_t>(static_cast<unsigned char>(c[2])) << 8) |
        static_cast<std::uint32_t>(static_cast<unsigned char>(c[3])));
}

// Four-character codes with the first character in the lowest byte: the bytes in memory read
// the code in order. The effects' own IDs use this order.
constexpr VstInt32 fourCharLowFirst(const char (&c)[5]) {
    return static_cast<VstInt32>(
        static_cast<std::uint32_t>(static_cast<unsigned char>(c[0])) |
        (static_cast<std::uint32_t>(static_cast<unsigned char>(c[1])) << 8) |
        (static_cast<std::uint32_t>(static_cast<unsigned char>(c[2])) << 16) |
        (static_cast<std::uint32_t>(static_cast<unsigned char>(c[3])) << 24));
}

constexpr VstInt32 kEffectMagic = fourCharHighFirst("VstP");
constexpr VstInt32 kDefaultUniqueID = fourCharHighFirst("NoEf");
constexpr VstInt32 kIdentifyAnswer = fourCharHighFirst("NvEf");

struct AEffect {
    VstInt32 magic;
    AEffectDispatcherProc dispatcher;
    AEffectProcessProc process;
    AEffectSetParameterProc setParameter;
    AEffectGetParameterProc getParameter;
    VstInt32 numPrograms;
    VstInt32 numParams;
    VstInt32 numInputs;
    VstInt32 numOutputs;
    VstInt32 flags;
    VstIntPtr resvd1;
    VstIntPtr resvd2;
    VstInt32 initialDelay;
    VstInt32 realQualities;
    VstInt32 offQualities;
    float ioRatio;
    void* object;
    void* user;
    VstInt32 uniqueID;
    VstInt32 version;
    AEffectProcessProc processReplacing;
    char future[56 + sizeof(void*)];
};

#define ZU_CHECK_OFFSET(field, offset32, offset64)                                                 \
    static_assert(offsetof(AEffect, field) == (sizeof(void*) == 4 ? (offset32) : (offset64)),      \
                  "AEffect::" #field " is not where hosts read it")
ZU_CHECK_OFFSET(magic, 0, 0);
ZU_CHECK_OFFSET(dispatcher, 4, 8);
ZU_CHECK_OFFSET(process, 8, 16);
ZU_CHECK_OFFSET(setParameter, 12, 24);
ZU_CHECK_OFFSET(getParameter, 16, 32);
ZU_CHECK_OFFSET(numPrograms, 20, 40);
ZU_CHECK_OFFSET(numParams, 24, 44);
ZU_CHECK_OFFSET(numInputs, 28, 48);
ZU_CHECK_OFFSET(numOutputs, 32, 52);
ZU_CHECK_OFFSET(flags, 36, 56);
ZU_CHECK_OFFSET(resvd1, 40, 64);
ZU_CHECK_OFFSET(resvd2, 44, 72);
ZU_CHECK_OFFSET(initialDelay, 48, 80);
ZU_CHECK_OFFSET(realQualities, 52, 84);
ZU_CHECK_OFFSET(offQualities, 56, 88);
ZU_CHECK_OFFSET(ioRatio, 60, 92);
ZU_CHECK_OFFSET(object, 64, 96);
ZU_CHECK_OFFSET(user, 68, 104);
ZU_CHECK_OFFSET(uniqueID, 72, 112);
ZU_CHECK_OFFSET(version, 76, 116);
ZU_CHECK_OFFSET(processReplacing, 80, 120);
ZU_CHECK_OFFSET(future, 84, 128);
#undef ZU_CHECK_OFFSET
static_assert(sizeof(void*) == 4 || sizeof(void*) == 8, "only 32-bit and 64-bit targets");
static_assert(sizeof(AEffect) == (sizeof(void*) == 4 ? 144 : 192), "AEffect has the wrong size");

enum AEffectFlags : VstInt32 {
    effFlagsHasEditor = 1,
    effFlagsHasClip = 2,
    effFlagsHasVu = 4,
    effFlagsCanMono = 8,
    effFlagsCanReplacing = 16,
};

// Opcodes the effect sends to the host.
enum AudioMasterOpcodes : VstInt32 {
    audioMasterAutomate = 0,
    audioMasterVersion = 1,
    audioMasterCurrentId = 2,
    audioMasterIdle = 3,
    audioMasterPinConnected = 4,
};

// Opcodes the host sends to the effect's dispatcher.
enum AEffectOpcodes : VstInt32 {
    effOpen = 0,
    effClose = 1,
    effSetProgram = 2,
    effGetProgram = 3,
    effSetProgramName = 4,
    effGetProgramName = 5,
    effGetParamLabel = 6,
    effGetParamDisplay = 7,
    effGetParamName = 8,
    effGetVu = 9,
    effSetSampleRate = 10,
    effSetBlockSize = 11,
    effMainsChanged = 12,
    effEditGetRect = 13,
    effEditOpen = 14,
    effEditClose = 15,
    effEditDraw = 16,
    effEditMouse = 17,
    effEditKey = 18,
    effEditIdle = 19,
    effEditTop = 20,
    effEditSleep = 21,
    effIdentify = 22,
};

// Concrete effects for testing the base class.
#pragma once

#include <gmock/gmock.h>

#include "audioeffect.h"

// The smallest effect: every operation keeps the base behaviour.
class PlainEffect : public AudioEffect {
public:
    explicit PlainEffect(audioMasterCallback audioMaster = nullptr, VstInt32 programs = 16,
                         VstInt32 params = 4)
        : AudioEffect(audioMaster, programs, params) {}
    void process(float**, float**, VstInt32) override {}
    using AudioEffect::curProgram;
    using AudioEffect::editor;
};

// Records which virtual operations the dispatcher calls.
class RecordingEffect : public AudioEffect {
public:
    RecordingEffect() : AudioEffect(nullptr, 16, 4) {}
    MOCK_METHOD(void, process, (float**, float**, VstInt32), (override));
    MOCK_METHOD(void, open, (), (override));
    MOCK_METHOD(void, close, (), (override));
    MOCK_METHOD(VstInt32, getProgram, (), (override));
    MOCK_METHOD(void, setProgram, (VstInt32), (override));
    MOCK_METHOD(void, setProgramName, (char*), (override));
    MOCK_METHOD(void, getProgramName, (char*), (override));
    MOCK_METHOD(void, getParameterLabel, (VstInt32, char*), (override));
    MOCK_METHOD(void, getParameterDisplay, (VstInt32, char*), (override));
    MOCK_METHOD(void, getParameterName, (VstInt32, char*), (override));
    MOCK_METHOD(float, getVu, (), (override));
    MOCK_METHOD(void, setSampleRate, (float), (override));
    MOCK_METHOD(void, setBlockSize, (VstInt32), (override));
    MOCK_METHOD(void, suspend, (), (override));
    MOCK_METHOD(void, resume, (), (override));
    MOCK_METHOD(void, setParameter, (VstInt32, float), (override));
};

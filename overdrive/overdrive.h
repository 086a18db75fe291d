// Symmetric soft-clipping distortion through a 32768-entry curve table, mixed with the dry signal.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "audioeffect.h"
#include "overdrive_program.h"

class Overdrive : public AudioEffect {
public:
    static constexpr VstInt32 kNumPrograms = 16;
    static constexpr VstInt32 kNumParams = 3;
    static constexpr int kCurveSize = 32768;

    explicit Overdrive(audioMasterCallback audioMaster);
    ~Overdrive() override;

    void setParameter(VstInt32 index, float value) override;
    float getParameter(VstInt32 index) override;
    void process(float** inputs, float** outputs, VstInt32 sampleFrames) override;
    void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) override;
    void setProgram(VstInt32 program) override;
    void setProgramName(char* name) override;
    void getProgramName(char* name) override;
    void getParameterLabel(VstInt32 index, char* label) override;
    void getParameterDisplay(VstInt32 index, char* text) override;
    void getParameterName(VstInt32 index, char* text) override;
    float getVu() override;
    void suspend() override;

private:
    template <bool Adding> void run(float** inputs, float** outputs, VstInt32 sampleFrames);
    void buildCurve(int exponent);

    std::unique_ptr<OverdriveProgram[]> programs;
    std::unique_ptr<float[]> curve; // each entry c of the curve as 1 - c
    Relaxed<float> drive;
    Relaxed<float> depth;
    Relaxed<float> volume;
    Relaxed<float> vu;
    Relaxed<std::int32_t> driveLevel;
    // Set (released) after driveLevel is stored; the processing takes it with an exchange, so
    // that a change arriving at any moment leads to a build that sees its driveLevel.
    std::atomic<std::int16_t> curveDirty;
};

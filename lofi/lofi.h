// Stereo sample-rate and bit-depth reducer: captures both channels at 100..40000 Hz, quantises
// each capture to 2..16 bits, and outputs the captures held as steps or joined by straight lines.
#pragma once

#include <cstdint>
#include <memory>

#include "audioeffect.h"
#include "lofi_program.h"

class LoFi : public AudioEffect {
public:
    static constexpr VstInt32 kNumPrograms = 16;
    static constexpr VstInt32 kNumParams = 3;

    explicit LoFi(audioMasterCallback audioMaster);
    ~LoFi() override;

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

    std::unique_ptr<LoFiProgram[]> programs;
    Relaxed<float> bit;
    Relaxed<float> rate;
    Relaxed<float> interpolate;
    Relaxed<float> vu;
    Relaxed<std::int32_t> bitDepth;
    Relaxed<std::int32_t> rateHz;
    Relaxed<std::int32_t> interpolateOn;
    // Phase advance per frame, always within 0..1: a capture rate at or above the sample rate
    // captures on every frame, and the phase never runs away.
    Relaxed<float> holdStep;
    // Set by suspend: the next frame processed starts the phase at 1 and so captures.
    Relaxed<std::int32_t> captureRequested;
    // Processing state, touched by the processing routines only.
    float holdPhase;
    float holdLatest[2];
    float holdPrevious[2];
    float lerpPosition;
    float holdOutput[2]; // what each channel outputs until the next capture or line step
};

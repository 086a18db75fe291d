// Stereo tremolo: an LFO of 0.01 to 20 Hz in seven shapes moves the level between full and
// 1 - depth; in Inverse mode the right channel moves against the left.
#pragma once

#include <cstdint>
#include <memory>

#include "audioeffect.h"
#include "tremolo_program.h"

class Tremolo : public AudioEffect {
public:
    static constexpr VstInt32 kNumPrograms = 16;
    static constexpr VstInt32 kNumParams = 4;
    // The gain is recomputed once every this many frames and held in between.
    static constexpr VstInt32 kGainInterval = 8;

    explicit Tremolo(audioMasterCallback audioMaster);
    ~Tremolo() override;

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

    std::unique_ptr<TremoloProgram[]> programs;
    Relaxed<float> frequency;
    Relaxed<float> waveform;
    Relaxed<float> depth;
    Relaxed<float> stereo;
    Relaxed<float> vu;
    Relaxed<std::int32_t> waveformIndex;
    Relaxed<std::int32_t> stereoIndex;
    Relaxed<float> frequencyHz;
    Relaxed<float> phase;
    Relaxed<float> phaseStep;
};

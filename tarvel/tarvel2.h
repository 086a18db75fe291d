// The wave changer: delays the signal by 1102 samples and, while it waits in the delay line,
// replaces each half-wave between zero crossings by a synthetic wave of the same length and
// peak, mixed with the input and scaled by the output volume.
#pragma once

#include <memory>

#include "audioeffect.h"
#include "tarvel2_program.h"

class Tarvel2 : public AudioEffect {
public:
    static constexpr VstInt32 kNumPrograms = 16;
    static constexpr VstInt32 kNumParams = 6;
    enum : VstInt32 {
        kWaveform,
        kWaveformDistortion,
        kTranspose,
        kThreshold,
        kMix,
        kOutputVolume,
    };
    // Segment start before the first half-wave.
    static constexpr VstInt32 kNoSegment = 9999;

    explicit Tarvel2(audioMasterCallback audioMaster);
    ~Tarvel2() override;

    // Any thread; the processing picks a change up at its next block.
    void setParameter(VstInt32 index, float value) override;
    float getParameter(VstInt32 index) override;
    // The audio thread.
    void process(float** inputs, float** outputs, VstInt32 sampleFrames) override;
    void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) override;
    void setProgram(VstInt32 program) override;
    void setProgramName(char* name) override;
    void getProgramName(char* name) override;
    float getVu() override;
    // Silences both delay lines and forgets any half-wave in progress.
    void suspend() override;

protected:
    std::unique_ptr<Tarvel2Program[]> programs;
    std::unique_ptr<float[]> delayLineL;
    std::unique_ptr<float[]> delayLineR;
    VstInt32 delaySamples = 0;
    // Normalised parameter values.
    Relaxed<float> fMix{0.0f};
    Relaxed<float> fWaveform{0.0f};
    Relaxed<float> fTranspose{0.0f};
    Relaxed<float> fThreshold{0.0f};
    Relaxed<float> fWaveformDistortion{0.0f};
    Relaxed<float> fOutputVolume{0.0f};
    Relaxed<float> vuLevel{0.0f};
    // Whole number of steps, 0 to 100, derived from kTranspose.
    Relaxed<float> transposeSteps{0.0f};
    // Largest input magnitude since the last accepted crossing, per channel.
    float peakL = 0.0f;
    float peakR = 0.0f;
    // Shape 0 to 6, derived from kWaveform.
    Relaxed<VstInt32> waveformIndex{0};
    // Shortest accepted half-wave, 1 to 1000 samples, derived from kThreshold.
    Relaxed<VstInt32> thresholdSamples{0};
    // Ring positions; the read position is always the one after the write position.
    VstInt32 writePosL = 0;
    VstInt32 writePosR = 0;
    VstInt32 readPosL = 1;
    VstInt32 readPosR = 1;
    VstInt32 segmentStartL = kNoSegment;
    VstInt32 segmentStartR = kNoSegment;
    // 0 undetermined, 1 in a positive half-wave, 2 in a negative one.
    VstInt32 polarityL = 0;
    VstInt32 polarityR = 0;

private:
    template <bool Adding> void run(float** inputs, float** outputs, VstInt32 sampleFrames);
};

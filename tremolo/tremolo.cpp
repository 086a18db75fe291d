#include "tremolo.h"

#include <cmath>
#include <cstring>
#include <type_traits>

#include "convert.h"
#include "float_bits.h"
#include "lfo_shape.h"
#include "vu_meter.h"

namespace {

constexpr char kNames[Tremolo::kNumParams][10] = {"Frequency", "Depth    ", "Tremolo  ",
                                                  "Stereo   "};
constexpr char kLabels[Tremolo::kNumParams][10] = {"Hz       ", "         ", "Waveform ",
                                                   "Output   "};
constexpr char kShapeNames[kNumLfoShapes][9] = {"SINE    ", "TRI     ", "SQUARE  ", "SAW UP  ",
                                                "SAW DOWN", "EXP UP  ", "EXP DOWN"};

// value² × 19.99 + 0.01 Hz; values outside 0..1 stay within 0.01..20 Hz, NaN gives 0.01.
float lfoFrequency(float value) {
    const double hz = static_cast<double>(value) * value * 19.99 + 0.01;
    if (std::isnan(hz)) return 0.01f;
    return hz < 20.0 ? static_cast<float>(hz) : 20.0f;
}

// The phase advance per frame for one cycle (a phase travel of 2) at `hz`, kept within 0..2 so
// that the phase stays within -1..1 whatever rate the host sets: an advance of 2 or more is
// taken modulo 2 (a whole cycle per frame shows as none, as when sampling the LFO), a negative
// rate counts as positive, and a zero or non-finite rate stops the LFO.
float lfoPhaseStep(float hz, float sampleRate) {
    const double step = static_cast<double>(hz) / (static_cast<double>(sampleRate) * 0.5);
    if (!std::isfinite(step)) return 0.0f;
    const float wrapped = static_cast<float>(std::fmod(std::fabs(step), 2.0));
    return wrapped < 2.0f ? wrapped : 0.0f;
}

// One channel at a time, so that the compiler need not fear that the two outputs overlap.
template <bool Adding, class Count> void writeOut(float* out, const float* y, Count frames) {
    for (VstInt32 j = 0; j < frames; ++j) {
        if constexpr (Adding)
            out[j] += y[j];
        else
            out[j] = y[j];
    }
}

} // namespace

Tremolo::Tremolo(audioMasterCallback audioMaster)
    : AudioEffect(audioMaster, kNumPrograms, kNumParams),
      programs(new TremoloProgram[kNumPrograms]), frequency(0.0f), waveform(0.0f), depth(0.0f),
      stereo(0.0f), vu(0.0f), waveformIndex(0), stereoIndex(0), frequencyHz(0.0f), phase(-1.0f),
      phaseStep(0.0f) {
    setProgram(0);
    setNumInputs(2);
    setNumOutputs(2);
    canMono(true);
    setUniqueID(fourCharLowFirst("ZuTr"));
    hasVu(true);
    canProcessReplacing(true);
}

Tremolo::~Tremolo() = default;

void Tremolo::setParameter(VstInt32 index, float value) {
    TremoloProgram& program = programs[curProgram];
    switch (index) {
    case 0:
        frequency = value;
        frequencyHz = lfoFrequency(value);
        program.frequency = value;
        phaseStep = lfoPhaseStep(frequencyHz, getSampleRate());
        break;
    case 1:
        program.depth = value;
        depth = value;
        break;
    case 2:
        waveform = value;
        waveformIndex =
            truncateClamped(static_cast<double>(value) * 0.999 * kNumLfoShapes, 0, kExpDown);
        program.waveform = value;
        break;
    case 3:
        stereo = value;
        stereoIndex = truncateClamped(static_cast<double>(value) * 0.999 * 2.0, 0, 1);
        program.stereo = value;
        break;
    default:
        break;
    }
}

float Tremolo::getParameter(VstInt32 index) {
    switch (index) {
    case 0:
        return frequency;
    case 1:
        return depth;
    case 2:
        return waveform;
    case 3:
        return stereo;
    default:
        return 0.0f;
    }
}

void Tremolo::setProgram(VstInt32 program) {
    curProgram = program;
    const TremoloProgram& p = programs[program];
    setParameter(0, p.frequency);
    setParameter(1, p.depth);
    setParameter(2, p.waveform);
    setParameter(3, p.stereo);
}

void Tremolo::setProgramName(char* name) {
    zu::copyProgramName(programs[curProgram].name, name);
}

void Tremolo::getProgramName(char* name) {
    std::strcpy(name, programs[curProgram].name);
}

void Tremolo::getParameterLabel(VstInt32 index, char* label) {
    if (index >= 0 && index < kNumParams) std::strcpy(label, kLabels[index]);
}

void Tremolo::getParameterName(VstInt32 index, char* text) {
    if (index >= 0 && index < kNumParams) std::strcpy(text, kNames[index]);
}

void Tremolo::getParameterDisplay(VstInt32 index, char* text) {
    switch (index) {
    case 0:
        zu::formatText(text, "%2.2f", static_cast<double>(frequencyHz));
        break;
    case 1:
        zu::formatText(text, "%3.2f%%", static_cast<double>(depth * 100.0f));
        break;
    case 2:
        std::strcpy(text, kShapeNames[waveformIndex]);
        break;
    case 3:
        std::strcpy(text, stereoIndex == 0 ? "Normal  " : "Inverse ");
        break;
    default:
        break;
    }
}

float Tremolo::getVu() {
    return zu::takeVu(vu);
}

void Tremolo::suspend() {
    phase = -1.0f;
}

void Tremolo::process(float** inputs, float** outputs, VstInt32 sampleFrames) {
    run<true>(inputs, outputs, sampleFrames);
}

void Tremolo::processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) {
    run<false>(inputs, outputs, sampleFrames);
}

// Every kGainInterval frames the gains come from the phase before that frame's advance; the
// phase itself moves on every frame and carries over to the next call.
template <bool Adding> void Tremolo::run(float** inputs, float** outputs, VstInt32 sampleFrames) {
    const float step = phaseStep;
    const float dep = depth;
    const std::int32_t shape = waveformIndex;
    const bool inverse = stereoIndex != 0;
    const float edge = static_cast<float>(0.02 * static_cast<double>(frequencyHz));
    float p = phase;
    const float* in0 = inputs[0];
    const float* in1 = inputs[1];
    float* out0 = outputs[0];
    float* out1 = outputs[1];
    // The peak of each frame position within a stretch, so that full stretches vectorise.
    float peaks[kGainInterval] = {};

    // One stretch of frames with held gains. A full stretch has a constant length, which lets
    // the compiler turn the gain, peak and output loops into vector code. Its inputs are all
    // read before any output is written, so the buffers may be the same.
    auto stretch = [&](VstInt32 start, auto frames, float gainL, float gainR) {
        for (VstInt32 j = 0; j < frames; ++j) {
            p = p + step;
            if (p > 1.0f) p = p - 2.0f;
        }
        float y0[kGainInterval];
        float y1[kGainInterval];
        for (VstInt32 j = 0; j < frames; ++j) {
            y0[j] = zu::withoutDenormal(in0[start + j]) * gainL;
            y1[j] = zu::withoutDenormal(in1[start + j]) * gainR;
        }
        for (VstInt32 j = 0; j < frames; ++j)
            peaks[j] = zu::peakOf(peaks[j], y0[j], y1[j]);
        writeOut<Adding>(out0 + start, y0, frames);
        writeOut<Adding>(out1 + start, y1, frames);
    };

    for (VstInt32 start = 0; start < sampleFrames; start += kGainInterval) {
        const float m = lfoShape(shape, p, edge);
        const float g = (m - 1.0f) * 0.5f;
        const float gainL = 1.0f + g * dep;
        const float gainR = inverse ? 1.0f - (1.0f + g) * dep : gainL;
        if (sampleFrames - start >= kGainInterval)
            stretch(start, std::integral_constant<VstInt32, kGainInterval>{}, gainL, gainR);
        else
            stretch(start, sampleFrames - start, gainL, gainR);
    }
    phase = p;
    float peak = 0.0f;
    for (const float level : peaks)
        peak = level > peak ? level : peak;
    zu::feedVu(vu, peak);
}

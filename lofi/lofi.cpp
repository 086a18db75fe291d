#include "lofi.h"

#include <cstring>

#include "channel_pair.h"
#include "convert.h"
#include "vu_meter.h"

namespace {

constexpr char kNames[LoFi::kNumParams][12] = {"Bit      ", "Rate     ", "Interpolate"};
constexpr char kLabels[LoFi::kNumParams][10] = {"Depth    ", "Hz       ", "         "};

// Captures per frame. A sample rate at or below the capture rate (or not a number) captures on
// every frame.
float captureStep(std::int32_t captureHz, float sampleRate) {
    const float hz = static_cast<float>(captureHz);
    return sampleRate > hz ? hz / sampleRate : 1.0f;
}

} // namespace

LoFi::LoFi(audioMasterCallback audioMaster)
    : AudioEffect(audioMaster, kNumPrograms, kNumParams), programs(new LoFiProgram[kNumPrograms]),
      bit(0.0f), rate(0.0f), interpolate(0.0f), vu(0.0f), bitDepth(0), rateHz(0), interpolateOn(0),
      holdStep(0.0f), captureRequested(0),
      holdPhase(1.0f), holdLatest{0.0f, 0.0f}, holdPrevious{0.0f, 0.0f},
      lerpPosition(0.0f), holdOutput{0.0f, 0.0f} {
    setProgram(0);
    setNumInputs(2);
    setNumOutputs(2);
    canMono(true);
    setUniqueID(fourCharLowFirst("ZuLF"));
    hasVu(true);
    canProcessReplacing(true);
}

LoFi::~LoFi() = default;

void LoFi::setParameter(VstInt32 index, float value) {
    LoFiProgram& program = programs[curProgram];
    switch (index) {
    case 0:
        bit = value;
        bitDepth = truncateClamped(static_cast<double>(value) * 14.0 + 2.0, 2, 16);
        program.bit = value;
        break;
    case 1:
        rate = value;
        rateHz = truncateClamped(static_cast<double>(value) * 39900.0 + 100.0, 100, 40000);
        program.rate = value;
        holdStep = captureStep(rateHz, getSampleRate());
        break;
    case 2:
        interpolate = value;
        interpolateOn = truncateClamped(static_cast<double>(value) * 0.999 * 2.0, 0, 1);
        program.interpolate = value;
        break;
    default:
        break;
    }
}

float LoFi::getParameter(VstInt32 index) {
    switch (index) {
    case 0:
        return bit;
    case 1:
        return rate;
    case 2:
        return interpolate;
    default:
        return 0.0f;
    }
}

void LoFi::setProgram(VstInt32 program) {
    curProgram = program;
    const LoFiProgram& p = programs[program];
    setParameter(0, p.bit);
    setParameter(1, p.rate);
    setParameter(2, p.interpolate);
}

void LoFi::setProgramName(char* name) {
    zu::copyProgramName(programs[curProgram].name, name);
}

void LoFi::getProgramName(char* name) {
    std::strcpy(name, programs[curProgram].name);
}

void LoFi::getParameterLabel(VstInt32 index, char* label) {
    if (index >= 0 && index < kNumParams) std::strcpy(label, kLabels[index]);
}

void LoFi::getParameterName(VstInt32 index, char* text) {
    if (index >= 0 && index < kNumParams) std::strcpy(text, kNames[index]);
}

void LoFi::getParameterDisplay(VstInt32 index, char* text) {
    switch (index) {
    case 0:
        zu::formatText(text, "%2i", static_cast<int>(bitDepth));
        break;
    case 1:
        zu::formatText(text, "%i", static_cast<int>(rateHz));
        break;
    case 2:
        std::strcpy(text, interpolateOn == 0 ? "No      " : "Yes     ");
        break;
    default:
        break;
    }
}

float LoFi::getVu() {
    return zu::takeVu(vu);
}

void LoFi::suspend() {
    captureRequested = 1;
}

void LoFi::process(float** inputs, float** outputs, VstInt32 sampleFrames) {
    run<true>(inputs, outputs, sampleFrames);
}

void LoFi::processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) {
    run<false>(inputs, outputs, sampleFrames);
}

// Bit and Interpolate are taken once per call; Rate and suspend act from the next frame.
template <bool Adding> void LoFi::run(float** inputs, float** outputs, VstInt32 sampleFrames) {
    const Quantiser quantiser(bitDepth);
    const bool lerp = interpolateOn == 1;
    const float* in0 = inputs[0];
    const float* in1 = inputs[1];
    float* out0 = outputs[0];
    float* out1 = outputs[1];
    float phase = holdPhase;
    float t = lerpPosition;
    ChannelPair latest(holdLatest[0], holdLatest[1]);
    ChannelPair previous(holdPrevious[0], holdPrevious[1]);
    ChannelPair y(holdOutput[0], holdOutput[1]);
    ChannelPair peak;
    for (VstInt32 s = 0; s < sampleFrames; ++s) {
        if (captureRequested != 0) {
            captureRequested = 0;
            phase = 1.0f;
        }
        const float step = holdStep;
        phase = phase + step;
        if (phase >= 1.0f) {
            y = latest;
            previous = latest;
            latest = ChannelPair(in0[s], in1[s]).quantised(quantiser);
            phase = phase - 1.0f;
            t = step;
        } else if (lerp) {
            // Past 1 only after Rate was lowered since the last capture: the line stops there.
            y = ChannelPair::line(previous, latest, t < 1.0f ? t : 1.0f);
            t = t + step;
        }
        peak = peak.withPeakOf(y);
        if constexpr (Adding)
            y.addTo(out0 + s, out1 + s);
        else
            y.store(out0 + s, out1 + s);
    }
    holdPhase = phase;
    lerpPosition = t;
    for (int c = 0; c < 2; ++c) {
        holdLatest[c] = latest[c];
        holdPrevious[c] = previous[c];
        holdOutput[c] = y[c];
    }
    zu::feedVu(vu, peak.largest());
}

#include "overdrive.h"

#include <cmath>
#include <cstring>

#include "convert.h"
#include "vu_meter.h"

namespace {

constexpr char kNames[Overdrive::kNumParams][10] = {"Drive    ", "Depth    ", "Volume   "};
constexpr char kLabels[Overdrive::kNumParams][10] = {"         ", "         ", "dB       "};

// The curve holds the lower half of the shape; the sign of x picks the half.
inline float shape(const float* curve, float x) {
    float a = std::fabs(x);
    a = a < 1.0f ? a : 1.0f; // NaN looks up the last entry
    const float c = curve[static_cast<int>(a * 32767.0f)];
    return x >= 0.0f ? 1.0f - c : c - 1.0f;
}

} // namespace

Overdrive::Overdrive(audioMasterCallback audioMaster)
    : AudioEffect(audioMaster, kNumPrograms, kNumParams),
      programs(new OverdriveProgram[kNumPrograms]), curve(new float[kCurveSize]), drive(0.0f),
      depth(0.0f), volume(0.0f), vu(0.0f), driveLevel(0), curveDirty(1) {
    setProgram(0);
    setNumInputs(2);
    setNumOutputs(2);
    canMono(true);
    setUniqueID(fourCharLowFirst("ZuOv"));
    hasVu(true);
    canProcessReplacing(true);
}

Overdrive::~Overdrive() = default;

void Overdrive::setParameter(VstInt32 index, float value) {
    OverdriveProgram& program = programs[curProgram];
    switch (index) {
    case 0:
        drive = value;
        driveLevel = truncateClamped(static_cast<double>(value) * value * 0.999999 * 100.0, 0, 99);
        program.drive = value;
        curveDirty = 1;
        break;
    case 1:
        program.depth = value;
        depth = value;
        break;
    case 2:
        program.volume = value;
        volume = value;
        break;
    default:
        break;
    }
}

float Overdrive::getParameter(VstInt32 index) {
    switch (index) {
    case 0:
        return drive;
    case 1:
        return depth;
    case 2:
        return volume;
    default:
        return 0.0f;
    }
}

void Overdrive::setProgram(VstInt32 program) {
    curProgram = program;
    const OverdriveProgram& p = programs[program];
    setParameter(0, p.drive);
    setParameter(1, p.depth);
    setParameter(2, p.volume);
}

void Overdrive::setProgramName(char* name) {
    zu::copyProgramName(programs[curProgram].name, name);
}

void Overdrive::getProgramName(char* name) {
    std::strcpy(name, programs[curProgram].name);
}

void Overdrive::getParameterLabel(VstInt32 index, char* label) {
    if (index >= 0 && index < kNumParams) std::strcpy(label, kLabels[index]);
}

void Overdrive::getParameterName(VstInt32 index, char* text) {
    if (index >= 0 && index < kNumParams) std::strcpy(text, kNames[index]);
}

void Overdrive::getParameterDisplay(VstInt32 index, char* text) {
    switch (index) {
    case 0:
        zu::formatText(text, "%3i", static_cast<int>(driveLevel));
        break;
    case 1:
        zu::formatText(text, "%3.2f%%", static_cast<double>(depth * 100.0f));
        break;
    case 2: {
        const float v = volume;
        if (v > 0.0f)
            zu::formatText(text, "%.3f dB", 20.0 * std::log10(static_cast<double>(v)));
        else
            std::strcpy(text, "   -Inf  ");
        break;
    }
    default:
        break;
    }
}

float Overdrive::getVu() {
    return zu::takeVu(vu);
}

void Overdrive::suspend() {
    curveDirty = 1;
}

void Overdrive::process(float** inputs, float** outputs, VstInt32 sampleFrames) {
    run<true>(inputs, outputs, sampleFrames);
}

void Overdrive::processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) {
    run<false>(inputs, outputs, sampleFrames);
}

// 128 straight segments of 256 entries; each segment starts from its exact end value.
void Overdrive::buildCurve(int exponent) {
    float* table = curve.get();
    float prev = 1.0f;
    for (int i = 0; i < 128; ++i) {
        const float m = static_cast<float>(std::pow(1.0 - (i + 1) / 128.0, exponent));
        const float step = (prev - m) / 256.0f;
        float v = prev;
        for (int j = 0; j < 256; ++j) {
            v = v - step;
            table[256 * i + j] = v;
        }
        prev = m;
    }
}

template <bool Adding> void Overdrive::run(float** inputs, float** outputs, VstInt32 sampleFrames) {
    // Clear the flag before building, so that a change arriving during the build is kept.
    if (curveDirty != 0) {
        curveDirty = 0;
        buildCurve(driveLevel + 1);
    }
    const float* table = curve.get();
    const float dep = depth;
    const float vol = volume;
    const float dry = 1.0f - dep;
    const float* in0 = inputs[0];
    const float* in1 = inputs[1];
    float* out0 = outputs[0];
    float* out1 = outputs[1];
    float peak = 0.0f;
    for (VstInt32 s = 0; s < sampleFrames; ++s) {
        const float x0 = in0[s];
        const float x1 = in1[s];
        const float y0 = vol * (dep * shape(table, x0) + dry * x0);
        const float y1 = vol * (dep * shape(table, x1) + dry * x1);
        peak = zu::peakOf(peak, y0, y1);
        if constexpr (Adding) {
            out0[s] += y0;
            out1[s] += y1;
        } else {
            out0[s] = y0;
            out1[s] = y1;
        }
    }
    zu::feedVu(vu, peak);
}

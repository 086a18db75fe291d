#include "overdrive.h"

#include <cmath>
#include <cstring>

#include "convert.h"
#include "simd.h"
#include "vu_meter.h"

namespace {

constexpr char kNames[Overdrive::kNumParams][10] = {"Drive    ", "Depth    ", "Volume   "};
constexpr char kLabels[Overdrive::kNumParams][10] = {"         ", "         ", "dB       "};

using zu::simd::Floats;
using zu::simd::Indices;
using zu::simd::Ints;
using zu::simd::kLanes;

constexpr int kSegments = 128;
constexpr int kSegmentSteps = 256;

// wet = shape(x) for four samples whose denormals are first taken as +0, in x as well (a
// multiplication with a denormal is many times slower). The table holds 1 - c for each entry c
// of the curve, the upper half of the shape, and the sign of x picks the half: c - 1 is exactly
// -(1 - c), so the sign goes on as a bit. After the flush x is never -0, so its sign bit says
// x < 0.
inline void shape(const float* curve, Floats& x, Floats& wet) {
    const Ints bits = (Ints)x & zu::kMagnitudeBits;
    const Ints normal = bits > zu::kLargestDenormalBits;
    x = (Floats)((Ints)x & normal);
    Floats a = (Floats)(bits & normal);
    zu::simd::limitAbove(a, Floats{} + 1.0f); // NaN looks up the last entry
    const Indices index = (Indices) __builtin_convertvector(a * 32767.0f, Ints);
    const Floats upper = {curve[index[0]], curve[index[1]], curve[index[2]], curve[index[3]]};
    wet = (Floats)((Ints)upper ^ ((Ints)x & zu::kSignBit));
}

struct Mix {
    const float* curve;
    float depth;
    float dry;
    float volume;

    void operator()(Floats& x, Floats& y) const {
        Floats wet;
        shape(curve, x, wet);
        y = volume * (depth * wet + dry * x);
    }
};

template <bool Adding> inline void put(float* out, const Floats& y) {
    Floats v = y;
    if constexpr (Adding) {
        std::memcpy(&v, out, sizeof v);
        v += y;
    }
    std::memcpy(out, &v, sizeof v);
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
        curveDirty.store(1, std::memory_order_release);
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
    curveDirty.store(1, std::memory_order_release);
}

void Overdrive::process(float** inputs, float** outputs, VstInt32 sampleFrames) {
    run<true>(inputs, outputs, sampleFrames);
}

void Overdrive::processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) {
    run<false>(inputs, outputs, sampleFrames);
}

// 128 straight segments of 256 entries; each segment starts from its exact end value. Each entry
// c is stored as 1 - c, the subtraction that the lookup would otherwise make for every sample.
// The segments do not depend on each other's entries, so four are built at once, one to a lane:
// four steps of each, turned around so that each segment's four entries are stored together.
void Overdrive::buildCurve(int exponent) {
    float prev = 1.0f;
    for (int i = 0; i < kSegments; i += kLanes) {
        Floats v;
        Floats step;
        for (int k = 0; k < kLanes; ++k) {
            const float m = static_cast<float>(std::pow(1.0 - (i + k + 1) / 128.0, exponent));
            v[k] = prev;
            step[k] = (prev - m) / 256.0f;
            prev = m;
        }
        float* segments = curve.get() + kSegmentSteps * i;
        for (int j = 0; j < kSegmentSteps; j += kLanes) {
            Floats entries[kLanes];
            for (Floats& e : entries) {
                v = v - step;
                e = 1.0f - v;
            }
            zu::simd::transpose(entries);
            for (int k = 0; k < kLanes; ++k)
                std::memcpy(segments + kSegmentSteps * k + j, &entries[k], sizeof(Floats));
        }
    }
}

template <bool Adding> void Overdrive::run(float** inputs, float** outputs, VstInt32 sampleFrames) {
    if (curveDirty.exchange(0, std::memory_order_acquire) != 0) buildCurve(driveLevel + 1);
    const float dep = depth;
    const Mix mix{curve.get(), dep, 1.0f - dep, volume};
    const float* in0 = inputs[0];
    const float* in1 = inputs[1];
    float* out0 = outputs[0];
    float* out1 = outputs[1];
    Floats peak = {};
    const auto meter = [&peak](const Floats& y) {
        zu::simd::raiseTo(peak, (Floats)((Ints)y & zu::kMagnitudeBits));
    };

    // Four frames at a time; both inputs of them are read before their outputs are written,
    // so the outputs may be the inputs.
    VstInt32 s = 0;
    for (; s + kLanes <= sampleFrames; s += kLanes) {
        Floats x0, x1, y0, y1;
        std::memcpy(&x0, in0 + s, sizeof x0);
        std::memcpy(&x1, in1 + s, sizeof x1);
        mix(x0, y0);
        mix(x1, y1);
        meter(y0);
        meter(y1);
        put<Adding>(out0 + s, y0);
        put<Adding>(out1 + s, y1);
    }
    // The last one to three frames, two at a time: the left samples in lanes 0 and 1, the right
    // ones in lanes 2 and 3. A single frame fills both lanes of its channel, which leaves the peak
    // as it is.
    for (VstInt32 rest = sampleFrames - s; rest > 0; rest -= 2, s += 2) {
        const VstInt32 next = s + (rest > 1 ? 1 : 0);
        Floats x = {in0[s], in0[next], in1[s], in1[next]};
        Floats y;
        mix(x, y);
        meter(y);
        out0[s] = Adding ? out0[s] + y[0] : y[0];
        out1[s] = Adding ? out1[s] + y[2] : y[2];
        if (rest > 1) {
            out0[next] = Adding ? out0[next] + y[1] : y[1];
            out1[next] = Adding ? out1[next] + y[3] : y[3];
        }
    }
    zu::feedVu(vu, zu::simd::largestOf(peak));
}

// The two processing routines: per channel, store the sample in the ring, follow its polarity,
// and at each accepted zero crossing overwrite the half-wave that just ended with the chosen
// shape; the output is the ring's oldest sample, 1102 samples late.
#include <algorithm>
#include <cfloat>
#include <cmath>

#include "tarvel2.h"
#include "wave_shapes.h"

namespace {

using namespace zu::tarvel;

// Blends one half-wave of the shape into `count` ring positions from `start` (wrapping at
// `ringSize`), the phase running from `phase` in steps of `increment`.
using Synthesis = void (*)(float* ring, VstInt32 ringSize, VstInt32 start, VstInt32 count,
                           float phase, float increment, float wet, float dry, float foldGain);

template <int Shape, bool Fold>
void synthesize(float* ring, VstInt32 ringSize, VstInt32 start, VstInt32 count, float phase,
                float increment, float wet, float dry, float foldGain) {
    VstInt32 pos = start;
    while (count > 0) {
        const VstInt32 run = std::min(count, ringSize - pos);
        float* p = ring + pos;
        for (VstInt32 k = 0; k < run; ++k) {
            float w = waveValue<Shape>(phase);
            if constexpr (Fold) w = foldBack(w, foldGain);
            p[k] = p[k] * dry + w * wet;
            phase = phase + increment;
            if (phase > 1.0f) phase = wrapPhase(phase);
        }
        count -= run;
        pos = 0;
    }
}

template <int Shape> Synthesis synthesisFor(bool fold) {
    if constexpr (Shape == kSquare) return synthesize<Shape, false>;
    return fold ? synthesize<Shape, true> : synthesize<Shape, false>;
}

Synthesis synthesisFor(int shape, bool fold) {
    switch (shape) {
    case kSine:
        return synthesisFor<kSine>(fold);
    case kTriangle:
        return synthesisFor<kTriangle>(fold);
    case kSquare:
        return synthesisFor<kSquare>(fold);
    case kSawUp:
        return synthesisFor<kSawUp>(fold);
    case kSawDown:
        return synthesisFor<kSawDown>(fold);
    case kExpUp:
        return synthesisFor<kExpUp>(fold);
    default:
        return synthesisFor<kExpDown>(fold);
    }
}

// The parameters as one block reads them.
struct BlockSettings {
    float mix;      // wet share m
    float dry;      // 1 - m
    float foldGain; // 1 + distortion
    float cycles;   // transpose steps + 1: half-cycles of the shape per half-wave
    VstInt32 threshold;
    float positiveStart;
    float negativeStart;
    Synthesis synthesize;
};

// One channel's half-wave tracking, held in locals for the length of a block.
struct Channel {
    float* ring;
    VstInt32 segmentStart;
    VstInt32 polarity;
    float peak;

    // Follows sample x, just stored at ring position `pos`.
    void take(float x, VstInt32 pos, VstInt32 ringSize, const BlockSettings& s) {
        if (polarity == 0) {
            if (x > 0.0f)
                polarity = 1;
            else if (x < 0.0f)
                polarity = 2;
            if (polarity != 0 && segmentStart == Tarvel2::kNoSegment) segmentStart = pos;
        }
        if ((polarity == 1 && x <= 0.0f) || (polarity == 2 && x >= 0.0f))
            endHalfWave(x, pos, ringSize, s);
        // An infinity would scale the next synthesised half-wave: only finite samples count.
        const float a = std::fabs(x);
        if (a > peak && a <= FLT_MAX) peak = a;
    }

    void endHalfWave(float x, VstInt32 pos, VstInt32 ringSize, const BlockSettings& s) {
        VstInt32 n = pos - segmentStart;
        if (n < 0) n += ringSize;
        if (n < s.threshold) {
            polarity = 0; // too short: becomes part of the next half-wave
            return;
        }
        const float phase = polarity == 1 ? s.positiveStart : s.negativeStart;
        s.synthesize(ring, ringSize, segmentStart, n + 1, phase, s.cycles / static_cast<float>(n),
                     peak * s.mix, s.dry, s.foldGain);
        peak = 0.0f;
        segmentStart = pos;
        polarity = x == 0.0f ? 0 : 3 - polarity;
    }
};

} // namespace

void Tarvel2::process(float** inputs, float** outputs, VstInt32 sampleFrames) {
    run<true>(inputs, outputs, sampleFrames);
}

void Tarvel2::processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) {
    run<false>(inputs, outputs, sampleFrames);
}

template <bool Adding> void Tarvel2::run(float** inputs, float** outputs, VstInt32 sampleFrames) {
    if (sampleFrames <= 0) return;
    const float mix = fMix;
    const float distortion = fWaveformDistortion;
    const int shape = waveformIndex;
    const BlockSettings s{mix,
                          1.0f - mix,
                          1.0f + distortion,
                          transposeSteps + 1.0f,
                          thresholdSamples,
                          startPhase(shape, true),
                          startPhase(shape, false),
                          synthesisFor(shape, distortion > 0.0f)};
    const float gain = 2.0f * fOutputVolume;
    const VstInt32 ringSize = delaySamples + 1;

    Channel left{delayLineL.get(), segmentStartL, polarityL, peakL};
    Channel right{delayLineR.get(), segmentStartR, polarityR, peakR};
    // Both channels' positions always move together.
    VstInt32 writePos = writePosL;
    VstInt32 readPos = readPosL;
    const float* in0 = inputs[0];
    const float* in1 = inputs[1];
    float* out0 = outputs[0];
    float* out1 = outputs[1];
    for (VstInt32 i = 0; i < sampleFrames; ++i) {
        const float x0 = in0[i];
        const float x1 = in1[i];
        if (++writePos == ringSize) writePos = 0;
        left.ring[writePos] = x0;
        left.take(x0, writePos, ringSize, s);
        right.ring[writePos] = x1;
        right.take(x1, writePos, ringSize, s);
        if (++readPos == ringSize) readPos = 0;
        const float y0 = left.ring[readPos] * gain;
        const float y1 = right.ring[readPos] * gain;
        if constexpr (Adding) {
            out0[i] += y0;
            out1[i] += y1;
        } else {
            out0[i] = y0;
            out1[i] = y1;
        }
    }
    writePosL = writePosR = writePos;
    readPosL = readPosR = readPos;
    segmentStartL = left.segmentStart;
    segmentStartR = right.segmentStart;
    polarityL = left.polarity;
    polarityR = right.polarity;
    peakL = left.peak;
    peakR = right.peak;
}

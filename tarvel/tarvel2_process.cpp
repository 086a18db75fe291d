// The two processing routines. Per channel: store the sample in the ring, follow its polarity,
// and at each accepted zero crossing overwrite the half-wave that just ended with the chosen
// shape; the output is the ring's oldest sample, 1102 samples late. A denormal input sample is
// taken as a zero of its sign.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "float_bits.h"
#include "four_floats.h"
#include "simd.h"
#include "synthesis.h"
#include "tarvel2.h"
#include "wave_shapes.h"

namespace {

using namespace zu::tarvel;

// The parameters as one block reads them.
struct BlockSettings {
    float mix;      // wet share m
    float dry;      // 1 - m
    float foldGain; // 1 + distortion
    float cycles;   // transpose steps + 1: half-cycles of the shape per half-wave
    VstInt32 threshold;
    VstInt32 ringSize;
    float positiveStart;
    float negativeStart;
    Synthesiser synthesiser;
};

float signOf(VstInt32 polarity) {
    return polarity == 1 ? 1.0f : polarity == 2 ? -1.0f : 0.0f;
}

// One channel's half-wave tracking, held in locals for the length of a block.
struct Channel {
    float* ring;
    VstInt32 segmentStart;
    VstInt32 polarity;
    float peak;
    float sign; // of the polarity; 0 while undetermined

    // Whether x leaves the half-wave as it is: nothing to do but raise the peak. True for a
    // sample of the current polarity, or for 0 while the polarity is undetermined; false for
    // NaN, which follow() passes over.
    bool continues(float x) const { return sign == 0.0f ? x == 0.0f : x * sign > 0.0f; }

    // The same for four samples.
    Ints4 continues(const Floats4& x) const {
        return sign == 0.0f ? x == Floats4{} : x * sign > Floats4{};
    }

    void raisePeak(float x) {
        const float a = std::fabs(x);
        peak = a > peak ? a : peak;
    }

    // Polarity and crossing for sample x, just stored at `pos`. Returns whether the half-wave
    // that x ends is to be synthesised, as `pass`.
    bool follow(float x, VstInt32 pos, const BlockSettings& s, Pass& pass) {
        if (polarity == 0) {
            if (x > 0.0f)
                polarity = 1;
            else if (x < 0.0f)
                polarity = 2;
            if (polarity != 0 && segmentStart == Tarvel2::kNoSegment) segmentStart = pos;
        }
        bool synthesise = false;
        if ((polarity == 1 && x <= 0.0f) || (polarity == 2 && x >= 0.0f)) {
            VstInt32 n = pos - segmentStart;
            if (n < 0) n += s.ringSize;
            if (n < s.threshold) {
                polarity = 0; // too short: becomes part of the next half-wave
            } else {
                // A half-wave holding an infinite sample is left as it is.
                if (peak <= FLT_MAX) {
                    pass = {segmentStart, n + 1, polarity == 1 ? s.positiveStart : s.negativeStart,
                            s.cycles / static_cast<float>(n), peak * s.mix};
                    synthesise = true;
                }
                peak = 0.0f;
                segmentStart = pos;
                polarity = x == 0.0f ? 0 : 3 - polarity;
            }
        }
        sign = signOf(polarity);
        return synthesise;
    }
};

// Both channels at a sample that at least one of them does not simply continue. Passes of the
// two channels over the same positions with the same phases share the shape values.
void followBoth(Channel& left, Channel& right, float x0, float x1, VstInt32 pos,
                const BlockSettings& s) {
    Pass l, r;
    const bool hasLeft = !left.continues(x0) && left.follow(x0, pos, s, l);
    const bool hasRight = !right.continues(x1) && right.follow(x1, pos, s, r);
    if (hasLeft && hasRight && l.start == r.start && l.count == r.count && l.phase == r.phase) {
        s.synthesiser.pair(left.ring, right.ring, s.ringSize, l, r.wet, s.dry, s.foldGain);
        return;
    }
    if (hasLeft) s.synthesiser.single(left.ring, s.ringSize, l, s.dry, s.foldGain);
    if (hasRight) s.synthesiser.single(right.ring, s.ringSize, r, s.dry, s.foldGain);
}

// Raises the channel's peak to the largest of four collected ones.
void mergePeak(Channel& channel, const Floats4& collected) {
    for (int lane = 0; lane < 4; ++lane)
        channel.peak = collected[lane] > channel.peak ? collected[lane] : channel.peak;
}

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
    const VstInt32 ringSize = delaySamples + 1;
    const BlockSettings s{mix,
                          1.0f - mix,
                          1.0f + distortion,
                          transposeSteps + 1.0f,
                          thresholdSamples,
                          ringSize,
                          startPhase(shape, true),
                          startPhase(shape, false),
                          synthesiserFor(shape, distortion > 0.0f)};
    const float gain = 2.0f * fOutputVolume;

    Channel left{delayLineL.get(), segmentStartL, polarityL, peakL, signOf(polarityL)};
    Channel right{delayLineR.get(), segmentStartR, polarityR, peakR, signOf(polarityR)};
    float* const ringL = left.ring;
    float* const ringR = right.ring;
    const float* const in0 = inputs[0];
    const float* const in1 = inputs[1];
    float* const out0 = outputs[0];
    float* const out1 = outputs[1];

    // Frame i: store at ring position w, follow both channels, read the oldest sample at r.
    const auto frame = [&](VstInt32 i, VstInt32 w, VstInt32 r) {
        const float x0 = zu::withoutDenormal(in0[i]);
        const float x1 = zu::withoutDenormal(in1[i]);
        ringL[w] = x0;
        ringR[w] = x1;
        if (!(left.continues(x0) & right.continues(x1))) followBoth(left, right, x0, x1, w, s);
        left.raisePeak(x0);
        right.raisePeak(x1);
        const float y0 = ringL[r] * gain;
        const float y1 = ringR[r] * gain;
        if constexpr (Adding) {
            out0[i] += y0;
            out1[i] += y1;
        } else {
            out0[i] = y0;
            out1[i] = y1;
        }
    };

    // Both channels' positions always move together; the read position is the one after the
    // write position. Frames run in stretches in which neither wraps, four at a time where both
    // channels simply continue their half-waves: then there is only the ring to write and read.
    const Floats4 zero{};
    VstInt32 writePos = writePosL;
    for (VstInt32 i = 0; i < sampleFrames;) {
        const VstInt32 w = writePos + 1 == ringSize ? 0 : writePos + 1;
        const VstInt32 r = w + 1 == ringSize ? 0 : w + 1;
        const VstInt32 stretch = r == 0 ? 1 : std::min(sampleFrames - i, ringSize - r);
        // Peaks of the four-frame groups, merged into the channels before a single frame.
        Floats4 peak0{}, peak1{};
        bool collected = false;
        const auto mergePeaks = [&] {
            if (!collected) return;
            mergePeak(left, peak0);
            mergePeak(right, peak1);
            peak0 = peak1 = zero;
            collected = false;
        };
        VstInt32 k = 0;
        for (; k + 4 <= stretch; k += 4) {
            Floats4 x0 = load4(in0 + i + k);
            Floats4 x1 = load4(in1 + i + k);
            zu::simd::flushDenormals(x0);
            zu::simd::flushDenormals(x1);
            if (!allSet(left.continues(x0) & right.continues(x1))) {
                mergePeaks();
                for (VstInt32 j = k; j < k + 4; ++j)
                    frame(i + j, w + j, r + j);
                continue;
            }
            peak0 = max4(abs4(x0), peak0);
            peak1 = max4(abs4(x1), peak1);
            collected = true;
            // Read before the stores: the ring's oldest samples sit just after the new ones.
            const Floats4 y0 = load4(ringL + r + k) * gain;
            const Floats4 y1 = load4(ringR + r + k) * gain;
            store4(ringL + w + k, x0);
            store4(ringR + w + k, x1);
            if constexpr (Adding) {
                store4(out0 + i + k, load4(out0 + i + k) + y0);
                store4(out1 + i + k, load4(out1 + i + k) + y1);
            } else {
                store4(out0 + i + k, y0);
                store4(out1 + i + k, y1);
            }
        }
        mergePeaks();
        for (; k < stretch; ++k)
            frame(i + k, w + k, r + k);
        writePos = w + stretch - 1;
        i += stretch;
    }
    writePosL = writePosR = writePos;
    readPosL = readPosR = writePos + 1 == ringSize ? 0 : writePos + 1;
    segmentStartL = left.segmentStart;
    segmentStartR = right.segmentStart;
    polarityL = left.polarity;
    polarityR = right.polarity;
    peakL = left.peak;
    peakR = right.peak;
}

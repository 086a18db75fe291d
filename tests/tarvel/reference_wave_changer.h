// The wave changer written out plainly, one channel and one sample at a time, in the order the
// algorithm reads: a reference for the plug-in's faster processing.
#pragma once

#include <cmath>
#include <vector>

namespace zu::testing {

struct ReferenceWaveChanger {
    static constexpr int kRing = 1103;

    // Working values, as the effect derives them from its parameters.
    int shape = 0;
    float distortion = 0.0f;
    float steps = 0.0f;
    int threshold = 1;
    float mix = 1.0f;
    float volume = 0.5f;

    struct Channel {
        std::vector<float> ring = std::vector<float>(kRing, 0.0f);
        int write = 0;
        int read = 1;
        int segment = 9999;
        int polarity = 0;
        float peak = 0.0f;
    };
    Channel channels[2];

    float wave(float p) const {
        switch (shape) {
        case 0:
            return p <= 0.0f ? 1.0f - (2.0f * p + 1.0f) * (2.0f * p + 1.0f)
                             : (2.0f * p - 1.0f) * (2.0f * p - 1.0f) - 1.0f;
        case 1:
            if (p <= -0.5f) return 2.0f * (p + 1.0f);
            if (p < 0.5f) return 2.0f - 2.0f * (p + 1.0f);
            return 2.0f * (p + 1.0f) - 4.0f;
        case 2:
            return p > 0.0f ? -1.0f : 1.0f;
        case 3:
            return p;
        case 4:
            return -p;
        case 5:
            return 1.0f - 2.0f * p * p;
        default:
            return 2.0f * p * p - 1.0f;
        }
    }

    void synthesise(Channel& c, int n, float phase) const {
        const float increment = (steps + 1.0f) / static_cast<float>(n);
        const float wet = c.peak * mix;
        const float dry = 1.0f - mix;
        int pos = c.segment;
        for (int k = 0; k <= n; ++k) {
            float w = wave(phase);
            if (distortion > 0.0f && shape != 2) {
                w = w * (1.0f + distortion);
                if (w > 1.0f) w = 1.0f - (w - 1.0f);
                if (w < -1.0f) w = -1.0f - (w + 1.0f);
            }
            c.ring[pos] = c.ring[pos] * dry + w * wet;
            pos = (pos + 1) % kRing;
            phase = phase + increment;
            while (phase > 1.0f)
                phase = phase - 2.0f;
        }
    }

    float step(Channel& c, float x) const {
        c.write = (c.write + 1) % kRing;
        c.ring[c.write] = x;
        if (c.polarity == 0) {
            if (x > 0.0f) c.polarity = 1;
            if (x < 0.0f) c.polarity = 2;
            if (c.polarity != 0 && c.segment == 9999) c.segment = c.write;
        }
        if ((c.polarity == 1 && x <= 0.0f) || (c.polarity == 2 && x >= 0.0f)) {
            const int n = c.write >= c.segment ? c.write - c.segment : kRing - c.segment + c.write;
            if (n < threshold) {
                c.polarity = 0;
            } else {
                const bool positive = c.polarity == 1;
                const float start = positive != (shape == 3) ? -1.0f : 0.0f;
                // A half-wave holding an infinite sample is left as it is.
                if (std::isfinite(c.peak)) synthesise(c, n, start);
                c.peak = 0.0f;
                c.segment = c.write;
                c.polarity = x == 0.0f ? 0 : positive ? 2 : 1;
            }
        }
        if (std::fabs(x) > c.peak) c.peak = std::fabs(x);
        c.read = (c.read + 1) % kRing;
        return c.ring[c.read] * (2.0f * volume);
    }

    void process(const std::vector<float>& left, const std::vector<float>& right,
                 std::vector<float>& outLeft, std::vector<float>& outRight) {
        outLeft.resize(left.size());
        outRight.resize(right.size());
        for (std::size_t i = 0; i < left.size(); ++i) {
            outLeft[i] = step(channels[0], left[i]);
            outRight[i] = step(channels[1], right[i]);
        }
    }
};

} // namespace zu::testing

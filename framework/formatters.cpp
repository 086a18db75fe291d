// The base class's value formatters: eight characters for a host's parameter view.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "audioeffect.h"

namespace {

constexpr char kHugeText[] = " Huge!  ";
constexpr char kMinusInfinityDbText[] = "   -\xB0   ";
constexpr int kTextWidth = 8;

char digitOf(double v) {
    return static_cast<char>('0' + static_cast<int>(std::fmod(v, 10.0)));
}

} // namespace

void AudioEffect::dB2string(float value, char* text) {
    if (value > 0.0f)
        float2string(static_cast<float>(20.0 * std::log10(static_cast<double>(value))), text);
    else
        std::strcpy(text, kMinusInfinityDbText);
}

void AudioEffect::Hz2string(float samples, char* text) {
    if (samples == 0.0f)
        float2string(0.0f, text);
    else
        float2string(getSampleRate() / samples, text);
}

void AudioEffect::ms2string(float samples, char* text) {
    float2string(samples * 1000.0f / getSampleRate(), text);
}

// Fixed-point text, built from the end of a scratch buffer toward its front. The fraction
// digits are truncated, not rounded. NaN counts as out of range.
void AudioEffect::float2string(float value, char* text) {
    double v = value;
    int c = 0;
    bool neg = false;
    if (v < 0.0) {
        neg = true;
        v = -v;
        c = 1;
        if (v > 9999999.0) {
            std::strcpy(text, kHugeText);
            return;
        }
    } else if (!(v <= 99999999.0)) {
        std::strcpy(text, kHugeText);
        return;
    }

    char scratch[32];
    char* p = scratch + sizeof(scratch) - 1;
    *p = '\0';
    *--p = '.';
    ++c;
    double integ = std::floor(v);
    *--p = digitOf(integ);
    integ /= 10.0;
    ++c;
    while (integ >= 1.0 && c < kTextWidth) {
        *--p = digitOf(integ);
        integ /= 10.0;
        ++c;
    }
    if (neg) *--p = '-';
    std::strcpy(text, p);
    if (c >= kTextWidth) return;

    p = scratch + sizeof(scratch) - 1;
    *p = '\0';
    double mantissa = std::fmod(v, 1.0) * std::pow(10.0, kTextWidth - c);
    while (c < kTextWidth) {
        if (mantissa > 0.0) {
            *--p = digitOf(mantissa);
            mantissa = static_cast<double>(mantissa * 0.1L);
        } else {
            *--p = '0';
        }
        ++c;
    }
    std::strcat(text, p);
}

void AudioEffect::long2string(VstInt32 value, char* text) {
    if (value >= 100000000) {
        std::strcpy(text, kHugeText);
        return;
    }
    char scratch[32];
    std::snprintf(scratch, sizeof(scratch), "%7d", static_cast<int>(value));
    scratch[kTextWidth] = '\0';
    std::strcpy(text, scratch);
}

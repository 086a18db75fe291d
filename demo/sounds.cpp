#include "sounds.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <numbers>
#include <random>
#include <stdexcept>

namespace zu::demo {

namespace {

using host::StereoSignal;
using Generator = std::function<StereoSignal(int)>;

// Karplus-Strong plucked strings: a short phrase, notes panned a little left and right.
StereoSignal pluckPhrase(int rate) {
    const double notes[] = {220.0, 277.18, 329.63, 440.0, 329.63, 277.18, 246.94, 220.0};
    const double noteSeconds = 0.45;
    const auto noteFrames = static_cast<std::size_t>(noteSeconds * rate);
    StereoSignal s(noteFrames * std::size(notes) + static_cast<std::size_t>(rate));
    std::mt19937 random(7);
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    for (std::size_t n = 0; n < std::size(notes); ++n) {
        std::vector<float> string(static_cast<std::size_t>(rate / notes[n]));
        for (float& v : string)
            v = noise(random);
        const float pan = (n % 2 == 0) ? 0.35f : 0.65f;
        std::size_t at = 0;
        for (std::size_t i = n * noteFrames; i < s.frames(); ++i) {
            const std::size_t next = (at + 1) % string.size();
            const float v = string[at];
            string[at] = 0.498f * (v + string[next]);
            at = next;
            s.left[i] += 0.7f * (1.0f - pan) * v;
            s.right[i] += 0.7f * pan * v;
        }
    }
    return s;
}

// A full-scale-ish logarithmic sine sweep from 40 Hz to 8 kHz.
StereoSignal sineSweep(int rate) {
    const double seconds = 3.0, f0 = 40.0, f1 = 8000.0;
    StereoSignal s(static_cast<std::size_t>(seconds * rate));
    const double k = std::log(f1 / f0);
    for (std::size_t i = 0; i < s.frames(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double phase =
            2.0 * std::numbers::pi * f0 * seconds / k * (std::exp(t / seconds * k) - 1.0);
        s.left[i] = s.right[i] = static_cast<float>(0.8 * std::sin(phase));
    }
    return s;
}

// A plucked bass line: low notes of a fundamental with two softer harmonics, each decaying.
StereoSignal bassLine(int rate) {
    const double notes[] = {55.0, 55.0, 82.41, 73.42, 65.41, 49.0, 55.0, 41.2};
    const auto noteFrames = static_cast<std::size_t>(0.4 * rate);
    StereoSignal s(noteFrames * std::size(notes) + static_cast<std::size_t>(rate / 2));
    for (std::size_t n = 0; n < std::size(notes); ++n) {
        for (std::size_t k = 0; k < noteFrames + static_cast<std::size_t>(rate / 2); ++k) {
            const double t = static_cast<double>(k) / rate;
            const double x = 2.0 * std::numbers::pi * notes[n] * t;
            const double decay = std::min(1.0, t / 0.005) * std::exp(-t / 0.25);
            const auto v = static_cast<float>(
                0.8 * decay * (std::sin(x) + 0.5 * std::sin(2 * x) + 0.25 * std::sin(3 * x)) / 1.4);
            s.left[n * noteFrames + k] += v;
            s.right[n * noteFrames + k] += v;
        }
    }
    return s;
}

// A sung "ah" on G3 with vibrato: harmonics weighted by three vowel formants.
StereoSignal sungTone(int rate) {
    const double seconds = 3.0, formants[] = {730.0, 1090.0, 2440.0};
    StereoSignal s(static_cast<std::size_t>(seconds * rate));
    double phase = 0.0;
    for (std::size_t i = 0; i < s.frames(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double f0 = 196.0 * (1.0 + 0.012 * std::sin(2.0 * std::numbers::pi * 5.5 * t));
        phase += 2.0 * std::numbers::pi * f0 / rate;
        double v = 0.0;
        for (int h = 1; h * 196.0 < 4000.0; ++h) {
            double weight = 0.4;
            for (double f : formants)
                weight += 1.0 / (1.0 + std::pow((h * f0 - f) / 120.0, 2.0));
            v += weight / h * std::sin(h * phase);
        }
        const double level = std::min({1.0, t / 0.15, (seconds - t) / 0.3});
        s.left[i] = s.right[i] = static_cast<float>(0.45 * level * v);
    }
    return s;
}

const std::map<std::string, Generator>& generators() {
    static const std::map<std::string, Generator> table = {
        {"bass-line", bassLine},
        {"pluck-phrase", pluckPhrase},
        {"sine-sweep", sineSweep},
        {"sung-tone", sungTone},
    };
    return table;
}

} // namespace

std::vector<std::string> soundNames() {
    std::vector<std::string> names;
    for (const auto& [name, generator] : generators())
        names.push_back(name);
    return names;
}

StereoSignal makeSound(const std::string& name, int sampleRate) {
    const auto found = generators().find(name);
    if (found == generators().end())
        throw std::invalid_argument("unknown demo sound '" + name + "'");
    return found->second(sampleRate);
}

} // namespace zu::demo

#include "signals.h"

#include <cmath>
#include <numbers>
#include <random>

namespace zu::bench {

namespace {

constexpr double kSineHz = 441.0;

double sineAt(std::size_t frame) {
    return std::sin(2.0 * std::numbers::pi * kSineHz * static_cast<double>(frame) / kSampleRate);
}

} // namespace

std::string_view inputName(Input input) {
    switch (input) {
    case Input::Sine:
        return "sine";
    case Input::Noise:
        return "noise";
    case Input::Denormal:
        return "denormal";
    case Input::Silence:
        return "silence";
    }
    return "?";
}

host::StereoSignal makeInput(Input input, std::size_t frames) {
    host::StereoSignal s(frames);
    switch (input) {
    case Input::Sine:
        for (std::size_t i = 0; i < frames; ++i)
            s.left[i] = s.right[i] = static_cast<float>(sineAt(i));
        break;
    case Input::Noise: {
        std::mt19937 random(441);
        std::uniform_real_distribution<float> sample(-1.0f, 1.0f);
        for (std::size_t i = 0; i < frames; ++i) {
            s.left[i] = sample(random);
            s.right[i] = sample(random);
        }
        break;
    }
    case Input::Denormal: {
        // 1.2e-38 (just above the smallest normal float) down to 1e-41 over the signal.
        const double decay = std::log(1e-41 / 1.2e-38) / static_cast<double>(frames);
        for (std::size_t i = 0; i < frames; ++i)
            s.left[i] = s.right[i] =
                static_cast<float>(1.2e-38 * std::exp(decay * static_cast<double>(i)) * sineAt(i));
        break;
    }
    case Input::Silence:
        break;
    }
    return s;
}

} // namespace zu::bench

#include "render_cases.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace zu::crosscheck {

namespace {

constexpr std::size_t kFrames = 33075;

// Uniform in [-1, 1) with 24 significant bits, from a linear congruential generator.
float noise(std::uint32_t& state) {
    state = state * 1664525u + 1013904223u;
    return static_cast<float>(static_cast<std::int32_t>(state) >> 8) / 8388608.0f;
}

// A triangle from -1 to 1 whose period (in frames) is `period`, a power of two.
float triangle(std::size_t frame, std::size_t period) {
    const auto whole = static_cast<std::int32_t>(period);
    const std::int32_t half = whole / 2;
    const auto phase = static_cast<std::int32_t>(frame % period);
    const std::int32_t distance = phase < half ? phase : whole - phase;
    return static_cast<float>(2 * distance - half) / static_cast<float>(half);
}

// Level of each eighth of the signal: plain, silent, quiet, clipping.
constexpr float kLevels[8] = {0.8f, 0.0f, 0.01f, 1.5f, 0.5f, 0.0f, 2.0f, 0.25f};

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

File openFile(const std::string& path, const char* mode) {
    File file(std::fopen(path.c_str(), mode), &std::fclose);
    if (!file) throw std::runtime_error("cannot open '" + path + "'");
    return file;
}

} // namespace

host::StereoSignal testSignal() {
    host::StereoSignal s(kFrames);
    std::uint32_t left = 1, right = 2;
    for (std::size_t i = 0; i < kFrames; ++i) {
        const float level = kLevels[i * 8 / kFrames];
        const std::size_t period = std::size_t{512} >> (i * 4 / kFrames);
        s.left[i] = level * (0.75f * triangle(i, period) + 0.25f * noise(left));
        s.right[i] = level * (0.5f * triangle(i, period * 2) + 0.5f * noise(right));
    }
    return s;
}

const std::vector<RenderCase> kRenderCases = {
    {"new", {}},
    {"low", {0.2f, 0.2f, 0.2f, 0.2f, 0.2f, 0.2f}},
    {"mixed", {0.9f, 0.35f, 0.6f, 0.15f, 0.75f, 0.45f}},
};

std::string referencePath(const std::string& dir, const std::string& plugin,
                          const RenderCase& renderCase) {
    return dir + "/" + plugin + "-" + renderCase.name + ".f32";
}

void writeReference(const std::string& path, const host::StereoSignal& signal) {
    File file = openFile(path, "wb");
    for (const auto* channel : {&signal.left, &signal.right})
        if (std::fwrite(channel->data(), sizeof(float), channel->size(), file.get()) !=
            channel->size())
            throw std::runtime_error("cannot write '" + path + "'");
}

host::StereoSignal readReference(const std::string& path, std::size_t frames) {
    File file = openFile(path, "rb");
    host::StereoSignal signal(frames);
    for (auto* channel : {&signal.left, &signal.right})
        if (std::fread(channel->data(), sizeof(float), frames, file.get()) != frames)
            throw std::runtime_error("'" + path + "' is shorter than the signal");
    if (std::fgetc(file.get()) != EOF)
        throw std::runtime_error("'" + path + "' is longer than the signal");
    return signal;
}

} // namespace zu::crosscheck

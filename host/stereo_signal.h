#pragma once

#include <cstddef>
#include <vector>

namespace zu::host {

// Two channels of equal length, as the plug-ins take them.
struct StereoSignal {
    std::vector<float> left;
    std::vector<float> right;

    explicit StereoSignal(std::size_t frames = 0) : left(frames), right(frames) {}
    std::size_t frames() const { return left.size(); }
};

} // namespace zu::host

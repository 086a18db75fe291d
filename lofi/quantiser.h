// Rounds samples down to whole multiples of 1 / (2^(bits - 1) - 1).
#pragma once

#include <cmath>
#include <cstdint>

class Quantiser {
public:
    explicit Quantiser(std::int32_t bitDepth)
        : level(static_cast<float>(std::pow(2.0, bitDepth - 1) - 1.0)),
          scale(static_cast<float>(static_cast<double>(level) - 0.00001)), inv(1.0f / level) {}

    // The product is exact in double precision, so floor sees it unrounded.
    float operator()(float x) const {
        return static_cast<float>(std::floor(static_cast<double>(x) * scale) * inv);
    }

    float step() const { return inv; }

private:
    float level;
    float scale;
    float inv;
};

// Rounds samples down to whole multiples of 1 / (2^(bits - 1) - 1).
#pragma once

#include <cmath>
#include <cstdint>

class Quantiser {
public:
    // Scale and step are single-precision values, kept widened for the sample loop.
    explicit Quantiser(std::int32_t bitDepth) {
        const float level = static_cast<float>(std::pow(2.0, bitDepth - 1) - 1.0);
        scaleFactor = static_cast<float>(static_cast<double>(level) - 0.00001);
        stepSize = 1.0f / level;
    }

    // The product of two single-precision values is exact in double precision, so floor sees
    // it unrounded.
    float operator()(float x) const {
        return static_cast<float>(std::floor(x * scaleFactor) * stepSize);
    }

    double scale() const { return scaleFactor; }
    double step() const { return stepSize; }

private:
    double scaleFactor;
    double stepSize;
};

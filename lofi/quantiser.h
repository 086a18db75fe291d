// Rounds samples down to whole multiples of 1 / L, with L = 2^(bits - 1) - 1, for 2 to 16 bits.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>

namespace quantiser_detail {

constexpr std::int32_t kMinBits = 2;
constexpr std::int32_t kMaxBits = 16;

// Both are single-precision values, kept widened for the sample loop.
struct Factors {
    double scale; // L - 0.00001: just under L up to 9 bits, L itself from 10 bits
    double step;  // 1 / L
};

constexpr Factors factorsFor(std::int32_t bits) {
    const float level = static_cast<float>((std::int32_t{1} << (bits - 1)) - 1);
    return {static_cast<float>(static_cast<double>(level) - 0.00001), 1.0f / level};
}

inline constexpr auto kFactors = [] {
    std::array<Factors, kMaxBits - kMinBits + 1> table{};
    for (std::int32_t bits = kMinBits; bits <= kMaxBits; ++bits)
        table[bits - kMinBits] = factorsFor(bits);
    return table;
}();

} // namespace quantiser_detail

class Quantiser {
public:
    // bitDepth must be within 2..16.
    explicit Quantiser(std::int32_t bitDepth)
        : factors(quantiser_detail::kFactors[bitDepth - quantiser_detail::kMinBits]) {}

    // The product of two single-precision values is exact in double precision, so floor sees
    // it unrounded.
    float operator()(float x) const {
        return static_cast<float>(std::floor(x * factors.scale) * factors.step);
    }

    double scale() const { return factors.scale; }
    double step() const { return factors.step; }

private:
    quantiser_detail::Factors factors;
};

// Float-to-integer conversions that stay defined for any input.
#pragma once

#include <cstdint>

// Truncates toward zero and keeps the result within lo..hi; NaN gives lo.
constexpr std::int32_t truncateClamped(double v, std::int32_t lo, std::int32_t hi) {
    if (!(v >= lo)) return lo;
    if (v >= hi) return hi;
    return static_cast<std::int32_t>(v);
}

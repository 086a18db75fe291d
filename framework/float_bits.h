// Facts about the bits of a 32-bit float, and the one rule built on them: denormal samples are
// taken as zero, as float arithmetic with a denormal operand is many times slower.
#pragma once

#include <bit>
#include <cstdint>

namespace zu {

inline constexpr std::int32_t kMagnitudeBits = 0x7fffffff;
inline constexpr std::int32_t kSignBit = INT32_MIN;
inline constexpr std::int32_t kLargestDenormalBits = 0x007fffff;
inline constexpr std::int32_t kExponentBits = 0x7f800000;

// x, or a zero of its sign when x is denormal.
inline float withoutDenormal(float x) {
    const auto bits = std::bit_cast<std::int32_t>(x);
    return (bits & kExponentBits) == 0 ? std::bit_cast<float>(bits & kSignBit) : x;
}

} // namespace zu

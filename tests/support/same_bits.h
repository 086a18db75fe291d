// Output compared bit for bit, where any NaN matches any NaN.
#pragma once

#include <cmath>
#include <cstring>

namespace zu::testing {

inline bool sameBits(float a, float b) {
    return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
}

} // namespace zu::testing

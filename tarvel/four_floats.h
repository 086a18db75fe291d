// Four single-precision values side by side, for loops that handle four samples at once.
// Lane-wise arithmetic rounds exactly as the same operations on single floats.
#pragma once

#include <cstdint>
#include <cstring>

namespace zu::tarvel {

using Floats4 = float __attribute__((vector_size(16)));
using Ints4 = std::int32_t __attribute__((vector_size(16)));

inline Floats4 load4(const float* p) {
    Floats4 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

inline void store4(float* p, Floats4 v) {
    std::memcpy(p, &v, sizeof v);
}

inline Floats4 abs4(Floats4 v) {
    return reinterpret_cast<Floats4>(reinterpret_cast<Ints4>(v) & 0x7fffffff);
}

inline Floats4 max4(Floats4 a, Floats4 b) {
    return a > b ? a : b;
}

// Whether every lane of a comparison result is true.
inline bool allSet(Ints4 mask) {
    std::uint64_t halves[2];
    std::memcpy(halves, &mask, sizeof halves);
    return (halves[0] & halves[1]) == ~std::uint64_t{0};
}

} // namespace zu::tarvel

// The floating-point mode the wave changer computes in.
#pragma once

namespace zu {

// Masks every floating-point exception of the calling thread (faults give infinities and NaNs,
// never traps) and, where the processor has an x87 unit, sets it to extended (64-bit mantissa)
// precision.
void setUpFloatingPoint();

} // namespace zu

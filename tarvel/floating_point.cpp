#include "floating_point.h"

#include <cfenv>

namespace zu {

void setUpFloatingPoint() {
    std::fenv_t previous;
    std::feholdexcept(&previous);
#if defined(__GNUC__) && (defined(__i386__) || defined(__x86_64__))
    // Precision control, bits 8 and 9 of the x87 control word: 11 selects a 64-bit mantissa.
    unsigned short control = 0;
    __asm__ __volatile__("fnstcw %0" : "=m"(control));
    control = static_cast<unsigned short>(control | 0x0300u);
    __asm__ __volatile__("fldcw %0" : : "m"(control));
#endif
}

} // namespace zu

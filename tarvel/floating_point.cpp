#include "floating_point.h"

#include <cfenv>

namespace zu {

void setUpFloatingPoint() {
    std::fenv_t previous;
    std::feholdexcept(&previous);
#if defined(__GNUC__) && (defined(__i386__) || defined(__x86_64__))
    // Precision control, bits 8 and 9 of the x87 control word: 11 selects a 64-bit mantissa.
    // Bits 0 to 5 mask the six exceptions; set here too rather than trusting the side effect of
    // feholdexcept's fnstenv, which emulators (qemu-i386) do not reproduce.
    unsigned short control = 0;
    __asm__ __volatile__("fnstcw %0" : "=m"(control));
    control = static_cast<unsigned short>(control | 0x0300u | 0x003Fu);
    __asm__ __volatile__("fldcw %0" : : "m"(control));
#endif
}

} // namespace zu

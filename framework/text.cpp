#include "text.h"

#include <cstdio>
#include <cstring>

namespace zu {

void copyProgramName(char (&name)[kProgramNameSize], const char* src) {
    std::size_t n = 0;
    while (n + 1 < kProgramNameSize && src[n] != '\0')
        ++n;
    std::memcpy(name, src, n);
    name[n] = '\0';
}

void formatText(char* text, const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::vsnprintf(text, kMaxTextSize, format, args);
    va_end(args);
}

} // namespace zu

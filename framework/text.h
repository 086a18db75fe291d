// Writing texts into buffers the host owns.
#pragma once

#include <cstdarg>
#include <cstddef>

namespace zu {

// Program names hold at most 23 characters and a terminator.
constexpr std::size_t kProgramNameSize = 24;
// No text we hand a host is longer than this, terminator included.
constexpr std::size_t kMaxTextSize = 24;

// Copies src into a program name, cutting it to 23 characters.
void copyProgramName(char (&name)[kProgramNameSize], const char* src);

// printf-style formatting into a host buffer, cut to kMaxTextSize bytes.
#if defined(__GNUC__)
__attribute__((format(printf, 2, 3)))
#endif
void formatText(char* text, const char* format, ...);

} // namespace zu

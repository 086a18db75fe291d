// Who removes a call's arguments from the stack, on 32-bit x86 where conventions differ.
#pragma once

#if defined(__i386__)
#include <cstdint>

namespace zu::crosscheck {

// Pushes `count` 32-bit arguments (the first one last), calls `function`, and returns how many
// bytes of them the function removed itself: 0 for the caller-clean-up convention. The
// function's 32-bit result goes to `result`.
extern "C" int zuCalleeRemovedBytes(const void* function, const std::uint32_t* arguments, int count,
                                    std::uint32_t* result);

} // namespace zu::crosscheck
#endif

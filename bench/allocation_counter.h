// What the program takes from the C allocator. The program that links this file stands in for
// malloc and its kin (forwarding to the C library's own functions), so plug-ins loaded into it are
// seen too, whatever C++ runtime they carry.
#pragma once

#include <cstddef>

namespace zu::bench {

struct Holding {
    std::size_t bytes = 0; // as requested
    int allocations = 0;
    bool complete = true; // false when more allocations were made than the window can follow
};

// Follows the allocations made on this thread while it is open; those not freed before `close`
// are what the code run inside it holds.
class AllocationWindow {
public:
    AllocationWindow();
    ~AllocationWindow();
    AllocationWindow(const AllocationWindow&) = delete;
    AllocationWindow& operator=(const AllocationWindow&) = delete;

    Holding close();
};

// Allocations made so far in the program, on any thread.
long allocationCalls();

} // namespace zu::bench

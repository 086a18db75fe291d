#include "allocation_counter.h"

#include <atomic>
#include <cerrno>
#include <cstdint>

// The C library's own allocator, under the names it exports for programs that replace malloc.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* p, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* p);
}

namespace zu::bench {

namespace {

std::atomic<long> calls{0};

struct Window {
    static constexpr int kCapacity = 4096;
    struct Block {
        void* p;
        std::size_t size;
    };
    Block blocks[kCapacity];
    int count = 0;
    bool overflowed = false;

    void add(void* p, std::size_t size) {
        if (count == kCapacity) {
            overflowed = true;
            return;
        }
        blocks[count++] = {p, size};
    }
    // Whether p was allocated inside the window; forgets it.
    bool remove(void* p) {
        for (int i = 0; i < count; ++i)
            if (blocks[i].p == p) {
                blocks[i] = blocks[--count];
                return true;
            }
        return false;
    }
};

Window window;
thread_local bool windowOpen = false;

void* allocated(void* p, std::size_t size) {
    if (p == nullptr) return p;
    calls.fetch_add(1, std::memory_order_relaxed);
    if (windowOpen) window.add(p, size);
    return p;
}

void freed(void* p) {
    if (p != nullptr && windowOpen) window.remove(p);
}

} // namespace

AllocationWindow::AllocationWindow() {
    window.count = 0;
    window.overflowed = false;
    windowOpen = true;
}

AllocationWindow::~AllocationWindow() {
    windowOpen = false;
}

Holding AllocationWindow::close() {
    windowOpen = false;
    Holding held;
    for (int i = 0; i < window.count; ++i)
        held.bytes += window.blocks[i].size;
    held.allocations = window.count;
    held.complete = !window.overflowed;
    return held;
}

long allocationCalls() {
    return calls.load(std::memory_order_relaxed);
}

} // namespace zu::bench

using zu::bench::allocated;
using zu::bench::freed;

extern "C" {

void* malloc(std::size_t size) noexcept {
    return allocated(__libc_malloc(size), size);
}

void* calloc(std::size_t count, std::size_t size) noexcept {
    return allocated(__libc_calloc(count, size), count * size);
}

void* realloc(void* p, std::size_t size) noexcept {
    void* q = __libc_realloc(p, size);
    if (q != nullptr || size == 0) freed(p);
    return allocated(q, size);
}

void free(void* p) noexcept {
    freed(p);
    __libc_free(p);
}

void* memalign(std::size_t alignment, std::size_t size) noexcept {
    return allocated(__libc_memalign(alignment, size), size);
}

void* aligned_alloc(std::size_t alignment, std::size_t size) noexcept {
    return memalign(alignment, size);
}

int posix_memalign(void** result, std::size_t alignment, std::size_t size) noexcept {
    if (alignment % sizeof(void*) != 0 || (alignment & (alignment - 1)) != 0) return EINVAL;
    void* p = memalign(alignment, size);
    if (p == nullptr) return ENOMEM;
    *result = p;
    return 0;
}

} // extern "C"

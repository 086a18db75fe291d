#include "failing_allocator.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace zu::testing {

namespace {

thread_local int countdown = -1;
thread_local bool hasFailed = false;
std::atomic<long> liveAllocations{0};

void* allocate(std::size_t size) {
    if (countdown == 0) {
        countdown = -1;
        hasFailed = true;
        throw std::bad_alloc();
    }
    if (countdown > 0) --countdown;
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr) throw std::bad_alloc();
    liveAllocations.fetch_add(1, std::memory_order_relaxed);
    return p;
}

void release(void* p) {
    if (p == nullptr) return;
    liveAllocations.fetch_sub(1, std::memory_order_relaxed);
    std::free(p);
}

} // namespace

void FailingAllocator::failAt(int allocation) {
    countdown = allocation;
    hasFailed = false;
}

void FailingAllocator::disarm() {
    countdown = -1;
}
bool FailingAllocator::failed() {
    return hasFailed;
}
long FailingAllocator::live() {
    return liveAllocations.load(std::memory_order_relaxed);
}

} // namespace zu::testing

void* operator new(std::size_t size) {
    return zu::testing::allocate(size);
}
void* operator new[](std::size_t size) {
    return zu::testing::allocate(size);
}
void operator delete(void* p) noexcept {
    zu::testing::release(p);
}
void operator delete[](void* p) noexcept {
    zu::testing::release(p);
}
void operator delete(void* p, std::size_t) noexcept {
    zu::testing::release(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    zu::testing::release(p);
}

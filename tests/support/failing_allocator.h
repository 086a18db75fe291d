// Replaces the global allocation functions of a test program so that a test can make the n-th
// allocation fail, and can count what is still allocated.
#pragma once

#include <cstddef>

#include <gtest/gtest.h>

namespace zu::testing {

class FailingAllocator {
public:
    // The allocation with this number (0 = the next one) on this thread throws std::bad_alloc.
    static void failAt(int allocation);
    static void disarm();
    // Whether the armed failure happened since failAt.
    static bool failed();
    // Allocations made minus allocations freed, on all threads.
    static long live();
};

// Creates an effect through `create` while each allocation in turn fails, and expects a null
// result and nothing left allocated each time; then expects a normal creation to succeed.
// `create` returns the record or null; `destroy` ends a created effect.
template <class Create, class Destroy>
void expectEveryAllocationFailureRefused(Create create, Destroy destroy) {
    for (int n = 0;; ++n) {
        const long before = FailingAllocator::live();
        FailingAllocator::failAt(n);
        auto* record = create();
        const bool failed = FailingAllocator::failed();
        FailingAllocator::disarm();
        if (!failed) {
            ASSERT_NE(record, nullptr) << "creation without a failure must succeed";
            ASSERT_GT(n, 0) << "creation made no allocation";
            destroy(record);
            EXPECT_EQ(FailingAllocator::live(), before);
            return;
        }
        EXPECT_EQ(record, nullptr) << "allocation " << n << " failed but creation succeeded";
        EXPECT_EQ(FailingAllocator::live(), before) << "allocation " << n << " failed and leaked";
        if (record != nullptr) destroy(record);
    }
}

} // namespace zu::testing

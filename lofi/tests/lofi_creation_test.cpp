#include <gtest/gtest.h>

#include "entry.h"
#include "failing_allocator.h"
#include "lofi.h"

namespace {

VstIntPtr VSTCALLBACK host(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) {
    return opcode == audioMasterVersion ? 2400 : 0;
}

TEST(LoFiCreation, AnyAllocationFailureGivesNullAndLeavesNothing) {
    zu::testing::expectEveryAllocationFailureRefused(
        [] { return zu::createEffectInstance<LoFi>(host); },
        [](AEffect* e) { e->dispatcher(e, effClose, 0, 0, nullptr, 0.0f); });
}

} // namespace

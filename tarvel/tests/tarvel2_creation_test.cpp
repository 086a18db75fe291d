#include <gtest/gtest.h>

#include "entry.h"
#include "failing_allocator.h"
#include "tarvel2.h"

namespace {

VstIntPtr VSTCALLBACK host(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) {
    return opcode == audioMasterVersion ? 2400 : 0;
}

TEST(Tarvel2Creation, AnyAllocationFailureGivesNullAndLeavesNothing) {
    zu::testing::expectEveryAllocationFailureRefused(
        [] { return zu::createEffectInstance<Tarvel2>(host); },
        [](AEffect* e) { e->dispatcher(e, effClose, 0, 0, nullptr, 0.0f); });
}

} // namespace

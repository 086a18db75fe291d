// The record every one of our plug-ins hands a host.
#pragma once

#include <gtest/gtest.h>

#include <cstring>

#include "loaded_plugin.h"

namespace zu::testing {

// The fields all four effects share, the ones that tell them apart, and that the version query
// was the only call into the host while `main` created the effect.
inline void expectEffectRecord(LoadedPlugin& plugin, const char (&id)[5], VstInt32 flags,
                               VstInt32 numParams) {
    const AEffect& r = plugin.instance.record();
    EXPECT_EQ(std::memcmp(&r.magic, "PtsV", 4), 0);
    EXPECT_EQ(std::memcmp(&r.uniqueID, id, 4), 0) << "the ID's bytes in memory read " << id;
    EXPECT_EQ(r.flags, flags);
    EXPECT_EQ(r.numPrograms, 16);
    EXPECT_EQ(r.numParams, numParams);
    EXPECT_EQ(r.numInputs, 2);
    EXPECT_EQ(r.numOutputs, 2);
    EXPECT_EQ(r.initialDelay, 0);
    EXPECT_EQ(r.realQualities, 0);
    EXPECT_EQ(r.offQualities, 0);
    EXPECT_EQ(r.ioRatio, 1.0f);
    EXPECT_EQ(r.version, 1);
    EXPECT_EQ(r.user, &plugin.host);
    const auto calls = plugin.host.calls();
    ASSERT_EQ(calls.size(), 1u) << "only the version query during creation";
    EXPECT_EQ(calls[0].effect, nullptr);
    EXPECT_EQ(calls[0].opcode, audioMasterVersion);
}

} // namespace zu::testing

// Checks every plug-in's parameter interface must pass.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "plugin_instance.h"

namespace zu::testing {

// Indices outside 0..numParams-1: setParameter stores nothing, getParameter gives 0 and the
// three text requests leave the host's buffer as it was. The parameters keep their values.
inline void expectUnknownIndicesIgnored(host::PluginInstance& plugin) {
    const VstInt32 count = plugin.record().numParams;
    std::vector<float> before;
    for (VstInt32 i = 0; i < count; ++i)
        before.push_back(plugin.getParameter(i));
    for (VstInt32 index : {-1, count, 100}) {
        plugin.setParameter(index, 0.3f);
        EXPECT_EQ(plugin.getParameter(index), 0.0f) << index;
        for (VstInt32 opcode : {effGetParamName, effGetParamLabel, effGetParamDisplay}) {
            char text[16] = "untouched";
            plugin.dispatch(opcode, index, 0, text);
            EXPECT_STREQ(text, "untouched") << "opcode " << opcode << ", index " << index;
        }
    }
    for (VstInt32 i = 0; i < count; ++i)
        EXPECT_EQ(plugin.getParameter(i), before[i]) << i;
}

} // namespace zu::testing

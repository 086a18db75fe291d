// What each of our plug-ins is measured with.
#pragma once

#include <string>
#include <vector>

#include "timed_calls.h"

namespace zu::bench {

inline const std::vector<VstInt32> kBlocks = {1, 16, 64, 512, 4096};
inline constexpr VstInt32 kTargetBlock = 512;

// The settings with the sine, noise, denormal and silent input through processReplacing, and
// with the sine through process, at each block size.
std::vector<Row> steadyRows(const std::string& label, const std::vector<std::string>& settings,
                            const std::vector<VstInt32>& blocks);

// The steady rows of a plug-in at musical settings, then the settings that cost it the most, at
// the target block size. Empty for a plug-in we do not know.
std::vector<Row> rowsFor(const std::string& plugin);

// The plug-ins rowsFor knows.
const std::vector<std::string>& ourPlugins();

} // namespace zu::bench

// What the demo renders: one plan file per plug-in (demo/plans/<plug-in>.plan).
//
// Each line that is not blank or a comment (#) is one rendering:
//     SOUND LABEL [program=N] [NAME=VALUE ...]
// SOUND is one of the built-in sounds, LABEL names the output files, and each NAME=VALUE sets
// a parameter, by name or index, to a normalised value, after the program is selected.
#pragma once

#include <string>
#include <vector>

namespace zu::demo {

struct Rendering {
    std::string plugin; // file name without the extension
    std::string sound;
    std::string label;
    int program = -1;
    std::vector<std::string> settings;
};

// Reads one plan file; the plug-in is the file's stem. Throws std::runtime_error with the
// file and line for a malformed line.
std::vector<Rendering> readPlan(const std::string& path);

} // namespace zu::demo

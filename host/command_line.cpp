#include "command_line.h"

#include <algorithm>

namespace zu::host {

CommandLine splitCommandLine(int argc, char** argv, const std::vector<std::string>& known) {
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--", 0) != 0) {
            line.positional.push_back(arg);
            continue;
        }
        if (std::find(known.begin(), known.end(), arg) == known.end())
            throw HostError("unknown option '" + arg + "'");
        if (i + 1 >= argc) throw HostError(arg + " needs a value");
        line.options.emplace_back(arg, argv[++i]);
    }
    return line;
}

} // namespace zu::host

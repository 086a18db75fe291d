// crosscheck_tests [GTEST OPTION ...] [--plugin-dir=DIR] [--reference-dir=DIR]
#include <gtest/gtest.h>

#include <iostream>
#include <string_view>

#include "options.h"

namespace zu::crosscheck {

Options& options() {
    static Options o;
    return o;
}

std::vector<std::string> builtPlugins() {
    std::vector<std::string> names;
    std::string_view list = ZU_CROSSCHECK_PLUGINS;
    while (!list.empty()) {
        const auto comma = list.find(',');
        names.emplace_back(list.substr(0, comma));
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    }
    return names;
}

std::string pluginFile(const std::string& plugin) {
    return options().pluginDir + "/" + plugin + ZU_PLUGIN_SUFFIX;
}

} // namespace zu::crosscheck

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    auto& o = zu::crosscheck::options();
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.starts_with("--plugin-dir="))
            o.pluginDir = arg.substr(13);
        else if (arg.starts_with("--reference-dir="))
            o.referenceDir = arg.substr(16);
        else {
            std::cerr << "unknown argument: " << arg << "\n";
            return 2;
        }
    }
    return RUN_ALL_TESTS();
}

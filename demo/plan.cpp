#include "plan.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace zu::demo {

std::vector<Rendering> readPlan(const std::string& path) {
    std::ifstream file(path);
    if (!file) throw std::runtime_error("cannot read plan '" + path + "'");
    const std::string plugin = std::filesystem::path(path).stem().string();
    std::vector<Rendering> renderings;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        Rendering r{plugin, {}, {}, -1, {}};
        if (!(words >> r.sound)) continue;
        if (!(words >> r.label))
            throw std::runtime_error(path + ":" + std::to_string(number) +
                                     ": a rendering needs a label");
        for (std::string word; words >> word;) {
            if (word.rfind("program=", 0) == 0)
                r.program = std::stoi(word.substr(8));
            else
                r.settings.push_back(word);
        }
        renderings.push_back(r);
    }
    return renderings;
}

} // namespace zu::demo

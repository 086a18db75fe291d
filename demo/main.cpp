// zu-demo OUTDIR PLUGINDIR PLANDIR: renders the built-in sounds through every plug-in that has a
// plan, writing the input, each output and a picture of both into OUTDIR.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>
#include <stdexcept>

#include "audio_file.h"
#include "host.h"
#include "plan.h"
#include "plugin_instance.h"
#include "plugin_library.h"
#include "render.h"
#include "sounds.h"
#include "waveform_picture.h"

namespace {

namespace fs = std::filesystem;
using namespace zu;

constexpr int kSampleRate = 44100;
constexpr VstInt32 kBlockSize = 512;

host::StereoSignal render(const fs::path& pluginFile, const demo::Rendering& r,
                          const host::StereoSignal& input) {
    host::PluginLibrary library(pluginFile.string());
    host::Host h;
    host::PluginInstance instance(library, h);
    instance.dispatch(effOpen);
    if (r.program >= 0) instance.setProgram(r.program);
    for (const std::string& setting : r.settings)
        host::applySetting(instance, setting);
    instance.start(static_cast<float>(kSampleRate), kBlockSize);
    host::StereoSignal output = host::renderReplacing(instance, input, kBlockSize);
    instance.stop();
    return output;
}

std::vector<demo::Rendering> readPlans(const fs::path& planDir) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(planDir))
        if (entry.path().extension() == ".plan") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::vector<demo::Rendering> all;
    for (const auto& file : files) {
        const auto plan = demo::readPlan(file.string());
        all.insert(all.end(), plan.begin(), plan.end());
    }
    return all;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: zu-demo OUTDIR PLUGINDIR PLANDIR\n");
        return 2;
    }
    const fs::path outDir = argv[1], pluginDir = argv[2], planDir = argv[3];
    try {
        fs::create_directories(outDir);
        std::set<std::string> written;
        for (const demo::Rendering& r : readPlans(planDir)) {
            const fs::path pluginFile = pluginDir / (r.plugin + ".so");
            const host::StereoSignal input = demo::makeSound(r.sound, kSampleRate);
            if (written.insert(r.sound).second)
                host::writeWavFile((outDir / ("input-" + r.sound + ".wav")).string(), input,
                                   kSampleRate);
            const host::StereoSignal output = render(pluginFile, r, input);
            const std::string stem = r.plugin + "-" + r.label;
            host::writeWavFile((outDir / (stem + ".wav")).string(), output, kSampleRate);
            std::string title = r.plugin + " on " + r.sound + ":";
            if (r.program >= 0) title += " program=" + std::to_string(r.program);
            for (const auto& s : r.settings)
                title += " " + s;
            demo::drawWaveforms((outDir / (stem + ".png")).string(), title, input, output,
                                kSampleRate);
            std::printf("%-40s %s.wav, %s.png\n", stem.c_str(), (outDir / stem).c_str(),
                        (outDir / stem).c_str());
        }
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zu-demo: %s\n", e.what());
        return 1;
    }
}

// zu-render PLUGIN IN OUT [--param NAME=VALUE ...] [--program N] [--block N]
#include <cstdio>
#include <string>
#include <vector>

#include "audio_file.h"
#include "command_line.h"
#include "host.h"
#include "host_error.h"
#include "plugin_instance.h"
#include "plugin_library.h"
#include "render.h"

namespace {

using zu::host::HostError;

struct Options {
    std::string plugin, input, output;
    std::vector<std::string> settings;
    int program = -1;
    int block = 512;
};

constexpr char kUsage[] =
    "usage: zu-render PLUGIN IN.wav OUT.wav [--param NAME=VALUE ...] [--program N] [--block N]\n"
    "  --param NAME=VALUE  set a parameter, by name or index, to a normalised value 0..1\n"
    "  --program N         select program N before the parameters are set\n"
    "  --block N           frames per processing call (default 512)\n";

Options parse(int argc, char** argv) {
    Options options;
    const zu::host::CommandLine line =
        zu::host::splitCommandLine(argc, argv, {"--param", "--program", "--block"});
    for (const auto& [option, value] : line.options) {
        if (option == "--param")
            options.settings.push_back(value);
        else if (option == "--program")
            options.program = zu::host::numberOf<int>(option, value);
        else
            options.block = zu::host::numberOf<int>(option, value);
    }
    const std::vector<std::string>& positional = line.positional;
    if (positional.size() != 3) throw HostError("expected PLUGIN IN.wav OUT.wav");
    options.plugin = positional[0];
    options.input = positional[1];
    options.output = positional[2];
    if (options.block < 1) throw HostError("--block must be at least 1");
    return options;
}

void render(const Options& options) {
    const zu::host::AudioFile in = zu::host::readAudioFile(options.input);
    zu::host::PluginLibrary library(options.plugin);
    zu::host::Host host;
    zu::host::PluginInstance instance(library, host);
    instance.dispatch(effOpen);
    if (options.program >= 0) {
        if (options.program >= instance.record().numPrograms)
            throw HostError("the plug-in has programs 0 to " +
                            std::to_string(instance.record().numPrograms - 1) + ", not " +
                            std::to_string(options.program));
        instance.setProgram(options.program);
    }
    for (const std::string& setting : options.settings)
        zu::host::applySetting(instance, setting);
    instance.start(static_cast<float>(in.sampleRate), options.block);

    // Long files get a progress line.
    const bool showProgress = in.signal.frames() > static_cast<std::size_t>(in.sampleRate) * 20;
    int shown = -1;
    const auto progress = [&](std::size_t done, std::size_t total) {
        const int percent = static_cast<int>(done * 100 / total);
        if (showProgress && percent != shown) {
            shown = percent;
            std::fprintf(stderr, "\rrendering %3d%%", percent);
            if (done == total) std::fprintf(stderr, "\n");
        }
    };
    const zu::host::StereoSignal out =
        zu::host::renderReplacing(instance, in.signal, options.block, progress);
    instance.stop();
    zu::host::writeWavFile(options.output, out, in.sampleRate);
}

} // namespace

int main(int argc, char** argv) {
    try {
        render(parse(argc, argv));
        return 0;
    } catch (const HostError& e) {
        std::fprintf(stderr, "zu-render: %s\n%s", e.what(), kUsage);
        return 1;
    }
}

// zu-inspect PLUGIN: everything a host sees of a plug-in.
#include <cstdio>
#include <cstring>
#include <string>

#include "host.h"
#include "host_error.h"
#include "plugin_instance.h"
#include "plugin_library.h"

namespace {

using zu::host::PluginInstance;

std::string idText(VstInt32 id) {
    char bytes[4];
    std::memcpy(bytes, &id, sizeof(bytes));
    std::string text;
    for (char c : bytes)
        text += (c >= 0x20 && c < 0x7f) ? c : '.';
    return text;
}

std::string flagNames(VstInt32 flags) {
    static const struct {
        VstInt32 bit;
        const char* name;
    } kFlags[] = {{effFlagsHasEditor, "HasEditor"},
                  {effFlagsHasClip, "HasClip"},
                  {effFlagsHasVu, "HasVu"},
                  {effFlagsCanMono, "CanMono"},
                  {effFlagsCanReplacing, "CanReplacing"}};
    std::string names;
    for (const auto& flag : kFlags)
        if (flags & flag.bit) names += (names.empty() ? "" : " ") + std::string(flag.name);
    return names;
}

void printRecord(const zu::host::PluginLibrary& library, PluginInstance& instance) {
    const AEffect& r = instance.record();
    std::printf("plug-in        %s (entry %s)\n", library.path().c_str(),
                library.entryName().c_str());
    std::printf("magic          0x%08X \"%s\" in memory\n", static_cast<unsigned>(r.magic),
                idText(r.magic).c_str());
    std::printf("unique ID      0x%08X \"%s\" in memory\n", static_cast<unsigned>(r.uniqueID),
                idText(r.uniqueID).c_str());
    std::printf("version        %d\n", r.version);
    std::printf("flags          %d (%s)\n", r.flags, flagNames(r.flags).c_str());
    std::printf("programs       %d\n", r.numPrograms);
    std::printf("parameters     %d\n", r.numParams);
    std::printf("inputs         %d\n", r.numInputs);
    std::printf("outputs        %d\n", r.numOutputs);
    std::printf("initial delay  %d\n", r.initialDelay);
    std::printf("qualities      realtime %d, offline %d\n", r.realQualities, r.offQualities);
    std::printf("io ratio       %g\n", static_cast<double>(r.ioRatio));
    std::printf("identify       0x%08X\n", static_cast<unsigned>(instance.dispatch(effIdentify)));
}

void printParameters(PluginInstance& instance) {
    std::printf("\nparameters (texts in quotes, as the host receives them)\n");
    std::printf("  %-3s %-14s %-14s %-14s %s\n", "#", "name", "display", "label", "value");
    for (VstInt32 i = 0; i < instance.record().numParams; ++i) {
        const std::string name = '"' + instance.parameterName(i) + '"';
        const std::string display = '"' + instance.parameterDisplay(i) + '"';
        const std::string label = '"' + instance.parameterLabel(i) + '"';
        std::printf("  %-3d %-14s %-14s %-14s %.6f\n", i, name.c_str(), display.c_str(),
                    label.c_str(), static_cast<double>(instance.getParameter(i)));
    }
}

void printPrograms(PluginInstance& instance) {
    std::printf("\nprograms\n");
    const auto current = static_cast<VstInt32>(instance.dispatch(effGetProgram));
    for (VstInt32 p = 0; p < instance.record().numPrograms; ++p) {
        instance.setProgram(p);
        std::printf("  %-3d \"%s\"\n", p, instance.programName().c_str());
    }
    instance.setProgram(current);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zu-inspect PLUGIN\n");
        return 2;
    }
    try {
        zu::host::PluginLibrary library(argv[1]);
        zu::host::Host host;
        PluginInstance instance(library, host);
        instance.dispatch(effOpen);
        printRecord(library, instance);
        printParameters(instance);
        printPrograms(instance);
        return 0;
    } catch (const zu::host::HostError& e) {
        std::fprintf(stderr, "zu-inspect: %s\n", e.what());
        return 1;
    }
}

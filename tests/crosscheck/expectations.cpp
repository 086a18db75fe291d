#include "expectations.h"

namespace zu::crosscheck {

namespace {

// Value texts that go through each formatter: widths, signs, decimals, "%" and "-Inf".
const PluginExpectations kPlugins[] = {
    {
        "ZuOverdrive",
        "ZuOv",
        3,
        28,
        {"Drive    ", "Depth    ", "Volume   "},
        {"         ", "         ", "dB       "},
        {{0, 0.5f, " 24"},
         {0, 1.0f, " 99"},
         {1, 0.5f, "50.00%"},
         {2, 1.0f, "0.000 dB"},
         {2, 0.5f, "-6.021 dB"},
         {2, 0.0f, "   -Inf  "}},
    },
    {
        "ZuTremolo",
        "ZuTr",
        4,
        28,
        {"Frequency", "Depth    ", "Tremolo  ", "Stereo   "},
        {"Hz       ", "         ", "Waveform ", "Output   "},
        {{0, 0.1f, "0.21"},
         {0, 1.0f, "20.00"},
         {1, 0.25f, "25.00%"},
         {2, 0.65f, "SAW DOWN"},
         {3, 1.0f, "Inverse "}},
    },
    {
        "ZuLoFi",
        "ZuLF",
        3,
        28,
        {"Bit      ", "Rate     ", "Interpolate"},
        {"Depth    ", "Hz       ", "         "},
        {{0, 0.5f, " 9"}, {0, 1.0f, "16"}, {1, 0.25f, "10075"}, {2, 1.0f, "Yes     "}},
    },
    {
        // No texts of its own: the host shows its generic ones.
        "ZuTarvel2",
        "ZuT2",
        6,
        28,
        {"", "", "", "", "", ""},
        {"", "", "", "", "", ""},
        {{0, 0.5f, ""}, {5, 1.0f, ""}},
    },
};

} // namespace

const PluginExpectations* findExpectations(const std::string& plugin) {
    for (const auto& row : kPlugins)
        if (plugin == row.name) return &row;
    return nullptr;
}

} // namespace zu::crosscheck

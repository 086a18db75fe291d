#include "plugin_rows.h"

#include <cstdio>

namespace zu::bench {

namespace {

Row costly(const std::string& label, const std::vector<std::string>& settings,
           Input input = Input::Sine, const std::string& everyCall = {}) {
    return {label, settings, everyCall, input, false, {kTargetBlock}};
}

std::string setting(const std::string& name, double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%s=%.6f", name.c_str(), value);
    return text;
}

std::vector<Row> tremoloRows() {
    const std::vector<std::string> musical = {"Frequency=0.45", "Depth=0.6"};
    std::vector<Row> rows = steadyRows("sine shape, 4 Hz, depth 0.6", musical, kBlocks);
    const char* shapes[] = {"SINE", "TRI", "SQUARE", "SAW UP", "SAW DOWN", "EXP UP", "EXP DOWN"};
    for (int shape = 0; shape < 7; ++shape)
        for (int inverse = 0; inverse < 2; ++inverse) {
            std::vector<std::string> settings = musical;
            // The middle of the shape's and the mode's range of values.
            settings.push_back(setting("Tremolo", (shape + 0.5) / (7 * 0.999)));
            settings.push_back(setting("Stereo", inverse ? 1.0 : 0.0));
            rows.push_back(costly(std::string(shapes[shape]) + (inverse ? ", inverse" : ", normal"),
                                  settings));
        }
    return rows;
}

std::vector<Row> lofiRows() {
    const std::vector<std::string> musical = {"Bit=0.5", "Rate=0.25", "Interpolate=1"};
    std::vector<Row> rows = steadyRows("9 bits, 10075 Hz, interpolated", musical, kBlocks);
    for (const char* rate : {"0", "1"})
        for (const char* lerp : {"0", "1"})
            rows.push_back(costly(
                std::string(rate[0] == '0' ? "100 Hz" : "40000 Hz") +
                    (lerp[0] == '0' ? ", held" : ", interpolated"),
                {"Bit=0.5", std::string("Rate=") + rate, std::string("Interpolate=") + lerp}));
    return rows;
}

// The wave changer gives the host no parameter names: its settings go by index.
std::vector<Row> tarvelRows() {
    // Sine shape, no distortion, transpose 0, threshold 1 sample, all wet, unity gain.
    const std::vector<std::string> plain = {"0=0", "1=0", "2=0", "3=0", "4=1", "5=0.5"};
    std::vector<Row> rows = steadyRows("sine shape, threshold 1, all wet", plain, kBlocks);
    std::vector<std::string> octaves = plain;
    octaves.push_back("2=1");
    rows.push_back(costly("transpose 100", octaves));
    rows.push_back(costly("transpose 100", octaves, Input::Noise));
    octaves.push_back("1=0.5");
    rows.push_back(costly("transpose 100, distortion 50 %", octaves));
    return rows;
}

std::vector<Row> overdriveRows() {
    const std::vector<std::string> musical = {"Drive=0.7", "Depth=0.6", "Volume=0.8"};
    std::vector<Row> rows = steadyRows("drive 0.7, depth 0.6, volume 0.8", musical, kBlocks);
    // Every call rebuilds the curve.
    rows.push_back(costly("after a drive change", musical, Input::Sine, "Drive=0.7"));
    return rows;
}

} // namespace

std::vector<Row> steadyRows(const std::string& label, const std::vector<std::string>& settings,
                            const std::vector<VstInt32>& blocks) {
    std::vector<Row> rows;
    for (Input input : {Input::Sine, Input::Noise, Input::Denormal, Input::Silence})
        rows.push_back({label, settings, {}, input, false, blocks});
    rows.push_back({label, settings, {}, Input::Sine, true, blocks});
    return rows;
}

std::vector<Row> rowsFor(const std::string& plugin) {
    if (plugin == "ZuTremolo") return tremoloRows();
    if (plugin == "ZuOverdrive") return overdriveRows();
    if (plugin == "ZuLoFi") return lofiRows();
    if (plugin == "ZuTarvel2") return tarvelRows();
    return {};
}

const std::vector<std::string>& ourPlugins() {
    static const std::vector<std::string> names = {"ZuTremolo", "ZuOverdrive", "ZuLoFi",
                                                   "ZuTarvel2"};
    return names;
}

} // namespace zu::bench

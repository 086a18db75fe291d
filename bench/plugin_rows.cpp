#include "plugin_rows.h"

namespace zu::bench {

namespace {

Row costly(const std::string& label, const std::vector<std::string>& settings,
           Input input = Input::Sine, const std::string& everyCall = {}) {
    return {label, settings, everyCall, input, false, {kTargetBlock}};
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
    if (plugin == "ZuOverdrive") return overdriveRows();
    return {};
}

const std::vector<std::string>& ourPlugins() {
    static const std::vector<std::string> names = {"ZuTremolo", "ZuOverdrive", "ZuLoFi",
                                                   "ZuTarvel2"};
    return names;
}

} // namespace zu::bench

#include "summary.h"

#include "timed_calls.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace zu::bench {

namespace {

std::string format(const char* pattern, double value) {
    char text[32];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

std::string nanoseconds(double ns) {
    return format(ns < 10.0 ? "%.2f" : ns < 100.0 ? "%.1f" : "%.0f", ns);
}

std::string ratio(double r) {
    return format(r < 10.0 ? "%.2f×" : "%.1f×", r);
}

std::string percent(double fraction) {
    return format("%.0f %%", fraction * 100.0);
}

double medianOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

} // namespace

double Summary::Cell::median() const {
    return medianOf(nsPerFrame);
}

double Summary::Cell::spread() const {
    const auto [low, high] = std::minmax_element(nsPerFrame.begin(), nsPerFrame.end());
    return (*high - *low) / median();
}

void Summary::expect(const std::string& benchmarkName, const Line& line, VstInt32 block) {
    auto found = std::find(lines.begin(), lines.end(), line);
    if (found == lines.end()) found = lines.insert(lines.end(), line);
    if (std::find(blocks.begin(), blocks.end(), block) == blocks.end()) {
        blocks.push_back(block);
        std::sort(blocks.begin(), blocks.end());
    }
    if (std::find(groups.begin(), groups.end(), line.group) == groups.end())
        groups.push_back(line.group);
    expected[benchmarkName] = {static_cast<std::size_t>(found - lines.begin()), block};
}

void Summary::holds(const std::string& group, const Holding& held) {
    memory[group] = held;
}

void Summary::note(const std::string& group, const std::string& text) {
    notes[group].push_back(text);
}

void Summary::ReportRuns(const std::vector<Run>& reports) {
    std::vector<Run> aggregates;
    for (const Run& run : reports) {
        if (run.run_type == Run::RT_Aggregate) {
            aggregates.push_back(run);
            continue;
        }
        const auto found = expected.find(run.run_name.function_name);
        if (found == expected.end()) continue;
        const auto& [line, block] = found->second;
        if (run.error_occurred) {
            note(lines[line].group, run.run_name.function_name + " failed: " + run.error_message);
            continue;
        }
        Cell& c = cells[{line, block}];
        const double ns =
            run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
        c.nsPerFrame.push_back(ns / block);
        if (const auto gain = run.counters.find(kGainBesideCounter); gain != run.counters.end())
            c.toGain.push_back(ns / block / gain->second.value);
        if (const auto allocs = run.counters.find("allocs"); allocs != run.counters.end())
            c.allocations += allocs->second.value;
    }
    ConsoleReporter::ReportRuns(aggregates.empty() ? reports : aggregates);
}

const Summary::Cell* Summary::cell(const Line& line, VstInt32 block) const {
    const auto l = std::find(lines.begin(), lines.end(), line);
    if (l == lines.end()) return nullptr;
    const auto found = cells.find({static_cast<std::size_t>(l - lines.begin()), block});
    return found == cells.end() ? nullptr : &found->second;
}

double Summary::ratioToGain(const Line& line, VstInt32 block) const {
    const Cell* own = cell(line, block);
    if (own == nullptr) return 0.0;
    if (!own->toGain.empty()) return medianOf(own->toGain);
    const Cell* gain = cell({kFloorGroup, kGainRow}, block);
    return gain != nullptr ? own->median() / gain->median() : 0.0;
}

void Summary::Finalize() {
    std::ostream& out = GetOutputStream();
    std::size_t runs = 0;
    for (const auto& [key, c] : cells)
        runs = std::max(runs, c.nsPerFrame.size());
    out << "\nNanoseconds per stereo frame, median CPU time of " << runs
        << " runs, and in brackets the median ratio to the gain loop timed right after each run "
           "over as many calls; spread is the largest (slowest - fastest) / median of the "
           "line.\n\n";
    printTable(out);
    for (const std::string& group : groups)
        printNotes(out, group);
    out.flush();
}

void Summary::printTable(std::ostream& out) const {
    out << "| | settings | input | call |";
    for (VstInt32 b : blocks)
        out << " block " << b << " |";
    out << " spread |\n|---|---|---|---|";
    for (std::size_t i = 0; i < blocks.size(); ++i)
        out << "---:|";
    out << "---:|\n";
    for (const Line& line : lines) {
        if (std::none_of(blocks.begin(), blocks.end(), [&](VstInt32 b) { return cell(line, b); }))
            continue;
        out << "| " << line.group << " | " << line.row << " | " << inputName(line.input) << " | "
            << (line.adding ? "process" : "replacing") << " |";
        double spread = 0.0;
        for (VstInt32 b : blocks) {
            const Cell* c = cell(line, b);
            if (c == nullptr) {
                out << " |";
                continue;
            }
            const double r = ratioToGain(line, b);
            out << " " << nanoseconds(c->median()) << (r > 0.0 ? " (" + ratio(r) + ")" : "")
                << " |";
            spread = std::max(spread, c->spread());
        }
        out << " " << percent(spread) << " |\n";
    }
}

void Summary::printNotes(std::ostream& out, const std::string& group) const {
    out << "\n" << group << ":\n";
    if (const auto held = memory.find(group); held != memory.end())
        out << "- memory per instance: " << held->second.bytes << " bytes in "
            << held->second.allocations << " allocations"
            << (held->second.complete ? "" : " (more allocations than followed)") << "\n";
    double allocations = 0.0;
    for (const Line& line : lines) {
        if (line.group != group) continue;
        for (VstInt32 b : blocks)
            if (const Cell* c = cell(line, b)) allocations += c->allocations;
        const Cell* one = cell(line, 1);
        const Cell* steady512 = cell(line, 512);
        if (line.input == Input::Sine && !line.adding && one != nullptr && steady512 != nullptr)
            out << "- " << line.row << ": one call of 1 frame costs " << nanoseconds(one->median())
                << " ns, " << nanoseconds(one->median() - steady512->median())
                << " ns above the per-frame cost at block 512\n";
        if (line.input == Input::Denormal || line.input == Input::Silence) {
            const Line steady{line.group, line.row, Input::Sine, line.adding};
            std::string ratios;
            for (VstInt32 b : blocks) {
                const Cell* c = cell(line, b);
                const Cell* s = cell(steady, b);
                if (c == nullptr || s == nullptr) continue;
                ratios += (ratios.empty() ? "" : ", ") + std::string("block ") + std::to_string(b) +
                          ": " + ratio(c->median() / s->median());
            }
            if (!ratios.empty())
                out << "- " << line.row << ", " << inputName(line.input)
                    << " input against the sine: " << ratios << "\n";
        }
    }
    if (group != kFloorGroup) out << "- allocations while processing: " << allocations << "\n";
    if (const auto n = notes.find(group); n != notes.end())
        for (const std::string& text : n->second)
            out << "- " << text << "\n";
}

} // namespace zu::bench

// Google Benchmark's console report, followed by a summary in Markdown: nanoseconds per stereo
// frame (median CPU time of the repetitions) and the ratio to the gain loop at the same block
// size (the median of the ratios to the gain loop timed beside each repetition), then per
// plug-in the cost per call, denormal and silent input against the steady input, the memory per
// instance and any allocation made while processing.
#pragma once

#include <map>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "aeffect.h"
#include "allocation_counter.h"
#include "signals.h"

namespace zu::bench {

inline constexpr char kFloorGroup[] = "floor";
inline constexpr char kGainRow[] = "gain loop";
inline constexpr char kCopyRow[] = "copy";
inline constexpr char kLookupRow[] = "table lookup";
inline constexpr char kPhaseRow[] = "phase chain";

// One line of the summary: a plug-in (or the floors) with one setting, input and routine.
struct Line {
    std::string group;
    std::string row;
    Input input = Input::Sine;
    bool adding = false;
    bool operator==(const Line&) const = default;
};

class Summary : public benchmark::ConsoleReporter {
public:
    // Remembers what the benchmark of this name measures.
    void expect(const std::string& benchmarkName, const Line& line, VstInt32 block);
    void holds(const std::string& group, const Holding& memory);
    void note(const std::string& group, const std::string& text);

    void ReportRuns(const std::vector<Run>& reports) override;
    void Finalize() override;

private:
    struct Cell {
        std::vector<double> nsPerFrame; // one per repetition
        std::vector<double> toGain;     // over the gain loop timed beside, one per repetition
        double allocations = 0.0;
        double median() const;
        double spread() const; // (largest - smallest) / median
    };
    struct Expected {
        std::size_t line;
        VstInt32 block;
    };

    const Cell* cell(const Line& line, VstInt32 block) const;
    double ratioToGain(const Line& line, VstInt32 block) const;
    void printTable(std::ostream& out) const;
    void printNotes(std::ostream& out, const std::string& group) const;

    std::vector<Line> lines;
    std::vector<VstInt32> blocks;
    std::map<std::string, Expected> expected;
    std::map<std::pair<std::size_t, VstInt32>, Cell> cells;
    std::map<std::string, Holding> memory;
    std::map<std::string, std::vector<std::string>> notes;
    std::vector<std::string> groups;
};

} // namespace zu::bench

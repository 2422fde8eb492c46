// medianreporter.h - a console reporter that also keeps the median of a benchmark's repetitions,
// for the programs that print it as a RESULT line.
#ifndef MEDIANREPORTER_H
#define MEDIANREPORTER_H

#include <benchmark/benchmark.h>
#include <vector>

class MedianReporter : public benchmark::ConsoleReporter
{
public:
    // A table without colour codes: one would precede the RESULT line and hide it from grep.
    MedianReporter() : ConsoleReporter(OO_Tabular) { }
    double medianMs = -1; // real time of the "median" aggregate, in the benchmark's unit
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.aggregate_name == "median")
                medianMs = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

#endif // MEDIANREPORTER_H

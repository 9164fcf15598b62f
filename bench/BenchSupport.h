#pragma once

// What the benchmark programs share: the sample price database they read, the fastest of the
// repetitions as their figure, and a report that sets each measured operation against its reference.

#include "common/Services.h"
#include "data/PriceSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tarvello::bench {

// The sample price database the build makes next to the executables.
inline QString priceFile()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(kPriceFileName));
}

// The program's end, asked for by a window the benchmark drives, is only noted.
class NoEnd final : public ProgramEnd {
public:
    void end(int) override { ended_ = true; }
    bool ended() const override { return ended_; }

private:
    bool ended_ = false;
};

// The fastest of the repetitions is the least disturbed by whatever else the machine runs.
inline double fastest(const std::vector<double> &times)
{
    return *std::min_element(times.begin(), times.end());
}

// Nine repetitions in `Unit`, reported by their statistics and their fastest run:
// BENCHMARK(BM_Name)->Apply(bench::repeated<benchmark::kMillisecond>).
template <benchmark::TimeUnit Unit> void repeated(benchmark::internal::Benchmark *b)
{
    b->Unit(Unit)->Repetitions(9)->ComputeStatistics("min", fastest)->ReportAggregatesOnly(true);
}

// Prints the runs as usual, then each pair's fastest runs side by side: the operation, its reference
// and the ratio of the two.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    struct Pair {
        std::string measured;
        std::string reference;
    };
    RatioReporter(std::vector<Pair> pairs, std::string referenceName, std::string unit)
        : pairs_(std::move(pairs)), referenceName_(std::move(referenceName)), unit_(std::move(unit))
    {}

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &r : runs) {
            const bool min = r.run_type == Run::RT_Aggregate && r.aggregate_name == "min";
            if (min || (r.run_type == Run::RT_Iteration && !times_.count(r.run_name.function_name)))
                times_[r.run_name.function_name] = r.GetAdjustedRealTime();
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const Pair &p : pairs_) {
            if (times_.count(p.measured) && times_.count(p.reference))
                std::printf("%-20s %9.2f %s   %s %9.2f %s   ratio %.2fx\n", p.measured.c_str(),
                            times_[p.measured], unit_.c_str(), referenceName_.c_str(), times_[p.reference],
                            unit_.c_str(), times_[p.measured] / times_[p.reference]);
        }
    }

private:
    std::vector<Pair> pairs_;
    std::string referenceName_;
    std::string unit_;
    std::map<std::string, double> times_;
};

// Runs the benchmarks the command line selects with the reporter, once the application object exists;
// without the sample database there is nothing to measure.
inline int runBenchmarks(int &argc, char **argv, RatioReporter &reporter)
{
    benchmark::Initialize(&argc, argv);
    if (!QFile::exists(priceFile())) {
        std::fprintf(stderr, "No sample price database at %s: build the target futures_db_sample.\n",
                     qPrintable(priceFile()));
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

} // namespace tarvello::bench

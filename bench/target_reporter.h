// A console reporter that, after the usual table, prints chosen ratios of two
// benchmarks' times as a markdown table, each beside the target it is held to.
// With --benchmark_repetitions a ratio uses the medians; otherwise the times.
#ifndef BENCH_TARGET_REPORTER_H_
#define BENCH_TARGET_REPORTER_H_

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

struct TargetRatio {
    std::string label;
    std::string numerator;  // benchmark names, without "/iterations:..."
    std::string denominator;
    double atMost = 0;  // the target: the ratio is at most this; 0 for none
};

class TargetReporter : public benchmark::ConsoleReporter {
  public:
    // Colours only on a terminal, so that piped output copies cleanly.
    explicit TargetReporter(std::vector<TargetRatio> ratios)
        : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular),
          ratios_(std::move(ratios)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const auto& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (!run.error_occurred && (median || run.run_type == Run::RT_Iteration)) {
                seconds_[run.run_name.function_name] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n| ratio | value | target | met |\n|:---|---:|---:|:---:|\n");
        for (const auto& ratio : ratios_) {
            const auto numerator = seconds_.find(ratio.numerator);
            const auto denominator = seconds_.find(ratio.denominator);
            if (numerator == seconds_.end() || denominator == seconds_.end() ||
                denominator->second <= 0) {
                continue;  // filtered out or not built
            }
            const double value = numerator->second / denominator->second;
            if (ratio.atMost > 0) {
                std::printf("| %s | %.3gx | <= %.1fx | %s |\n", ratio.label.c_str(), value,
                            ratio.atMost, value <= ratio.atMost ? "yes" : "no");
            } else {
                std::printf("| %s | %.3gx | | |\n", ratio.label.c_str(), value);
            }
        }
    }

  private:
    std::vector<TargetRatio> ratios_;
    std::map<std::string, double> seconds_;
};

#endif  // BENCH_TARGET_REPORTER_H_

// A console reporter that, after the usual table, prints each benchmark's
// time as a ratio to the benchmark named "<group>/walk" of the same group.
#ifndef BENCH_RATIO_REPORTER_H_
#define BENCH_RATIO_REPORTER_H_

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
  public:
    explicit RatioReporter(std::string floorName) : floorName_(std::move(floorName)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const auto& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                times_.emplace_back(run.run_name.function_name, run.GetAdjustedRealTime());
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::map<std::string, double> floors;
        for (const auto& [name, time] : times_) {
            const auto slash = name.find('/');
            if (name.compare(slash + 1, std::string::npos, floorName_) == 0) {
                floors[name.substr(0, slash)] = time;
            }
        }
        std::printf("\n%-32s %12s\n", "benchmark", ("x " + floorName_).c_str());
        for (const auto& [name, time] : times_) {
            const auto floor = floors.find(name.substr(0, name.find('/')));
            if (floor != floors.end() && floor->second > 0) {
                std::printf("%-32s %12.2f\n", name.c_str(), time / floor->second);
            }
        }
    }

  private:
    std::string floorName_;
    std::vector<std::pair<std::string, double>> times_;
};

#endif  // BENCH_RATIO_REPORTER_H_

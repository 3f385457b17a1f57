// Loading a 1,000,000-edge file over 94 printable names, directed and
// undirected, against a bare loop doing the same stream extractions (the
// floor of this file format), and destroying the loaded graphs. Every
// measurement runs in a child process of its own, so each load starts on a
// fresh heap, as the first load of a program does.
//
// A fresh heap's pages are first touched by the load itself, and on some
// virtual machines each first touch of a 4 KiB page costs microseconds: the
// "_warm" loads therefore start on a heap that is just as fresh (one free
// block) but whose pages have been touched, which isolates the library's own
// work from the machine's page-fault cost.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "bench/ratio_reporter.h"
#include "graph/Graph.h"

namespace {

constexpr int kEdges = 1000000;

const std::string& edgeFile() {
    static const std::string path = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string name = std::string(tmp ? tmp : "/tmp") + "/graph_load_bench_" +
                           std::to_string(getpid()) + ".txt";
        std::ofstream out(name);
        std::mt19937 random(4);
        std::uniform_int_distribution<int> vertex('!', '~');
        std::uniform_int_distribution<int> weight(-1000, 100000);
        out << "V 94\nE " << kEdges << '\n';
        for (int i = 0; i < kEdges; ++i) {
            out << static_cast<char>(vertex(random)) << ' ' << static_cast<char>(vertex(random))
                << ' ' << weight(random) << '\n';
        }
        return name;
    }();
    return path;
}

struct Measurement {
    double seconds = 0;
    double heapBytes = 0;  // in use after the measured step
    double entries = 0;
};

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::size_t heapInUse() {
    return mallinfo2().uordblks;
}

// Touches `bytes` of heap and frees them again without returning them to the
// system: the heap is left as one free block at its top, pages resident.
void touchHeapPages(std::size_t bytes) {
    constexpr std::size_t kBlock = 16 << 20;  // below the mmap threshold: from the heap
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    std::vector<char*> blocks;
    for (std::size_t touched = 0; touched < bytes; touched += kBlock) {
        blocks.push_back(static_cast<char*>(std::malloc(kBlock)));
        std::memset(blocks.back(), 0, kBlock);
    }
    for (char* block : blocks) {
        std::free(block);
    }
}

std::size_t entriesOf(const Graph& graph) {
    std::size_t entries = 0;
    for (const auto& row : graph.adjList) {
        entries += row.size();
    }
    return entries;
}

// Runs `measure` in a child process and returns what it reports.
template <typename Measure>
Measurement inChild(Measure measure) {
    int channel[2];
    if (pipe(channel) != 0) {
        std::abort();
    }
    const pid_t child = fork();
    if (child == 0) {
        const Measurement result = measure();
        const bool written = write(channel[1], &result, sizeof result) == sizeof result;
        _exit(written ? 0 : 1);  // the graph is left to the exit, untimed
    }
    Measurement result;
    const bool complete = read(channel[0], &result, sizeof result) == sizeof result;
    close(channel[0]);
    close(channel[1]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!complete || status != 0) {
        std::abort();
    }
    return result;
}

template <typename Measure>
void runInChildren(benchmark::State& state, Measure measure) {
    Measurement last;
    for (auto _ : state) {
        last = inChild(measure);
        state.SetIterationTime(last.seconds);
    }
    if (last.entries > 0) {
        state.counters["entries"] = last.entries;
        state.counters["bytes_per_entry"] = last.heapBytes / last.entries;
    }
}

void extract(benchmark::State& state) {
    runInChildren(state, [] {
        const auto start = std::chrono::steady_clock::now();
        std::ifstream file(edgeFile());
        char name;
        int value;
        file >> name >> value >> name >> value;
        char source;
        char target;
        int weight;
        long long sum = 0;
        while (file >> source >> target >> weight) {
            sum += source + target + weight;
        }
        benchmark::DoNotOptimize(sum);
        return Measurement{secondsSince(start), 0, 0};
    });
}

void load(benchmark::State& state, bool directed, bool warmPages) {
    runInChildren(state, [directed, warmPages] {
        if (warmPages) {
            touchHeapPages((directed ? std::size_t{96} : std::size_t{192}) << 20);
        }
        const std::size_t heapBefore = heapInUse();
        const auto start = std::chrono::steady_clock::now();
        const Graph* graph = new Graph(edgeFile(), directed);
        const double seconds = secondsSince(start);
        return Measurement{seconds, static_cast<double>(heapInUse() - heapBefore),
                           static_cast<double>(entriesOf(*graph))};
    });
}

void destroy(benchmark::State& state, bool directed) {
    runInChildren(state, [directed] {
        const Graph* graph = new Graph(edgeFile(), directed);
        const auto start = std::chrono::steady_clock::now();
        delete graph;
        return Measurement{secondsSince(start), 0, 0};
    });
}

}  // namespace

int main(int argc, char** argv) {
    edgeFile();  // written once, before any child starts
    const auto unit = benchmark::kMillisecond;
    benchmark::RegisterBenchmark("load/extract", extract)->UseManualTime()->Unit(unit);
    benchmark::RegisterBenchmark("load/directed", load, true, false)->UseManualTime()->Unit(unit);
    benchmark::RegisterBenchmark("load/undirected", load, false, false)
        ->UseManualTime()
        ->Unit(unit);
    benchmark::RegisterBenchmark("load/directed_warm", load, true, true)
        ->UseManualTime()
        ->Unit(unit);
    benchmark::RegisterBenchmark("load/undirected_warm", load, false, true)
        ->UseManualTime()
        ->Unit(unit);
    benchmark::RegisterBenchmark("load/destroy_directed", destroy, true)
        ->UseManualTime()
        ->Unit(unit);
    benchmark::RegisterBenchmark("load/destroy_undirected", destroy, false)
        ->UseManualTime()
        ->Unit(unit);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter("extract");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::remove(edgeFile().c_str());
    return 0;
}

// Queries on the largest graphs a character-named graph admits, each timed
// beside one plain walk over every entry of the same table (the floor any full
// query pays). The ratios are printed after the table.
#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <random>

#include "bench/ratio_reporter.h"
#include "graph/Graph.h"

namespace {

char nameOf(int index) {
    return static_cast<char>(static_cast<unsigned char>(index));
}

struct Workload {
    const char* group;
    std::function<void(Graph&)> build;
    char from;
    char to;
};

// (a) every ordered pair of the 256 names: 65,280 entries.
void completeDirected(Graph& graph) {
    std::mt19937 random(1);
    std::uniform_int_distribution<int> weight(1, 100);
    for (int source = 0; source < 256; ++source) {
        for (int target = 0; target < 256; ++target) {
            if (source != target) {
                graph.addEdge(nameOf(source), nameOf(target), weight(random), true);
            }
        }
    }
}

// (b) undirected complete graph on names 0..253, plus the lone edge 254-255.
void completeUndirectedPlusIsland(Graph& graph) {
    std::mt19937 random(2);
    std::uniform_int_distribution<int> weight(1, 100);
    for (int source = 0; source < 254; ++source) {
        for (int target = source + 1; target < 254; ++target) {
            graph.addEdge(nameOf(source), nameOf(target), weight(random), false);
        }
    }
    graph.addEdge(nameOf(254), nameOf(255), 1, false);
}

// (c) 1,000,000 random directed entries; name 255 is a source but never a target.
void randomMultigraph(Graph& graph) {
    std::mt19937 random(3);
    std::uniform_int_distribution<int> source(0, 255);
    std::uniform_int_distribution<int> target(0, 254);
    std::uniform_int_distribution<int> weight(1, 100);
    for (int i = 0; i < 1000000; ++i) {
        graph.addEdge(nameOf(source(random)), nameOf(target(random)), weight(random), true);
    }
}

// (d) the chain 0 -> 1 -> ... -> 255.
void chain(Graph& graph) {
    for (int source = 0; source < 255; ++source) {
        graph.addEdge(nameOf(source), nameOf(source + 1), 1, true);
    }
}

const Workload kWorkloads[] = {
    {"complete", completeDirected, nameOf(0), nameOf(255)},
    {"island", completeUndirectedPlusIsland, nameOf(0), nameOf(255)},
    {"random1M", randomMultigraph, nameOf(0), nameOf(255)},
    {"chain", chain, nameOf(0), nameOf(255)},
};

Graph& graphFor(const Workload& workload) {
    // Built once per workload and kept for the whole run.
    static std::map<const Workload*, std::unique_ptr<Graph>> graphs;
    auto& graph = graphs[&workload];
    if (!graph) {
        graph = std::make_unique<Graph>(std::vector<std::list<std::shared_ptr<Edge>>>{});
        workload.build(*graph);
    }
    return *graph;
}

void registerWorkload(const Workload& workload) {
    const auto add = [&](const char* name, std::function<void(const Graph&)> body) {
        benchmark::RegisterBenchmark((std::string(workload.group) + "/" + name).c_str(),
                                     [&workload, body](benchmark::State& state) {
                                         const Graph& graph = graphFor(workload);
                                         for (auto _ : state) {
                                             body(graph);
                                         }
                                     })
            ->Unit(benchmark::kMicrosecond);
    };
    const char from = workload.from;
    const char to = workload.to;
    add("walk", [](const Graph& graph) {
        long long sum = 0;
        for (const auto& row : graph.adjList) {
            for (const auto& entry : row) {
                sum += entry->weight;
            }
        }
        benchmark::DoNotOptimize(sum);
    });
    add("Reachable",
        [=](const Graph& graph) { benchmark::DoNotOptimize(graph.Reachable(from, to)); });
    add("Dijkstra",
        [=](const Graph& graph) { benchmark::DoNotOptimize(graph.Dijkstra(from, to)); });
    add("shortestPath",
        [=](const Graph& graph) { benchmark::DoNotOptimize(graph.shortestPath(from, to)); });
    add("topoSort", [](const Graph& graph) { benchmark::DoNotOptimize(graph.topoSort()); });
    add("display", [](const Graph& graph) { benchmark::DoNotOptimize(graph.display()); });
}

}  // namespace

int main(int argc, char** argv) {
    for (const auto& workload : kWorkloads) {
        registerWorkload(workload);
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter("walk");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

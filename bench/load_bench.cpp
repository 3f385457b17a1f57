// Loading a file of 1,000,000 edge triples over the 94 printable names,
// directed and undirected, then querying and destroying the loaded graph,
// beside two references: a bare loop doing the same stream extractions (the
// floor of this file format) and, when Boost is found, Boost.Graph loading the
// same file with such a loop into an adjacency list and running the matching
// algorithms on it. The ratios the targets are stated in follow the table.
//
// Every measurement runs in a child process of its own, so each load starts on
// a fresh heap, as the first load of a program does; a step on a loaded graph
// (a walk, a query, `display`, the destruction) is timed once, right after the
// child's untimed load, as a program that loads and then queries would see it.
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
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "bench/extraction_loop.h"
#include "bench/target_reporter.h"
#include "graph/Graph.h"

#ifdef GRAPH_BENCH_BOOST
#include <boost/graph/breadth_first_search.hpp>
#include <boost/graph/dijkstra_shortest_paths.hpp>
#include <boost/range/iterator_range.hpp>

#include "bench/boost_edge_list.h"
#endif

namespace {

constexpr int kTriples = 1000000;

struct EdgeFile {
    std::string path;
    char first = 0;  // the source of the first triple
};

// The benchmark file, written once before any child starts: weights 0..1000,
// so that Boost's Dijkstra accepts them and no entry is hidden (weight -1).
const EdgeFile& edgeFile() {
    static const EdgeFile file = [] {
        const char* tmp = std::getenv("TMPDIR");
        EdgeFile made{std::string(tmp ? tmp : "/tmp") + "/graph_load_bench_" +
                      std::to_string(getpid()) + ".txt"};
        std::ofstream out(made.path);
        std::mt19937 random(4);
        std::uniform_int_distribution<int> vertex('!', '~');
        std::uniform_int_distribution<int> weight(0, 1000);
        out << "V 94\nE " << kTriples << '\n';
        for (int i = 0; i < kTriples; ++i) {
            const char source = static_cast<char>(vertex(random));
            const char target = static_cast<char>(vertex(random));
            made.first = i == 0 ? source : made.first;
            out << source << ' ' << target << ' ' << weight(random) << '\n';
        }
        return made;
    }();
    return file;
}

// Where Reachable and Dijkstra (and Boost's searches) go in one mode.
struct SearchRoute {
    bool directed;
    char from;
    char to;
};

struct Measurement {
    double seconds = 0;
    double heapBytes = 0;  // in use after the measured step
    double entries = 0;
};

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

template <typename Step>
double timeOf(Step step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    return secondsSince(start);
}

// Heap and mmap-ed blocks (large vectors) in use.
std::size_t heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
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

// Runs `work` in a child process and returns its result, a plain value. What
// the child allocated is left to its exit, untimed.
template <typename Work>
auto inChild(Work work) {
    using Result = decltype(work());
    static_assert(std::is_trivially_copyable_v<Result>);
    int channel[2];
    std::fflush(nullptr);
    if (pipe(channel) != 0) {
        std::abort();
    }
    const pid_t child = fork();
    if (child == 0) {
        const Result result = work();
        _exit(write(channel[1], &result, sizeof result) == sizeof result ? 0 : 1);
    }
    Result result{};
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

// The name farthest from the file's first name by `shortestDistances` (ties
// to the one appearing first), so that a search has to cross the graph.
SearchRoute routeFor(bool directed) {
    return inChild([directed] {
        const Graph graph(edgeFile().path, directed);
        SearchRoute route{directed, edgeFile().first, edgeFile().first};
        std::int64_t farthest = -1;
        for (const auto& [name, distance] : graph.shortestDistances(route.from)) {
            if (distance && *distance > farthest) {
                route.to = name;
                farthest = *distance;
            }
        }
        return route;
    });
}

// The floor: the stream extractions of a load, summed and dropped.
void extract(benchmark::State& state) {
    runInChildren(state, [] {
        std::ifstream file;
        long long sum = 0;
        const double seconds = timeOf([&] {
            file.open(edgeFile().path);
            forEachExtractedTriple(file, [&](char source, char target, int weight) {
                sum += source + target + weight;
            });
        });
        benchmark::DoNotOptimize(sum);
        return Measurement{seconds};
    });
}

// Our load, on a fresh heap or on one whose pages were touched first.
void load(benchmark::State& state, bool directed, bool warmPages) {
    runInChildren(state, [directed, warmPages] {
        if (warmPages) {
            touchHeapPages((directed ? std::size_t{96} : std::size_t{192}) << 20);
        }
        const std::size_t heapBefore = heapInUse();
        const Graph* graph = nullptr;
        const double seconds = timeOf([&] { graph = new Graph(edgeFile().path, directed); });
        return Measurement{seconds, static_cast<double>(heapInUse() - heapBefore),
                           static_cast<double>(entriesOf(*graph))};
    });
}

// Loads our graph in the child, untimed, then times `step` on it once.
void onGraph(benchmark::State& state, bool directed, std::function<void(const Graph*)> step) {
    runInChildren(state, [directed, step] {
        const Graph* graph = new Graph(edgeFile().path, directed);
        return Measurement{timeOf([&] { step(graph); })};
    });
}

// One plain walk over every entry of the table: the floor of a full query.
void walk(const Graph* graph) {
    long long sum = 0;
    for (const auto& row : graph->adjList) {
        for (const auto& entry : row) {
            sum += entry->weight;
        }
    }
    benchmark::DoNotOptimize(sum);
}

#ifdef GRAPH_BENCH_BOOST
BoostGraph* loadBoost(bool directed) {
    auto* graph = new BoostGraph(256);
    std::ifstream file(edgeFile().path);
    readEdgeList(file, directed, *graph);
    return graph;
}

// Boost's load with the plain loop of boost_edge_list.h.
void boostLoad(benchmark::State& state, bool directed) {
    runInChildren(state, [directed] {
        const std::size_t heapBefore = heapInUse();
        const BoostGraph* graph = nullptr;
        const double seconds = timeOf([&] { graph = loadBoost(directed); });
        return Measurement{seconds, static_cast<double>(heapInUse() - heapBefore),
                           static_cast<double>(boost::num_edges(*graph))};
    });
}

// Loads the Boost graph in the child, untimed, then times `step` on it once.
void onBoostGraph(benchmark::State& state, bool directed,
                  std::function<void(const BoostGraph&)> step) {
    runInChildren(state, [directed, step] {
        const BoostGraph* graph = loadBoost(directed);
        return Measurement{timeOf([&] { step(*graph); })};
    });
}

// One pass over every out-edge, reading its weight: Boost's floor of a query.
void boostWalk(const BoostGraph& graph) {
    const auto weight = boost::get(boost::edge_weight, graph);
    long long sum = 0;
    for (const auto vertex : boost::make_iterator_range(boost::vertices(graph))) {
        for (const auto edge : boost::make_iterator_range(boost::out_edges(vertex, graph))) {
            sum += boost::get(weight, edge);
        }
    }
    benchmark::DoNotOptimize(sum);
}

// A whole breadth-first search from `route.from`; then whether it met `route.to`.
void boostSearch(const BoostGraph& graph, SearchRoute route) {
    std::vector<boost::default_color_type> color(boost::num_vertices(graph));
    boost::breadth_first_search(graph, vertexOf(route.from), boost::color_map(color.data()));
    benchmark::DoNotOptimize(color[vertexOf(route.to)] != boost::white_color);
}

void boostDijkstra(const BoostGraph& graph, SearchRoute route) {
    std::vector<int> distance(boost::num_vertices(graph));
    boost::dijkstra_shortest_paths(graph, vertexOf(route.from),
                                   boost::distance_map(distance.data()));
    benchmark::DoNotOptimize(distance[vertexOf(route.to)]);
}
#endif

void add(const std::string& name, std::function<void(benchmark::State&)> body) {
    benchmark::RegisterBenchmark(name.c_str(), body)
        ->UseManualTime()
        ->Iterations(1)  // one child; repeat with --benchmark_repetitions
        ->Unit(benchmark::kMicrosecond);
}

// The loads of one mode: ours, ours on touched pages, Boost's.
void registerLoads(bool directed) {
    const std::string mode = directed ? "directed/" : "undirected/";
    add(mode + "load", [=](benchmark::State& state) { load(state, directed, false); });
    add(mode + "load_warm", [=](benchmark::State& state) { load(state, directed, true); });
#ifdef GRAPH_BENCH_BOOST
    add(mode + "boost_load", [=](benchmark::State& state) { boostLoad(state, directed); });
#endif
}

// The steps timed on a graph of one mode that the child has just loaded.
void registerSteps(SearchRoute route) {
    const bool directed = route.directed;
    const std::string mode = directed ? "directed/" : "undirected/";
    const auto addStep = [&](const char* name, std::function<void(const Graph*)> step) {
        add(mode + name, [=](benchmark::State& state) { onGraph(state, directed, step); });
    };
    addStep("walk", walk);
    addStep("Reachable", [=](const Graph* graph) {
        benchmark::DoNotOptimize(graph->Reachable(route.from, route.to));
    });
    addStep("Dijkstra", [=](const Graph* graph) {
        benchmark::DoNotOptimize(graph->Dijkstra(route.from, route.to));
    });
    addStep("topoSort", [](const Graph* graph) { benchmark::DoNotOptimize(graph->topoSort()); });
    addStep("display", [](const Graph* graph) { benchmark::DoNotOptimize(graph->display()); });
    addStep("destroy", [](const Graph* graph) { delete graph; });
#ifdef GRAPH_BENCH_BOOST
    const auto addBoost = [&](const char* name, std::function<void(const BoostGraph&)> step) {
        add(mode + name, [=](benchmark::State& state) { onBoostGraph(state, directed, step); });
    };
    addBoost("boost_walk", boostWalk);
    addBoost("boost_bfs", [=](const BoostGraph& graph) { boostSearch(graph, route); });
    addBoost("boost_dijkstra", [=](const BoostGraph& graph) { boostDijkstra(graph, route); });
#endif
}

std::vector<TargetRatio> ratiosFor(const std::string& mode, double loadTarget) {
    const auto ratio = [&](const std::string& what, const std::string& numerator,
                           const std::string& denominator, double atMost) {
        return TargetRatio{mode + " " + what, mode + "/" + numerator,
                           denominator == "extract" ? denominator : mode + "/" + denominator,
                           atMost};
    };
    return {
        ratio("walk / Boost out-edge walk", "walk", "boost_walk", 1.0),
        ratio("Reachable / Boost out-edge walk", "Reachable", "boost_walk", 1.0),
        ratio("topoSort / Boost out-edge walk", "topoSort", "boost_walk", 1.0),
        ratio("Dijkstra / Boost dijkstra_shortest_paths", "Dijkstra", "boost_dijkstra", 1.0),
        ratio("load / extraction loop", "load", "extract", loadTarget),
        ratio("destroy / load", "destroy", "load", 0.5),
        ratio("load, heap pages touched / extraction loop", "load_warm", "extract", 0),
        ratio("Boost load / extraction loop", "boost_load", "extract", 0),
        ratio("Reachable / Boost breadth_first_search", "Reachable", "boost_bfs", 0),
        ratio("display / walk", "display", "walk", 0),
    };
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    edgeFile();
    const SearchRoute routes[] = {routeFor(true), routeFor(false)};
    std::printf("Reachable and Dijkstra: directed '%c' to '%c', undirected '%c' to '%c'\n",
                routes[0].from, routes[0].to, routes[1].from, routes[1].to);
    add("extract", extract);
    for (const SearchRoute& route : routes) {
        registerLoads(route.directed);
    }
    for (const SearchRoute& route : routes) {
        registerSteps(route);
    }
    std::vector<TargetRatio> ratios = ratiosFor("directed", 2.5);
    for (auto& ratio : ratiosFor("undirected", 4.0)) {
        ratios.push_back(std::move(ratio));
    }
    TargetReporter reporter(std::move(ratios));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::remove(edgeFile().path.c_str());
    return 0;
}

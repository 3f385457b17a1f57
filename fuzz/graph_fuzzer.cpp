// libFuzzer target: loads arbitrary bytes as an edge-list file, directed and
// undirected, lists the graph and runs every query on names taken from the
// input. On small graphs each query is also checked against the step-by-step
// reference, so a wrong answer counts as a crash.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "graph/Graph.h"
#include "tests/literal_reference.h"

namespace {

// The reference queues a vertex again for every entry naming it until its
// first expansion ends, so parallel edges multiply its work level by level:
// about e^(n/e) expansions for n entries. It is only asked about tables small
// enough to stay well inside the one-second limit per input.
constexpr std::size_t kReferenceEntries = 24;

std::size_t entryCount(const Graph& graph) {
    std::size_t entries = 0;
    for (const auto& row : graph.adjList) {
        entries += row.size();
    }
    return entries;
}

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "mismatch: %s\n", what);
        std::abort();
    }
}

void exercise(const Graph& graph, char from, char to) {
    (void)graph.display();
    (void)Graph(graph.adjList).display();

    std::queue<char> queue;
    std::vector<char> names;
    std::vector<std::shared_ptr<Edge>> records;
    (void)graph.insertAdjacentElements(queue, {from}, to, from);
    graph.insertAdjacentNodes(names, {to}, from);
    graph.insertAdjacentElementsDijkstra(records, from);
    (void)graph.getAdjacentDistance(from, to);

    const bool reachable = graph.Reachable(from, to);
    const int distance = graph.Dijkstra(from, to);
    const std::string order = graph.topoSort();
    const std::string path = graph.shortestPath(from, to);
    require(path.empty() || (reachable && path.front() == from && path.back() == to), "path ends");
    if (entryCount(graph) <= kReferenceEntries) {
        require(reachable == literalReachable(graph, from, to), "Reachable");
        require(distance == literalDijkstra(graph, from, to), "Dijkstra");
        require(order == literalTopoSort(graph), "topoSort");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path =
        std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") + "/graph_fuzz_" +
        std::to_string(getpid()) + ".txt";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    const char from = size > 0 ? static_cast<char>(data[size - 1]) : 'A';
    const char to = size > 1 ? static_cast<char>(data[size / 2]) : 'B';
    for (const bool directed : {true, false}) {
        const Graph graph(path, directed);
        exercise(graph, from, to);
        exercise(graph, from, from);
    }
    std::remove(path.c_str());
    return 0;
}

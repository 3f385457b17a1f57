// libFuzzer target: reads arbitrary bytes as an edge list, directed and
// undirected, and aborts on any disagreement with references that share no
// code with the library: the plain >> extraction loop for what is read (the
// triples, the report, where the stream is left), addEdge once per triple for
// the table, and the textbook reading of the table for every query.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "graph/Graph.h"
#include "tests/reference/extraction_reference.h"
#include "tests/reference/textbook_reference.h"

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "mismatch: %s\n", what);
        std::abort();
    }
}

bool sameTable(const Graph& a, const Graph& b) {
    if (a.vertexCount != b.vertexCount || a.adjList.size() != b.adjList.size()) {
        return false;
    }
    for (std::size_t row = 0; row < a.adjList.size(); ++row) {
        const auto& x = a.adjList[row];
        const auto& y = b.adjList[row];
        if (x.size() != y.size()) {
            return false;
        }
        for (auto i = x.begin(), j = y.begin(); i != x.end(); ++i, ++j) {
            if ((*i)->vertex != (*j)->vertex || (*i)->prev != (*j)->prev ||
                (*i)->weight != (*j)->weight) {
                return false;
            }
        }
    }
    return true;
}

void checkLoading(const std::string& bytes, const Extraction& expected, bool directed) {
    std::istringstream input(bytes);
    LoadReport report;
    const Graph graph(input, directed, report);
    Graph perTriple({});
    for (const ExtractedTriple& triple : expected.triples) {
        perTriple.addEdge(triple.source, triple.target, triple.weight, directed);
    }
    require(sameTable(graph, perTriple), "table");
    require(report.triples == expected.triples.size(), "report.triples");
    require(report.stop == expected.stop && report.inHeader == expected.inHeader, "report.stop");
    require(report.stoppedAt.offset == expected.stoppedAt, "report.stoppedAt");
    require(report.joinedWeight == expected.joinedAt.has_value() &&
                (!report.joinedWeight || report.joinedAt.offset == *expected.joinedAt),
            "report.joinedAt");
    require(input.eof() == expected.eof && input.fail() == expected.fail, "stream state");
    input.clear();
    require(static_cast<std::uint64_t>(input.tellg()) == expected.consumed, "bytes consumed");

    Graph fromTable({});
    for (const auto& row : graph.adjList) {
        for (const auto& entry : row) {
            fromTable.addEdge(entry->vertex, entry->prev, entry->weight, true);
        }
    }
    require(sameTable(Graph(graph.adjList), fromTable), "table constructor");
}

// A path from `from` to `to` whose steps' weights add up to `length`.
bool isPath(const Graph& graph, const std::string& path, char from, char to, std::int64_t length) {
    if (path.empty() || path.front() != from || path.back() != to) {
        return false;
    }
    std::int64_t sum = 0;
    for (std::size_t i = 1; i < path.size(); ++i) {
        const std::optional<int> step = textbookStep(graph, path[i - 1], path[i]);
        if (!step) {
            return false;
        }
        sum += *step;
    }
    return sum == length;
}

void checkQueries(const Graph& graph, char from, char to) {
    const QueryIndex index(graph);
    const Distances distances = textbookDistances(graph, from);
    require(graph.shortestDistances(from) == distances, "shortestDistances");
    require(index.shortestDistances(from) == distances, "QueryIndex::shortestDistances");
    require(graph.topoSort() == textbookTopoSort(graph), "topoSort");
    require(graph.vertexNames() == textbookNames(graph), "vertexNames");

    const bool reachable = textbookReachable(graph, from, to);
    require(graph.Reachable(from, to) == reachable, "Reachable");
    require(index.Reachable(from, to) == reachable, "QueryIndex::Reachable");
    std::optional<std::int64_t> distance;
    for (const auto& [name, length] : distances) {
        distance = name == to ? length : distance;
    }
    require(reachable == distance.has_value(), "reachable targets have distances");
    require(graph.shortestDistance(from, to) == distance, "shortestDistance");
    require(graph.Dijkstra(from, to) == textbookDijkstra(distance), "Dijkstra");
    const std::string path = graph.shortestPath(from, to);
    require(distance ? isPath(graph, path, from, to, *distance) : path.empty(), "shortestPath");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const Extraction expected = extractByOperator(bytes);
    const char from = size > 0 ? static_cast<char>(data[size - 1]) : 'A';
    const char to = size > 1 ? static_cast<char>(data[size / 2]) : 'B';
    for (const bool directed : {true, false}) {
        checkLoading(bytes, expected, directed);
        std::istringstream input(bytes);
        const Graph graph(input, directed);
        checkQueries(graph, from, to);
        checkQueries(graph, from, from);
    }
    return 0;
}

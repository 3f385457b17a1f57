// Helpers shared by the test suites: a compact text form of a graph's table,
// graphs built from edge lists, and scratch files that remove themselves.
#ifndef TESTS_GRAPH_TEST_SUPPORT_H_
#define TESTS_GRAPH_TEST_SUPPORT_H_

#include <string>
#include <vector>

#include "graph/Graph.h"

struct TestEdge {
    char source;
    char target;
    int weight;
};

// Builds a graph from no table, then adds `edges` in order.
Graph graphOf(const std::vector<TestEdge>& edges, bool directed);

// Renders the table as rows separated by blanks, each "V:" followed by its
// entries "T<weight>" joined by commas, e.g. "A:B6,C7 B:A6". A head entry that
// is not (V, NUL, -1), a non-NUL prev, or a vertexCount that differs from the
// row count is written out so that comparisons fail.
std::string tableText(const Graph& graph);

// Expects `graph.shortestPath(from, to)` to be empty exactly when `to` is not
// reachable, and otherwise to run from `from` to `to` along neighbour entries
// whose first-entry weights add up to `graph.Dijkstra(from, to)`. Paths with
// a step of 2^27 or more are not summed, and a saturated distance may have no
// path: their sums may lie beyond the int range.
void expectPathMatchesDijkstra(const Graph& graph, char from, char to);

// A file in the test's scratch directory holding the given bytes; removed
// when the object goes.
class ScratchFile {
  public:
    explicit ScratchFile(const std::string& contents);
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

#endif  // TESTS_GRAPH_TEST_SUPPORT_H_

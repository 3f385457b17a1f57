// The label-setting search behind Dijkstra and shortestPath.
#ifndef QUERIES_SHORTEST_PATH_SEARCH_H_
#define QUERIES_SHORTEST_PATH_SEARCH_H_

#include <string>

#include "graph/Graph.h"

namespace graph_internal {

struct ShortestPath {
    bool reachable = false;  // `to` is reachable from `from` (see Graph::Reachable)
    int distance = -1;       // valid when reachable; 2147483647 when the sums saturated
    std::string vertices;    // from ... to; empty when unreachable or saturated
};

// Settles vertices nearest first from `from` until `to` is settled, reading
// each settled vertex's row once. Ties between equal distances go to the name
// that appears first in the table (head entries and targets, in table order).
// The weight of a step u->v is that of the first entry naming v in u's row,
// entries naming u itself are ignored, a vertex at infinity relaxes nothing,
// and sums are formed in 64 bits and clamped into the int range.
// The path is filled in only `withPath`. O(E + V^2 log V) time (each distinct
// edge relaxes at most once), O(V) memory for a table kept by addEdge.
ShortestPath findShortestPath(const Graph& graph, char from, char to, bool withPath);

}  // namespace graph_internal

#endif  // QUERIES_SHORTEST_PATH_SEARCH_H_

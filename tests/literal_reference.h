// Straightforward step-by-step versions of the queries, built on the
// adjacency helpers and linear searches of plain vectors. The indexed queries
// must give exactly their results; these are only fast enough for small graphs.
#ifndef TESTS_LITERAL_REFERENCE_H_
#define TESTS_LITERAL_REFERENCE_H_

#include <string>

#include "graph/Graph.h"

bool literalReachable(const Graph& graph, char from, char to);
int literalDijkstra(const Graph& graph, char from, char to);
std::string literalTopoSort(const Graph& graph);

#endif  // TESTS_LITERAL_REFERENCE_H_

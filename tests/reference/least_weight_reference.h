// A textbook reading of the least-weight routes, written straight from the
// documented behaviour over the public table: it reads `adjList` and
// `vertexCount` and calls nothing of the library but the two operations it
// judges, so a fault in the library cannot hide in it.
#ifndef TESTS_REFERENCE_LEAST_WEIGHT_REFERENCE_H_
#define TESTS_REFERENCE_LEAST_WEIGHT_REFERENCE_H_

#include <string>

#include "graph/Graph.h"

// Compares graph.leastWeightRoute(from, to) for each `to` in `targets`, and
// graph.leastWeightRoutes(from) (every name of the table in order of first
// appearance), with a textbook Bellman-Ford reading of `adjList`; returns a
// description of the first difference, or "" when there is none.
//
// Lengths must equal the least weights exactly; paths and negative cycles are
// judged valid rather than equal, since any least path and any negative cycle
// on a path to the target are correct answers.
std::string leastWeightDifference(const Graph& graph, char from, const std::string& targets);

#endif  // TESTS_REFERENCE_LEAST_WEIGHT_REFERENCE_H_

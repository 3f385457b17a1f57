// Textbook readings of the query rules, written straight from the documented
// behaviour over the public table: they read `adjList` (rows, entries, `vertex`,
// `weight`) and `vertexCount` and call nothing of the library, so a fault in the
// library cannot hide in them. Plain loops over vectors; clarity over speed.
#ifndef TESTS_REFERENCE_TEXTBOOK_REFERENCE_H_
#define TESTS_REFERENCE_TEXTBOOK_REFERENCE_H_

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "graph/Graph.h"

using Distances = std::vector<std::pair<char, std::optional<std::int64_t>>>;

// Every name of the table once, in order of first appearance: rows in table
// order, each row from its head entry on.
std::string textbookNames(const Graph& graph);

// Breadth-first over neighbour entries (weight not -1) from `from`'s row; `to`
// counts when a neighbour entry of an expanded vertex names it.
bool textbookReachable(const Graph& graph, char from, char to);

// Every name in first-appearance order with its shortest distance from `from`:
// nothing when not reachable, 0 for `from` itself when it lies on a cycle, else
// the distance the label-setting search settles it at (exact, in 64 bits).
Distances textbookDistances(const Graph& graph, char from);

// What Dijkstra answers for a distance: -1 for nothing, else the distance
// clamped into the int range.
int textbookDijkstra(std::optional<std::int64_t> distance);

// Kahn's method, always taking the first name (in first-appearance order)
// whose remaining in-degree is 0.
std::string textbookTopoSort(const Graph& graph);

// The weight a step from -> to weighs (the first entry of `from`'s row naming
// `to`, whatever its weight), or nothing when no neighbour entry of that row
// names `to`.
std::optional<int> textbookStep(const Graph& graph, char from, char to);

#endif  // TESTS_REFERENCE_TEXTBOOK_REFERENCE_H_

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

// The weight of head entries, and of the entries the library's rules pass over.
constexpr int kHiddenWeight = -1;

// A name as the index of its slot: names are bytes, so NUL and bytes above 127 are names too.
inline int byte(char name) {
    return static_cast<unsigned char>(name);
}

// The row of `name`: the first of the first `vertexCount` rows whose head
// entry names it, or no entries at all.
const std::list<std::shared_ptr<Edge>>& textbookRow(const Graph& graph, char name);

// Every name of the table once, in order of first appearance: rows in table
// order, each row from its head entry on.
std::string textbookNames(const Graph& graph);

// Every name in first-appearance order with its shortest distance from `from`:
// nothing when not reachable, 0 for `from` itself when it lies on a cycle, else
// the distance the label-setting search settles it at (exact, in 64 bits).
// With `paths`, appends each one's path as the search records it: each vertex
// from the one that last lowered its distance, "a" from `a` to itself on a
// cycle, empty when there is no distance.
Distances textbookDistances(const Graph& graph, char from,
                            std::vector<std::string>* paths = nullptr);

// Kahn's method, always taking the first name in `order` whose remaining
// in-degree is 0. With `everyEntry` every entry is an edge; without it,
// entries of weight -1 count towards in-degrees but are never released.
std::string textbookTopoSort(const Graph& graph, bool everyEntry, const std::string& order);

#endif  // TESTS_REFERENCE_TEXTBOOK_REFERENCE_H_

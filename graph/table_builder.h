// Building a whole table at once from edge triples, as the loading and table
// constructors do.
#ifndef GRAPH_TABLE_BUILDER_H_
#define GRAPH_TABLE_BUILDER_H_

#include <vector>

#include "graph/Graph.h"

namespace graph_internal {

// One edge to add: 8 bytes, so that a loader holds every triple of its input
// at little more than the input's own size.
struct Triple {
    int weight;
    char source;
    char target;
};

// Fills the empty `graph` with exactly the table that
// `addEdge(t.source, t.target, t.weight, directed)` for each triple in order
// would build, allocating one row at a time so that each row's list nodes and
// records lie together in memory, which makes every later walk faster. O(E).
void buildTable(Graph& graph, const std::vector<Triple>& triples, bool directed);

}  // namespace graph_internal

#endif  // GRAPH_TABLE_BUILDER_H_

// Building a whole table at once from edge triples, as the loading and table
// constructors do.
#ifndef GRAPH_TABLE_BUILDER_H_
#define GRAPH_TABLE_BUILDER_H_

#include <vector>

#include "graph/Graph.h"
#include "graph/edge_list_reader.h"

namespace graph_internal {

// Fills the empty `graph` with exactly the table that
// `addEdge(t.source, t.target, t.weight, directed)` for each triple in order
// would build, allocating one row at a time so that each row's list nodes and
// records lie together in memory, which makes every later walk faster. O(E).
void buildTable(Graph& graph, const std::vector<Triple>& triples, bool directed);

}  // namespace graph_internal

#endif  // GRAPH_TABLE_BUILDER_H_

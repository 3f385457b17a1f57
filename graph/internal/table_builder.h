// Building a whole table at once from edge triples, as the loading and table
// constructors do.
#ifndef GRAPH_INTERNAL_TABLE_BUILDER_H_
#define GRAPH_INTERNAL_TABLE_BUILDER_H_

#include <vector>

#include "graph/weighted_graph.h"

namespace graph_internal {

// Fills the empty `graph` with exactly the table that
// `addEdge(t.source, t.target, t.weight, directed)` for each triple in order
// would build, a row at a time: each row's records in one block, held by
// aliasing handles, so that a row's entries lie together in memory. O(E).
void buildTable(Graph& graph, const std::vector<EdgeTriple>& triples, bool directed);

}  // namespace graph_internal

#endif  // GRAPH_INTERNAL_TABLE_BUILDER_H_

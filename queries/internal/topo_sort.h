// The topological order of a summarized table, and what keeps vertices out
// of it.
#ifndef QUERIES_TOPO_SORT_H_
#define QUERIES_TOPO_SORT_H_

#include <string>

#include "queries/internal/table_summary.h"

namespace graph_internal {

// What Graph::topoSort(rule) returns for the table `table` summarizes.
// O(S + V log V), S the distinct (row, name) pairs.
std::string topologicalOrder(const TableSummary& table, EdgeEntries rule);

// What Graph::topoSort returns, read off the graph's rows. O(E + V log V).
std::string topologicalOrder(const Graph& graph);

// What Graph::topoObstacle(rule) returns, given that order. O(V + S), S the
// distinct (row, name) pairs.
TopoObstacle topologicalObstacle(const TableSummary& table, const std::string& order,
                                 EdgeEntries rule);

}  // namespace graph_internal

#endif  // QUERIES_TOPO_SORT_H_

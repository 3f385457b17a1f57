// The topological order of a summarized table.
#ifndef QUERIES_TOPO_SORT_H_
#define QUERIES_TOPO_SORT_H_

#include <string>

#include "queries/table_summary.h"

namespace graph_internal {

// What Graph::topoSort returns for the table `table` summarizes. O(V log V).
std::string topologicalOrder(const TableSummary& table);

}  // namespace graph_internal

#endif  // QUERIES_TOPO_SORT_H_

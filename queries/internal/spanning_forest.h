// A minimum spanning forest of a summarized table's steps.
#ifndef QUERIES_SPANNING_FOREST_H_
#define QUERIES_SPANNING_FOREST_H_

#include <vector>

#include "graph/edge_list.h"
#include "queries/internal/table_summary.h"

namespace graph_internal {

// What QueryIndex::spanningForest(rule) returns: Kruskal's method over the
// pairs of names a step joins either way, with a union-find of the names
// (halving its paths, joining the smaller tree under the larger). With
// EdgeEntries::every a pair ties by the first joinedAt of its two rows'
// neighbours, with EdgeEntries::neighbours by the first walkPosition.
// O(S log S) time and O(S) memory, S the distinct (row, name) pairs.
std::vector<EdgeTriple> spanningForest(const TableSummary& table, EdgeEntries rule);

}  // namespace graph_internal

#endif  // QUERIES_SPANNING_FOREST_H_

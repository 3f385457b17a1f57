// The distances from every name of a summarized table at once: the least
// weights and the label-setting distances.
#ifndef QUERIES_DISTANCE_MATRIX_H_
#define QUERIES_DISTANCE_MATRIX_H_

#include "queries/internal/table_summary.h"

namespace graph_internal {

// What LeastWeightSearch from each name finds, by the lengths alone, with
// the work shared: a target has no least weight from a source exactly when
// a component of the steps that holds a negative cycle (found by
// Bellman-Ford within each component) lies between them, as the closures of
// the components tell; every other least weight is that of the steps
// outside such components, where Floyd-Warshall finds them all. Rows and
// columns in the tie order of `rule`. O(V * S + V^3) time, S the distinct
// steps; O(V^2) memory.
DistanceMatrix leastWeightMatrix(const TableSummary& table, EdgeEntries rule);

// What shortestRoutes gives from each name, by the lengths alone: one
// label-setting search from each, rows and columns in the table's order of
// names. O(V^3) time, O(V^2) memory.
DistanceMatrix shortestDistanceMatrix(const TableSummary& table);

}  // namespace graph_internal

#endif  // QUERIES_DISTANCE_MATRIX_H_

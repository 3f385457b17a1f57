// The strongly connected components of a summarized table's steps, behind
// QueryIndex::components and the least-weight matrix.
#ifndef QUERIES_COMPONENTS_H_
#define QUERIES_COMPONENTS_H_

#include <array>
#include <string>
#include <vector>

#include "queries/internal/table_summary.h"

namespace graph_internal {

// The components of the steps u->v that a rule makes edges. A component is
// numbered only after every component it steps to, so that taking them from
// 0 up meets each after everything it reaches.
struct StrongComponents {
    std::array<int, kNameCount> componentOf;  // for the table's names; -1 for others
    std::vector<std::string> members;         // each component's names, in the tie order
};

// Tarjan's method over the names in the tie order of `rule`, with a stack of
// its own rather than recursion. O(V + S) time, S the distinct steps; O(V)
// memory.
StrongComponents strongComponents(const TableSummary& table, EdgeEntries rule);

// What QueryIndex::components(rule) returns: each component's names, the
// components ordered by their first name in the tie order. O(V + S).
std::vector<std::string> componentNames(const TableSummary& table, EdgeEntries rule);

}  // namespace graph_internal

#endif  // QUERIES_COMPONENTS_H_

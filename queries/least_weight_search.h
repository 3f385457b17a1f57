// The least total weight of the paths from one vertex, behind
// leastWeightRoute and leastWeightRoutes.
#ifndef QUERIES_LEAST_WEIGHT_SEARCH_H_
#define QUERIES_LEAST_WEIGHT_SEARCH_H_

#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

#include "queries/table_summary.h"

namespace graph_internal {

// Bellman-Ford from a start over the distinct steps u->v, each weighing the
// smallest of u's neighbour entries naming v: V rounds at most, each
// relaxing only the steps out of the vertices that dropped in the round
// before. A vertex that still drops in round V lies behind a cycle of
// negative weight, found by walking its predecessors back; every vertex
// reachable from that cycle has no least weight. O(V * S) time, S the
// distinct steps, O(V) memory besides the cycles.
class LeastWeightSearch {
  public:
    LeastWeightSearch(const TableSummary& table, char from);

    // What the search found for `to`.
    Route routeTo(char to) const;

  private:
    // Finds the cycles behind the vertices that dropped in the last round,
    // and marks what each cycle reaches.
    void markCycles(const TableSummary& table, const std::vector<char>& dropped,
                    std::size_t rounds);

    const char from_;
    std::bitset<256> reached_;
    std::array<std::int64_t, 256> distance_{};
    std::array<char, 256> predecessor_;
    std::vector<std::string> cycles_;
    std::array<int, 256> behindCycle_;  // an index into cycles_, or -1
};

}  // namespace graph_internal

#endif  // QUERIES_LEAST_WEIGHT_SEARCH_H_

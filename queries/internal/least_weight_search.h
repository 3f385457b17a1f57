// The least total weight of the paths from one vertex, behind
// leastWeightRoute and leastWeightRoutes.
#ifndef QUERIES_LEAST_WEIGHT_SEARCH_H_
#define QUERIES_LEAST_WEIGHT_SEARCH_H_

#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

#include "queries/internal/table_summary.h"

namespace graph_internal {

// Bellman-Ford from a start over the distinct steps u->v that `rule` makes
// edges, each weighing the least of u's edges naming v, paths compared by
// total weight and then by their number of edges: V rounds at most, each
// relaxing only the steps out of the vertices that dropped in the round
// before. A vertex that still drops in round V lies behind a cycle of
// negative weight, found by walking back the relaxations; every vertex
// reachable from that cycle has no least weight. Each other vertex is reached
// from the first vertex, in the rule's tie order, that it follows at its least
// weight and fewest edges. O(V * S) time, S the distinct steps, O(V) memory
// besides the cycles.
class LeastWeightSearch {
  public:
    LeastWeightSearch(const TableSummary& table, char from, EdgeEntries rule);

    // What the search found for `to`.
    Route routeTo(char to) const;

  private:
    // Finds the cycles behind the vertices that dropped in the last round,
    // and marks what each cycle reaches.
    void markCycles(const TableSummary& table, const std::vector<char>& dropped,
                    std::size_t rounds);

    // Sets each reached vertex's predecessor by the tie rule.
    void choosePredecessors(const TableSummary& table);

    // Whether the path ending u->v at `weight` is shorter than v's, by weight
    // and then by edges.
    bool improves(std::size_t u, std::size_t v, int weight) const;

    const char from_;
    const EdgeEntries rule_;
    std::bitset<kNameCount> reached_;
    std::array<std::int64_t, kNameCount> distance_{};
    std::array<std::uint32_t, kNameCount> edges_{};
    std::array<char, kNameCount> relaxedFrom_;  // the last relaxation's source
    std::array<char, kNameCount> predecessor_;  // by the tie rule
    std::vector<std::string> cycles_;
    std::array<int, kNameCount> behindCycle_;  // an index into cycles_, or -1
};

}  // namespace graph_internal

#endif  // QUERIES_LEAST_WEIGHT_SEARCH_H_

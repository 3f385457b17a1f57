// What the queries read of a table, gathered in one pass: the order of first
// appearance, each row's distinct neighbours, and the in-degree of each name.
#ifndef QUERIES_TABLE_SUMMARY_H_
#define QUERIES_TABLE_SUMMARY_H_

#include <array>
#include <cstdint>
#include <vector>

#include "queries/appearance_order.h"

namespace graph_internal {

// A name that neighbour entries (weight not -1) of one row name.
struct Neighbour {
    char name;
    // The weight of the first entry of the row naming `name`: a step's weight,
    // which may come from the head entry or from an entry of weight -1.
    int weight;
    std::uint32_t entries;  // neighbour entries of the row naming `name`
};

class TableSummary {
  public:
    struct Range {
        const Neighbour* first;
        const Neighbour* last;
        const Neighbour* begin() const { return first; }
        const Neighbour* end() const { return last; }
    };

    // O(E) time, O(min(E, V^2)) memory.
    explicit TableSummary(const Graph& graph);

    const AppearanceOrder& order() const { return order_; }

    // The neighbours of the row of `name`, in order of their first neighbour
    // entry; empty when `name` has no row.
    Range neighboursOf(char name) const {
        const Neighbour* first = neighbours_.data() + firstNeighbour_[nameSlot(name)];
        return {first, first + neighbourCount_[nameSlot(name)]};
    }

    // The entries naming `name` in every row, its first entry excepted.
    std::int64_t inDegree(char name) const { return inDegree_[nameSlot(name)]; }

  private:
    struct Seen;
    // Notes an entry naming `name` with `weight` in the row numbered `row`.
    void note(char name, int weight, Seen& seen, std::uint32_t row);

    AppearanceOrder order_;
    std::vector<Neighbour> neighbours_;  // row after row
    std::array<std::uint32_t, 256> firstNeighbour_{};
    std::array<std::uint32_t, 256> neighbourCount_{};
    std::array<std::int64_t, 256> inDegree_{};
};

}  // namespace graph_internal

#endif  // QUERIES_TABLE_SUMMARY_H_

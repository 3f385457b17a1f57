// The two ways the label-setting queries read a table: from its summary, or
// from its rows as they stand, reading only the rows a search reaches. Both
// offer the same two operations:
//   forEachStep(u, visit): calls visit(v, weight) once for every name v that
//     a neighbour entry (weight not -1) of u's row names, `weight` being that
//     of the first entry of the row naming v; stops when visit returns false;
//   position(v): v's place in the order of first appearance, or -1.
#ifndef QUERIES_STEPS_H_
#define QUERIES_STEPS_H_

#include <array>
#include <cstdint>

#include "queries/internal/table_summary.h"

namespace graph_internal {

class SummarySteps {
  public:
    explicit SummarySteps(const TableSummary& table) : table_(table) {}

    template <typename Visit>
    void forEachStep(char vertex, Visit visit) const {
        for (const Neighbour& neighbour : table_.neighboursOf(vertex)) {
            if (neighbour.isStep() && !visit(neighbour.name, neighbour.weight)) {
                return;
            }
        }
    }

    int position(char name) const { return table_.order().positionOf(name); }

  private:
    const TableSummary& table_;
};

class RowSteps {
  public:
    explicit RowSteps(const Graph& graph) : graph_(graph), rows_(graph) {}

    // One pass over the row; the head entry is the first entry naming the
    // row's own vertex.
    template <typename Visit>
    void forEachStep(char vertex, Visit visit) {
        const Row* row = rows_.find(vertex);
        if (row == nullptr) {
            return;
        }
        ++scan_;
        for (const auto& entry : *row) {
            const std::size_t slot = nameSlot(entry->vertex);
            if (seenIn_[slot] != scan_) {
                seenIn_[slot] = scan_;
                firstWeight_[slot] = entry->weight;
            }
            if (isNeighbourEntry(entry->weight) && steppedIn_[slot] != scan_) {
                steppedIn_[slot] = scan_;
                if (!visit(entry->vertex, firstWeight_[slot])) {
                    return;
                }
            }
        }
    }

    // Walks the rows in order only as far as it must to meet `name`.
    int position(char name) {
        while (order_.positionOf(name) < 0 && seenRows_ < graph_.adjList.size()) {
            for (const auto& entry : graph_.adjList[seenRows_]) {
                order_.see(entry->vertex);
            }
            ++seenRows_;
        }
        return order_.positionOf(name);
    }

  private:
    const Graph& graph_;
    const RowIndex rows_;
    std::uint32_t scan_ = 0;
    std::array<std::uint32_t, kNameCount> seenIn_{};     // the scan that last met a name
    std::array<std::uint32_t, kNameCount> steppedIn_{};  // the scan that last stepped to it
    std::array<int, kNameCount> firstWeight_;
    AppearanceOrder order_;
    std::size_t seenRows_ = 0;
};

}  // namespace graph_internal

#endif  // QUERIES_STEPS_H_

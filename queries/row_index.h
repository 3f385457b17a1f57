// Per-call index from a vertex name to the rows of a graph's table that it
// heads, so that a query finds a row in O(1) instead of scanning the heads.
#ifndef QUERIES_ROW_INDEX_H_
#define QUERIES_ROW_INDEX_H_

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

#include "graph/Graph.h"

namespace graph_internal {

inline std::size_t nameSlot(char name) {
    return static_cast<unsigned char>(name);
}

class RowIndex {
  public:
    using Row = std::list<std::shared_ptr<Edge>>;

    // Indexes the rows a scan over the table's first `vertexCount` rows visits,
    // in the same order; empty rows head nothing. One pass over the heads.
    explicit RowIndex(const Graph& graph) : graph_(graph) {
        firstRow_.fill(kNone);
        std::array<int, 256> lastRow;
        lastRow.fill(kNone);
        const std::size_t rowCount = std::min(
            graph.adjList.size(), static_cast<std::size_t>(std::max(graph.vertexCount, 0)));
        nextRow_.assign(rowCount, kNone);
        for (std::size_t row = 0; row < rowCount; ++row) {
            if (graph.adjList[row].empty()) {
                continue;
            }
            const std::size_t slot = nameSlot(graph.adjList[row].front()->vertex);
            (lastRow[slot] == kNone ? firstRow_[slot] : nextRow_[lastRow[slot]]) =
                static_cast<int>(row);
            lastRow[slot] = static_cast<int>(row);
        }
    }

    bool hasRow(char name) const { return firstRow_[nameSlot(name)] != kNone; }

    // Calls `visit(row)` for every row headed by `name`, in table order. A
    // table kept by addEdge has at most one.
    template <typename Visit>
    void forEachRowOf(char name, Visit visit) const {
        for (int row = firstRow_[nameSlot(name)]; row != kNone;
             row = nextRow_[static_cast<std::size_t>(row)]) {
            visit(graph_.adjList[static_cast<std::size_t>(row)]);
        }
    }

    // The rows in table order, as far as the scan reaches.
    std::size_t rowCount() const { return nextRow_.size(); }
    const Row& row(std::size_t index) const { return graph_.adjList[index]; }

  private:
    static constexpr int kNone = -1;
    const Graph& graph_;
    std::array<int, 256> firstRow_;
    std::vector<int> nextRow_;
};

}  // namespace graph_internal

#endif  // QUERIES_ROW_INDEX_H_

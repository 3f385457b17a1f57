// How a vertex's row is found: the row of a name is the first of the first
// `vertexCount` rows (as far as the table holds them) whose head entry names
// it. addEdge and every query find rows through this header.
#ifndef GRAPH_ROW_INDEX_H_
#define GRAPH_ROW_INDEX_H_

#include <algorithm>
#include <array>
#include <cstddef>

#include "graph/weighted_graph.h"

namespace graph_internal {

using Row = std::list<std::shared_ptr<Edge>>;

constexpr int kNoRow = -1;

// The slot of a name in tables of kNameCount entries indexed by name.
inline std::size_t nameSlot(char name) {
    return static_cast<unsigned char>(name);
}

// The number of rows a lookup looks at.
inline std::size_t rowsInUse(const Graph& graph) {
    return std::min(graph.adjList.size(), static_cast<std::size_t>(std::max(graph.vertexCount, 0)));
}

// Whether `row` is a row in use whose head entry names `name`. Since no two
// rows share a head vertex, such a row is the row of `name`.
inline bool isRowOf(const Graph& graph, int row, char name) {
    if (row < 0 || static_cast<std::size_t>(row) >= rowsInUse(graph)) {
        return false;
    }
    const Row& entries = graph.adjList[static_cast<std::size_t>(row)];
    return !entries.empty() && entries.front()->vertex == name;
}

// The row of every name, from one pass over the heads. O(V).
class RowIndex {
  public:
    explicit RowIndex(const Graph& graph) : graph_(graph) {
        rowOf_.fill(kNoRow);
        for (std::size_t row = rowsInUse(graph); row-- > 0;) {
            if (!graph.adjList[row].empty()) {
                rowOf_[nameSlot(graph.adjList[row].front()->vertex)] = static_cast<int>(row);
            }
        }
    }

    // The row of `name`, or kNoRow.
    int rowOf(char name) const { return rowOf_[nameSlot(name)]; }

    // The entries of the row of `name`, head entry first, or nullptr.
    const Row* find(char name) const {
        const int row = rowOf(name);
        return row == kNoRow ? nullptr : &graph_.adjList[static_cast<std::size_t>(row)];
    }

    const std::array<int, kNameCount>& rows() const { return rowOf_; }

  private:
    const Graph& graph_;
    std::array<int, kNameCount> rowOf_;
};

}  // namespace graph_internal

#endif  // GRAPH_ROW_INDEX_H_

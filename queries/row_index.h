// Per-call index from a vertex name to its row of a graph's table, so that a
// query finds a row in O(1) instead of scanning the heads. Short rows are also
// copied into the index: searches on sparse graphs then follow flat arrays
// instead of chasing list nodes, whose latency dominates a long path.
#ifndef QUERIES_ROW_INDEX_H_
#define QUERIES_ROW_INDEX_H_

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "graph/Graph.h"

namespace graph_internal {

inline std::size_t nameSlot(char name) {
    return static_cast<unsigned char>(name);
}

// Names in order of their first appearance in the table (rows in order, each
// from its head entry on): the order in which queries break ties.
struct AppearanceOrder {
    int names = 0;
    std::array<int, 256> position;  // of each name, or -1
    std::array<char, 256> nameAt;   // the name at each position below `names`

    AppearanceOrder() { position.fill(-1); }

    void see(char name) {
        int& slot = position[nameSlot(name)];
        if (slot < 0) {
            nameAt[static_cast<std::size_t>(names)] = name;
            slot = names++;
        }
    }
};

class RowIndex {
  public:
    using Row = std::list<std::shared_ptr<Edge>>;

    // Indexes the first `vertexCount` rows of the table (as many as it holds),
    // as the scan of addEdge sees them. O(V) time and memory.
    explicit RowIndex(const Graph& graph) : graph_(graph) {
        rowOf_.fill(kNoRow);
        rowCount_ = std::min(graph.adjList.size(),
                             static_cast<std::size_t>(std::max(graph.vertexCount, 0)));
        for (std::size_t row = 0; row < rowCount_; ++row) {
            const Row& entries = graph.adjList[row];
            auto entry = entries.begin();
            if (entry == entries.end()) {
                continue;
            }
            const std::size_t slot = nameSlot((*entry)->vertex);
            if (rowOf_[slot] != kNoRow) {
                continue;  // rows never share a head; should they, the scan stops at the first
            }
            rowOf_[slot] = static_cast<int>(row);
            std::uint8_t count = 0;
            for (; entry != entries.end() && count < kCopiedEntries; ++entry, ++count) {
                copied_[slot][count] = {(*entry)->vertex, (*entry)->weight};
            }
            copiedCount_[slot] = entry == entries.end() ? count : kNotCopied;
        }
    }

    bool hasRow(char name) const { return rowOf_[nameSlot(name)] != kNoRow; }

    // Calls `visit(vertex, weight)` for each entry of the row of `name`, head
    // entry first, in row order, until `visit` returns false. Nothing for a
    // name without a row.
    template <typename Visit>
    void forEachEntryOf(char name, Visit visit) const {
        const std::size_t slot = nameSlot(name);
        if (rowOf_[slot] == kNoRow) {
            return;
        }
        if (copiedCount_[slot] != kNotCopied) {
            for (std::size_t i = 0; i < copiedCount_[slot]; ++i) {
                if (!visit(copied_[slot][i].vertex, copied_[slot][i].weight)) {
                    return;
                }
            }
            return;
        }
        for (const auto& entry : graph_.adjList[static_cast<std::size_t>(rowOf_[slot])]) {
            if (!visit(entry->vertex, entry->weight)) {
                return;
            }
        }
    }

    // The indexed part of the table, for walks in table order.
    std::size_t rowCount() const { return rowCount_; }
    const Row& row(std::size_t index) const { return graph_.adjList[index]; }

    // The order in which names first appear in the indexed rows. O(E).
    AppearanceOrder appearanceOrder() const {
        AppearanceOrder order;
        for (std::size_t index = 0; index < rowCount_; ++index) {
            for (const auto& entry : row(index)) {
                order.see(entry->vertex);
            }
        }
        return order;
    }

  private:
    static constexpr int kNoRow = -1;
    static constexpr std::size_t kCopiedEntries = 4;  // a head entry and three edges
    static constexpr std::uint8_t kNotCopied = 0xff;

    struct CopiedEntry {
        char vertex;
        int weight;
    };

    const Graph& graph_;
    std::size_t rowCount_;
    std::array<int, 256> rowOf_;
    std::array<std::uint8_t, 256> copiedCount_;  // valid where rowOf_ is set
    std::array<std::array<CopiedEntry, kCopiedEntries>, 256> copied_;
};

}  // namespace graph_internal

#endif  // QUERIES_ROW_INDEX_H_

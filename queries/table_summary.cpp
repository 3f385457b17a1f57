#include "queries/table_summary.h"

namespace graph_internal {

// What summarizing a row notes of each name, valid where `seenIn` holds the
// number of the row being summarized.
struct TableSummary::RowScratch {
    std::uint32_t row = 0;
    std::array<std::uint32_t, 256> seenIn{};
    std::array<int, 256> firstWeight;          // of the first entry naming it
    std::array<std::uint32_t, 256> neighbour;  // its place in `neighbours_`, or kNone
};

TableSummary::TableSummary(const Graph& graph) {
    const RowIndex rows(graph);
    RowScratch scratch;
    for (std::size_t row = 0; row < graph.adjList.size(); ++row) {
        const Row& entries = graph.adjList[row];
        for (auto entry = entries.begin(); entry != entries.end(); ++entry) {
            order_.see((*entry)->vertex);
            if (entry != entries.begin()) {
                ++inDegree_[nameSlot((*entry)->vertex)];
            }
        }
        if (!entries.empty() && rows.rowOf(entries.front()->vertex) == static_cast<int>(row)) {
            summarizeRow(entries, scratch);
        }
    }
}

void TableSummary::summarizeRow(const Row& row, RowScratch& scratch) {
    constexpr std::uint32_t kNone = ~std::uint32_t{0};
    const std::size_t owner = nameSlot(row.front()->vertex);
    const auto first = static_cast<std::uint32_t>(neighbours_.size());
    ++scratch.row;
    for (const auto& entry : row) {
        const std::size_t name = nameSlot(entry->vertex);
        if (scratch.seenIn[name] != scratch.row) {
            scratch.seenIn[name] = scratch.row;
            scratch.firstWeight[name] = entry->weight;
            scratch.neighbour[name] = kNone;
        }
        if (entry->weight == -1) {
            continue;
        }
        if (scratch.neighbour[name] == kNone) {
            scratch.neighbour[name] = static_cast<std::uint32_t>(neighbours_.size());
            neighbours_.push_back({entry->vertex, scratch.firstWeight[name], 0});
        }
        ++neighbours_[scratch.neighbour[name]].entries;
    }
    firstNeighbour_[owner] = first;
    neighbourCount_[owner] = static_cast<std::uint32_t>(neighbours_.size()) - first;
}

}  // namespace graph_internal

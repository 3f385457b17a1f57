#include "queries/table_summary.h"

#include <algorithm>

namespace graph_internal {
namespace {

constexpr std::uint32_t kNone = ~std::uint32_t{0};

}  // namespace

// What summarizing a row notes of each name; valid where `row` is the number
// of the row being summarized.
struct TableSummary::Seen {
    std::uint32_t row = 0;
    int firstWeight = 0;              // of the row's first entry naming it
    std::uint32_t neighbour = kNone;  // its place in `neighbours_`, or kNone
};

TableSummary::TableSummary(const Graph& graph) {
    const RowIndex rows(graph);
    std::size_t entries = 0;
    for (const Row& row : graph.adjList) {
        entries += row.size();
    }
    neighbours_.reserve(std::min(entries, rowsInUse(graph) * 256));
    std::array<Seen, 256> seen{};
    for (std::size_t index = 0; index < graph.adjList.size(); ++index) {
        const Row& row = graph.adjList[index];
        const bool summarized =
            !row.empty() && rows.rowOf(row.front()->vertex) == static_cast<int>(index);
        const auto first = static_cast<std::uint32_t>(neighbours_.size());
        const auto number = static_cast<std::uint32_t>(index + 1);
        for (auto entry = row.begin(); entry != row.end(); ++entry) {
            const char name = (*entry)->vertex;
            order_.see(name);
            if (entry != row.begin()) {
                ++inDegree_[nameSlot(name)];
            }
            if (summarized) {
                note(name, (*entry)->weight, seen[nameSlot(name)], number);
            }
        }
        if (summarized) {
            firstNeighbour_[nameSlot(row.front()->vertex)] = first;
            neighbourCount_[nameSlot(row.front()->vertex)] =
                static_cast<std::uint32_t>(neighbours_.size()) - first;
        }
    }
}

void TableSummary::note(char name, int weight, Seen& seen, std::uint32_t row) {
    if (seen.row != row) {
        seen = {row, weight, kNone};
    }
    if (weight == -1) {
        return;
    }
    if (seen.neighbour == kNone) {
        seen.neighbour = static_cast<std::uint32_t>(neighbours_.size());
        neighbours_.push_back({name, seen.firstWeight, 0});
    }
    ++neighbours_[seen.neighbour].entries;
}

}  // namespace graph_internal

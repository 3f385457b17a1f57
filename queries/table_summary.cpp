#include "queries/internal/table_summary.h"

#include <algorithm>
#include <climits>
#include <memory>
#include <string>

namespace graph_internal {
namespace {

constexpr std::uint32_t kNone = ~std::uint32_t{0};

// What summarizing a row has noted of a name; valid while `row` is the number
// of the row being summarized.
struct Seen {
    std::uint32_t row = 0;
    int firstWeight = 0;              // of the row's first entry naming it
    std::uint32_t neighbour = kNone;  // its place in the summary, or kNone
};

}  // namespace

TableSummary::TableSummary(const Graph& graph) : rowCount_(graph.vertexCount) {
    const RowIndex rows(graph);
    std::size_t entries = 0;
    for (const Row& row : graph.adjList) {
        entries += row.size();
    }
    neighbours_.reserve(std::min(entries, rowsInUse(graph) * kNameCount));
    std::array<Seen, kNameCount> seen{};
    std::uint64_t pairsMet = 0;
    for (std::size_t index = 0; index < graph.adjList.size(); ++index) {
        const Row& row = graph.adjList[index];
        if (row.empty()) {
            continue;
        }
        const char head = row.front()->vertex;
        order_.see(head);
        // A row that is not the row of its head (a caller's edit) still
        // names names and counts towards in-degrees, but is never followed.
        if (rows.rowOf(head) != static_cast<int>(index)) {
            for (auto entry = std::next(row.begin()); entry != row.end(); ++entry) {
                order_.see((*entry)->vertex);
                ++inDegree_[nameSlot((*entry)->vertex)];
            }
            continue;
        }
        const auto number = static_cast<std::uint32_t>(index + 1);
        const auto first = static_cast<std::uint32_t>(neighbours_.size());
        seen[nameSlot(head)] = {number, -1, kNone};
        for (auto entry = std::next(row.begin()); entry != row.end(); ++entry) {
            const char name = (*entry)->vertex;
            const int weight = (*entry)->weight;
            ++inDegree_[nameSlot(name)];
            Seen& noted = seen[nameSlot(name)];
            if (noted.row != number) {
                noted = {number, weight, kNone};
                order_.see(name);
            }
            if (noted.neighbour == kNone) {
                noted.neighbour = static_cast<std::uint32_t>(neighbours_.size());
                neighbours_.push_back({name, noted.firstWeight, INT_MAX, 0, 0,
                                       name == head ? kNotJoined : pairsMet++});
            }
            neighbours_[noted.neighbour].note(weight);
        }
        firstNeighbour_[nameSlot(head)] = first;
        neighbourCount_[nameSlot(head)] = static_cast<std::uint32_t>(neighbours_.size()) - first;
    }
    readOrder_ = order_;  // a table keeps no other order of its edges
}

}  // namespace graph_internal

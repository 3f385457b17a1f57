#include <array>
#include <cstdint>
#include <functional>
#include <queue>

#include "queries/appearance_order.h"

using graph_internal::AppearanceOrder;
using graph_internal::nameSlot;
using graph_internal::Row;
using graph_internal::RowIndex;

// Kahn's method over names in order of first appearance: one pass counts, for
// every name, the entries naming it (a row's first entry excepted, whatever
// its weight); outputting a vertex releases its neighbour entries (weight not
// -1), and the next vertex is the first-appearing name left at zero. A name
// that has been output never returns to zero: its count only falls below it.
std::string Graph::topoSort() const {
    AppearanceOrder order;
    std::array<std::int64_t, 256> inDegree{};
    for (const Row& row : adjList) {
        for (auto entry = row.begin(); entry != row.end(); ++entry) {
            order.see((*entry)->vertex);
            if (entry != row.begin()) {
                ++inDegree[nameSlot((*entry)->vertex)];
            }
        }
    }

    std::priority_queue<int, std::vector<int>, std::greater<>> ready;  // positions
    const std::string& names = order.names();
    for (std::size_t position = 0; position < names.size(); ++position) {
        if (inDegree[nameSlot(names[position])] == 0) {
            ready.push(static_cast<int>(position));
        }
    }
    const RowIndex rows(*this);
    std::string sorted;
    while (!ready.empty()) {
        const char vertex = names[static_cast<std::size_t>(ready.top())];
        ready.pop();
        sorted += vertex;
        const Row* row = rows.find(vertex);
        if (row == nullptr) {
            continue;
        }
        for (const auto& entry : *row) {
            if (entry->weight != -1 && --inDegree[nameSlot(entry->vertex)] == 0) {
                ready.push(order.positionOf(entry->vertex));
            }
        }
    }
    return sorted;
}

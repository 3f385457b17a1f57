#include <array>
#include <cstdint>
#include <functional>
#include <queue>

#include "queries/topo_sort.h"

namespace graph_internal {

// Kahn's method over names in order of first appearance: a name's count
// starts at its in-degree (weight -1 entries included); outputting a vertex
// lowers its neighbours' counts by the neighbour entries naming them, and
// the next vertex is the first-appearing name at zero. A name that has been
// output never returns to zero: its count only falls below it.
std::string topologicalOrder(const TableSummary& table) {
    const std::string& names = table.order().names();
    std::array<std::int64_t, 256> count{};
    std::priority_queue<int, std::vector<int>, std::greater<>> ready;  // positions
    for (std::size_t position = 0; position < names.size(); ++position) {
        count[nameSlot(names[position])] = table.inDegree(names[position]);
        if (count[nameSlot(names[position])] == 0) {
            ready.push(static_cast<int>(position));
        }
    }
    std::string sorted;
    while (!ready.empty()) {
        const char vertex = names[static_cast<std::size_t>(ready.top())];
        ready.pop();
        sorted += vertex;
        for (const Neighbour& neighbour : table.neighboursOf(vertex)) {
            std::int64_t& left = count[nameSlot(neighbour.name)];
            const bool wasWaiting = left > 0;
            left -= neighbour.entries;
            if (wasWaiting && left == 0) {
                ready.push(table.order().positionOf(neighbour.name));
            }
        }
    }
    return sorted;
}

}  // namespace graph_internal

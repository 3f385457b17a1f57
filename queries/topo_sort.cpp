#include <array>
#include <cstdint>

#include "graph/Graph.h"
#include "queries/name_set.h"
#include "queries/row_index.h"

using graph_internal::AppearanceOrder;
using graph_internal::NameSet;
using graph_internal::nameSlot;
using graph_internal::RowIndex;

// Kahn's method over names in order of first appearance: one pass counts, for
// every name, the entries naming it (a row's first entry excepted, whatever
// its weight); outputting a vertex releases its neighbour entries (weight not
// -1) once each, and the next vertex is the first-appearing name left at zero.
std::string Graph::topoSort() const {
    const RowIndex rows(*this);
    AppearanceOrder order;
    std::array<std::int64_t, 256> inDegree{};
    for (std::size_t row = 0; row < rows.rowCount(); ++row) {
        bool headEntry = true;
        for (const auto& entry : rows.row(row)) {
            order.see(entry->vertex);
            if (!headEntry) {
                ++inDegree[nameSlot(entry->vertex)];
            }
            headEntry = false;
        }
    }

    NameSet ready;  // positions of names not yet output whose count is zero
    for (int slot = 0; slot < order.names; ++slot) {
        if (inDegree[nameSlot(order.nameAt[static_cast<std::size_t>(slot)])] == 0) {
            ready.insert(static_cast<std::size_t>(slot));
        }
    }

    std::string sorted;
    NameSet output;
    for (int next = ready.first(); next >= 0; next = ready.first()) {
        const char vertex = order.nameAt[static_cast<std::size_t>(next)];
        ready.erase(static_cast<std::size_t>(next));
        output.insert(nameSlot(vertex));
        rows.forEachEntryOf(vertex, [&](char name, int weight) {
            const std::size_t target = nameSlot(name);
            if (weight != -1 && !output.contains(target) && --inDegree[target] == 0) {
                ready.insert(static_cast<std::size_t>(order.position[target]));
            }
            return true;
        });
        sorted += vertex;
    }
    return sorted;
}

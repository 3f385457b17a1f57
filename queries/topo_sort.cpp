#include <array>
#include <cstdint>

#include "graph/Graph.h"
#include "queries/name_set.h"
#include "queries/row_index.h"

using graph_internal::NameSet;
using graph_internal::nameSlot;
using graph_internal::RowIndex;

// Kahn's method over names in order of first appearance: one pass counts, for
// every name, the entries naming it (a row's first entry excepted, whatever
// its weight); outputting a vertex releases its neighbour entries (weight not
// -1) once each, and the next vertex is the first-appearing name left at zero.
std::string Graph::topoSort() const {
    const RowIndex rows(*this);
    std::array<int, 256> position;  // of each name's first appearance, or -1
    position.fill(-1);
    std::array<char, 256> nameAt{};
    std::array<std::int64_t, 256> inDegree{};
    int names = 0;
    const auto appear = [&](char name) {
        int& slot = position[nameSlot(name)];
        if (slot < 0) {
            slot = names++;
            nameAt[static_cast<std::size_t>(slot)] = name;
        }
    };
    for (std::size_t row = 0; row < rows.rowCount(); ++row) {
        bool headEntry = true;
        for (const auto& entry : rows.row(row)) {
            appear(entry->vertex);
            if (!headEntry) {
                ++inDegree[nameSlot(entry->vertex)];
            }
            headEntry = false;
        }
    }

    NameSet ready;  // positions of names not yet output whose count is zero
    for (int slot = 0; slot < names; ++slot) {
        if (inDegree[nameSlot(nameAt[static_cast<std::size_t>(slot)])] == 0) {
            ready.insert(static_cast<std::size_t>(slot));
        }
    }

    std::string order;
    NameSet output;
    for (int next = ready.first(); next >= 0; next = ready.first()) {
        const char vertex = nameAt[static_cast<std::size_t>(next)];
        ready.erase(static_cast<std::size_t>(next));
        output.insert(nameSlot(vertex));
        rows.forEachRowOf(vertex, [&](const RowIndex::Row& row) {
            for (const auto& entry : row) {
                const std::size_t target = nameSlot(entry->vertex);
                if (entry->weight == -1 || output.contains(target)) {
                    continue;
                }
                if (--inDegree[target] == 0) {
                    ready.insert(static_cast<std::size_t>(position[target]));
                }
            }
        });
        order += vertex;
    }
    return order;
}

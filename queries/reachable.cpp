#include <array>
#include <bitset>

#include "graph/row_index.h"

using graph_internal::nameSlot;
using graph_internal::Row;
using graph_internal::RowIndex;

// Breadth-first search over neighbour entries in which each vertex is queued
// once; `to` counts as reached when it is named by an entry of an expanded
// vertex, so a start is reachable from itself only through a cycle.
bool Graph::Reachable(char from, char to) const {
    const RowIndex rows(*this);
    std::array<char, 256> queue;
    std::size_t head = 0;
    std::size_t tail = 0;
    std::bitset<256> queued;
    queue[tail++] = from;
    queued.set(nameSlot(from));
    while (head < tail) {
        const Row* row = rows.find(queue[head++]);
        if (row == nullptr) {
            continue;
        }
        for (const auto& entry : *row) {
            if (entry->weight == -1) {
                continue;
            }
            if (entry->vertex == to) {
                return true;
            }
            if (!queued[nameSlot(entry->vertex)]) {
                queued.set(nameSlot(entry->vertex));
                queue[tail++] = entry->vertex;
            }
        }
    }
    return false;
}

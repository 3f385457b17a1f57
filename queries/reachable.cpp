#include "graph/Graph.h"
#include "queries/name_set.h"
#include "queries/row_index.h"

using graph_internal::NameSet;
using graph_internal::nameSlot;
using graph_internal::RowIndex;

// Breadth-first search over neighbour entries in which each vertex is queued
// once; `to` counts as reached when it is named by an entry of an expanded
// vertex, so a start is reachable from itself only through a cycle.
bool Graph::Reachable(char from, char to) const {
    const RowIndex rows(*this);
    char queue[256];
    std::size_t head = 0;
    std::size_t tail = 0;
    NameSet queued;
    queue[tail++] = from;
    queued.insert(nameSlot(from));
    while (head < tail) {
        bool found = false;
        rows.forEachRowOf(queue[head++], [&](const RowIndex::Row& row) {
            for (const auto& entry : row) {
                if (found) {
                    return;
                }
                if (entry->weight == -1) {
                    continue;
                }
                const char next = entry->vertex;
                if (next == to) {
                    found = true;
                } else if (!queued.contains(nameSlot(next))) {
                    queued.insert(nameSlot(next));
                    queue[tail++] = next;
                }
            }
        });
        if (found) {
            return true;
        }
    }
    return false;
}

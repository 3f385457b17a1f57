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
    bool found = false;
    while (head < tail && !found) {
        rows.forEachEntryOf(queue[head++], [&](char next, int weight) {
            if (weight == -1) {
                return true;
            }
            found = next == to;
            if (!found && !queued.contains(nameSlot(next))) {
                queued.insert(nameSlot(next));
                queue[tail++] = next;
            }
            return !found;
        });
    }
    return found;
}
